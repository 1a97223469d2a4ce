#include "script_writer.h"

#include "file_replacement.h"
#include "system_conventions.h"

namespace {

// An empty path is written as null, so every line keeps its three tokens.
std::string PathToken(const std::string& path) { return path.empty() ? "null" : path; }

}  // namespace

bool WriteScriptFile(const std::string& name, const std::vector<ScriptHandler>& handlers) {
  std::string text;
  for (const ScriptHandler& h : handlers) {
    const std::string id = std::to_string(h.eventId);
    text += id + " " + PathToken(h.beginPath) + " begin" + kLineEnd;
    text += id + " " + PathToken(h.loopPath) + " loop" + kLineEnd;
  }
  return ReplaceFileWith(name, text + "-1");
}

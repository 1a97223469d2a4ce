#include "script_writer.h"

#include "file_replacement.h"
#include "system_conventions.h"

bool WriteScriptFile(const std::string& name, const std::vector<ScriptHandler>& handlers) {
  // An empty path is written as null, so every line keeps its three tokens.
  auto pathToken = [](const std::string& path) { return path.empty() ? std::string("null") : path; };
  std::string text;
  for (const ScriptHandler& h : handlers) {
    const std::string id = std::to_string(h.eventId);
    text += id + " " + pathToken(h.beginPath) + " begin" + kLineEnd;
    text += id + " " + pathToken(h.loopPath) + " loop" + kLineEnd;
  }
  return ReplaceFileWith(name, text + "-1");
}

#include "script_file.h"

#include <cstdio>

#include "file_replacement.h"

namespace {

#ifdef _WIN32
const char kLineEnd[] = "\r\n";
#else
const char kLineEnd[] = "\n";
#endif

// An empty path is written as null, so every line keeps its three tokens.
const char* PathToken(const std::string& path) { return path.empty() ? "null" : path.c_str(); }

}  // namespace

bool WriteScriptFile(const std::string& name, const std::vector<ScriptHandler>& handlers) {
  FileReplacement script;
  if (!script.Begin(name)) return false;
  std::FILE* out = script.file();
  for (const ScriptHandler& h : handlers)
    std::fprintf(out, "%d %s begin%s%d %s loop%s", h.eventId, PathToken(h.beginPath), kLineEnd, h.eventId,
                 PathToken(h.loopPath), kLineEnd);
  std::fputs("-1", out);
  // What was not written whole is discarded with the replacement; the old file stays.
  return !std::ferror(out) && script.Commit() == FileReplacement::kReplaced;
}

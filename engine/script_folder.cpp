#include "script_folder.h"

#include <algorithm>

#include "file_reading.h"
#include "system_conventions.h"

namespace {

// The script's path up to and with its last separator: "" for a script in the current folder.
std::string FolderPart(const std::string& script) {
  const std::size_t end = script.find_last_of(kFolderEnds);
  return end == std::string::npos ? std::string() : script.substr(0, end + 1);
}

std::string InScriptFolder(const std::string& script, const std::string& path) {
  // A path with a root, "C:" alone included, does not lie in the script's folder.
  return IsRootedPath(path) ? path : FolderPart(script) + path;
}

}  // namespace

#ifdef _WIN32
bool IsRootedPath(const std::string& path) {
  return (!path.empty() && (path[0] == '/' || path[0] == '\\')) || (path.size() >= 2 && path[1] == ':');
}
#else
bool IsRootedPath(const std::string& path) { return !path.empty() && path[0] == '/'; }
#endif

std::string SourceOpenPath(const std::string& script, const std::string& path) {
  const std::string written = InScriptFolder(script, path);
#ifndef _WIN32
  if (path.find('\\') != std::string::npos && !InspectPath(written.c_str()).exists) {
    std::string slashed = path;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    return InScriptFolder(script, slashed);
  }
#endif
  return written;
}

std::string BesideScript(const std::string& script, const std::string& name) { return FolderPart(script) + name; }

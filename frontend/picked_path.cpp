#include "picked_path.h"

#include "ascii_case.h"
#include "script_path.h"

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool SameChar(char a, char b) { return LowerAscii(a) == LowerAscii(b) || (IsSeparator(a) && IsSeparator(b)); }

bool Scriptable(const std::string& path) { return IsScriptablePath(path.data(), static_cast<int>(path.size())); }

}  // namespace

std::string RelativeToFolder(const std::string& path, const std::string& folder) {
  // "C:\" and "C:\work\" hold their files one separator further on, like "C:\work".
  size_t folderLength = folder.size();
  while (folderLength > 0 && IsSeparator(folder[folderLength - 1])) --folderLength;
  if (folderLength == 0 || path.size() <= folderLength + 1) return path;
  for (size_t i = 0; i < folderLength; ++i)
    if (!SameChar(path[i], folder[i])) return path;
  // "C:\workshop\a.orv" is not under "C:\work".
  if (!IsSeparator(path[folderLength])) return path;
  size_t start = folderLength;
  while (start < path.size() && IsSeparator(path[start])) ++start;
  return start < path.size() ? path.substr(start) : path;
}

BoxPath PathForBox(const char* label, const WindowsName& file, const WindowsName& currentFolder) {
  const std::string longPath = RelativeToFolder(file.full, currentFolder.full);
  if (Scriptable(longPath)) return BoxPath{longPath, std::string()};
  if (!file.shortForm.empty()) {
    // A short file name is relative to the short form of the folder, unless the folder's own name is
    // short already and Windows gives it back as it is.
    const std::string fromShortFolder = RelativeToFolder(
        file.shortForm, currentFolder.shortForm.empty() ? currentFolder.full : currentFolder.shortForm);
    if (Scriptable(fromShortFolder)) return BoxPath{fromShortFolder, std::string()};
    const std::string fromLongFolder = RelativeToFolder(file.shortForm, currentFolder.full);
    if (Scriptable(fromLongFolder)) return BoxPath{fromLongFolder, std::string()};
  }
  return BoxPath{std::string(), PathProblem(label, longPath.data(), static_cast<int>(longPath.size()))};
}

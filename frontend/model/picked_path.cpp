#include "picked_path.h"

#include "script_path.h"
#include "windows_path.h"

namespace {

bool Scriptable(const std::string& path) { return IsScriptablePath(path.data(), static_cast<int>(path.size())); }

}  // namespace

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

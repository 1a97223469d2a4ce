#include "picked_path.h"

#include "handler_table.h"
#include "script_file.h"
#include "windows_path.h"

EditPath PathForEdit(const char* label, const WindowsName& file, const WindowsName& currentFolder) {
  const std::string longPath = RelativeToFolder(file.full, currentFolder.full);
  if (IsScriptablePath(longPath)) return EditPath{longPath, std::string()};
  if (!file.shortForm.empty()) {
    // A short file name is relative to the short form of the folder, unless the folder's own name is
    // short already and Windows gives it back as it is.
    const std::string fromShortFolder = RelativeToFolder(
        file.shortForm, currentFolder.shortForm.empty() ? currentFolder.full : currentFolder.shortForm);
    if (IsScriptablePath(fromShortFolder)) return EditPath{fromShortFolder, std::string()};
    const std::string fromLongFolder = RelativeToFolder(file.shortForm, currentFolder.full);
    if (IsScriptablePath(fromLongFolder)) return EditPath{fromLongFolder, std::string()};
  }
  return EditPath{std::string(), PathProblem(label, longPath.data(), static_cast<int>(longPath.size()))};
}

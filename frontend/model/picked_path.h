// What a file the author picks in the Open dialog, or drops on the dialog, puts into a source edit: a
// path relative to the current folder where the file lies in or under it, and always one the build
// script can hold, so Add never refuses what Browse or a drop put there.
#ifndef ORV_FRONTEND_MODEL_PICKED_PATH_H_
#define ORV_FRONTEND_MODEL_PICKED_PATH_H_

#include <string>

// A file or folder as Windows names it, in UTF-8: its full path, and its short (8.3) form, empty where
// the volume gives none.
struct WindowsName {
  std::string full;
  std::string shortForm;
};

// What the edit for the piece named by label ("Begin ORV") takes for file: .path, or, where no form of
// the file's name fits the script, an empty .path and .problem in Add's words; the edit then stays as
// it was.
struct EditPath {
  std::string path;
  std::string problem;
};
EditPath PathForEdit(const char* label, const WindowsName& file, const WindowsName& currentFolder);

#endif  // ORV_FRONTEND_MODEL_PICKED_PATH_H_

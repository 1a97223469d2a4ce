// The system's Open and Save dialogs for one file, over comdlg32: a title, the file types offered, the
// folder it opens in and the name it proposes. The current folder is the same before and after it.
#ifndef ORV_FRONTEND_PLATFORM_FILE_DIALOG_H_
#define ORV_FRONTEND_PLATFORM_FILE_DIALOG_H_

#include <string>
#include <utility>
#include <vector>

#include "platform/wnd.h"

struct CFileDialog {
  // kOpen picks an existing file; kSave a name to write, asking before an existing file is replaced.
  enum Kind { kOpen, kSave };

  // Opens in folder (the current folder when empty) with fileName in its file name edit, modal to owner.
  // True with the chosen file's full path in *chosen; false when the user cancels or the dialog cannot
  // open.
  bool DoModal(const CWnd& owner, const std::string& folder, const std::string& fileName, std::string* chosen) const;

  Kind kind;
  std::string title;
  // (shown name, patterns) pairs, e.g. {"ORV files (*.orv)", "*.orv"}, the first one chosen.
  std::vector<std::pair<std::string, std::string>> filters;
  std::string defaultExtension = std::string();  // added to a name typed without one ("txt"); none when empty
};

#endif  // ORV_FRONTEND_PLATFORM_FILE_DIALOG_H_

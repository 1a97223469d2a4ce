// The system's Open dialog for one existing file, over comdlg32: a title, the file types offered, the
// folder it opens in. The current folder is the same before and after it.
#ifndef ORV_FRONTEND_PLATFORM_OPEN_FILE_DIALOG_H_
#define ORV_FRONTEND_PLATFORM_OPEN_FILE_DIALOG_H_

#include <string>
#include <utility>
#include <vector>

#include "platform/wnd.h"

class COpenFileDialog {
 public:
  // filters: (shown name, patterns) pairs, e.g. {"ORV files (*.orv)", "*.orv"}, the first one chosen.
  COpenFileDialog(std::string title, std::vector<std::pair<std::string, std::string>> filters);

  // Opens in folder (the current folder when empty), modal to owner. True with the chosen file's full
  // path in *chosen; false when the user cancels or the dialog cannot open.
  bool DoModal(const CWnd& owner, const std::string& folder, std::string* chosen) const;

 private:
  std::string title_;
  std::vector<std::pair<std::string, std::string>> filters_;
};

#endif  // ORV_FRONTEND_PLATFORM_OPEN_FILE_DIALOG_H_

// Files dropped on a window (WM_DROPFILES), over shell32: their paths, in the order the drop gives
// them. A control can take drops for its dialog, which is then told which control they landed on.
#ifndef ORV_FRONTEND_PLATFORM_DROPPED_FILES_H_
#define ORV_FRONTEND_PLATFORM_DROPPED_FILES_H_

// shellapi.h needs the types of windows.h before it.
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "platform/wnd.h"

class CDroppedFiles {
 public:
  // Takes the drop's handle and frees it when done.
  explicit CDroppedFiles(HDROP drop) : drop_(drop) {}
  ~CDroppedFiles();
  CDroppedFiles(const CDroppedFiles&) = delete;
  CDroppedFiles& operator=(const CDroppedFiles&) = delete;

  // Full paths, UTF-8.
  std::vector<std::string> Paths() const;

 private:
  HDROP drop_;
};

// Lets files be dropped on a control of a dialog, as DragAcceptFiles lets them on the dialog: its drops
// go to the dialog as WM_DROPFILES whose lParam is the control's handle.
void AcceptDroppedFilesForParent(const CWnd& control);

#endif  // ORV_FRONTEND_PLATFORM_DROPPED_FILES_H_

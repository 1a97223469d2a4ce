// The build engine's error box in the dialog program: caption "Error", the stop icon and one OK
// button, owned by the builder dialog. It returns when the user has dismissed it.
//
// Owned, the box stays in front of the dialog for the window manager too, and a click on the
// disabled dialog brings the box forward rather than leaving it hidden behind a dialog that takes no
// input, which looks like a hung program.
#include <cstdio>

#include "builder_dlg.h"
#include "error_box.h"
#include "platform/pending_input.h"
#include "platform/win_app.h"
#include "platform/wnd.h"

void ShowErrorBox(const std::string& text) {
  std::fflush(stdout);
  // Keys given while the build computed were not meant for a box that was not there: an Enter among
  // them would dismiss it before the user saw it.
  DiscardPendingInput();
  const CWinApp* app = CWinApp::Current();
  const CWnd* mainWindow = app != nullptr ? app->GetMainWindow() : nullptr;
  if (mainWindow == nullptr || mainWindow->GetSafeHwnd() == nullptr) {
    CWnd::OwnerlessMessageBox(text.c_str(), "Error", MB_OK | MB_ICONSTOP);
    return;
  }
  // The build keeps the dialog disabled; the box enables it, and it stays so. The window manager
  // hands the dialog the keyboard only once the box has gone, some time later, and a dialog disabled
  // again by then refuses it: it would look active to Windows while no window had the keyboard. What
  // remains of the build takes no input either way: nothing reads it before the build drops it.
  const CWnd dialog(mainWindow->GetSafeHwnd());
  ShowBuildFailureStatus(dialog, text);
  dialog.MessageBoxA(text.c_str(), "Error", MB_OK | MB_ICONSTOP);
}

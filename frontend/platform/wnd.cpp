#include "platform/wnd.h"

#include <string>

#include "platform/app_name.h"
#include "platform/message_box.h"
#include "platform/win_app.h"

std::string CWnd::GetWindowTextA() const {
  assert(::IsWindow(hwnd_));
  std::string text(static_cast<size_t>(::GetWindowTextLengthA(hwnd_)) + 1, '\0');
  text.resize(static_cast<size_t>(::GetWindowTextA(hwnd_, &text[0], static_cast<int>(text.size()))));
  return text;
}

void CWnd::UpdateWindow() const {
  assert(::IsWindow(hwnd_));
  ::UpdateWindow(hwnd_);
  ::GdiFlush();
  // Wine shows a window's drawing only once its thread looks for messages and finds none. Looking
  // for this window's own finds none (nothing is posted to it), and leaves every message queued.
  MSG msg;
  ::PeekMessageA(&msg, hwnd_, 0, 0, PM_NOREMOVE | PM_NOYIELD);
}

int CWnd::MessageBoxA(const char* text, const char* caption, UINT type) const {
  assert(::IsWindow(hwnd_));
  // Only a box that disabled its owner itself enables it before it goes, and only then does the system
  // give the owner the activation back; an owner still disabled would send it to some other program.
  if (!::IsWindowEnabled(hwnd_)) ::EnableWindow(hwnd_, TRUE);
  if (caption != nullptr) return ShowMessageBox(hwnd_, text, caption, type);
  // Without a registered application (the tests) the executable still names the box.
  const CWinApp* app = CWinApp::Current();
  return ShowMessageBox(hwnd_, text, (app != nullptr ? app->GetAppName() : ModuleAppName()).c_str(), type);
}

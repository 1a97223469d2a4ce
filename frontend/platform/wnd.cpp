#include "platform/wnd.h"

#include <string>

#include "platform/app_name.h"
#include "platform/win_app.h"

void CWnd::MessageBoxA(const char* text) const {
  assert(::IsWindow(hwnd_));
  // Without a registered application (the tests) the executable still names the box.
  const CWinApp* app = CWinApp::Current();
  const std::string caption = app != nullptr ? app->GetAppName() : ModuleAppName();
  MessageBoxA(text, caption.c_str(), MB_OK);
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
  return ::MessageBoxA(hwnd_, text != nullptr ? text : "", caption, type);
}

int CWnd::OwnerlessMessageBox(const char* text, const char* caption, UINT type) {
  return ::MessageBoxA(nullptr, text != nullptr ? text : "", caption, type);
}

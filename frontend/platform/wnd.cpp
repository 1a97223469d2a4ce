#include "platform/wnd.h"

#include <string>

#include "platform/message_box.h"
#include "platform/win_app.h"

std::string CWnd::GetWindowTextA() const {
  std::string text(static_cast<size_t>(::GetWindowTextLengthA(Attached())) + 1, '\0');
  text.resize(static_cast<size_t>(::GetWindowTextA(hwnd_, &text[0], static_cast<int>(text.size()))));
  return text;
}

void CWnd::UpdateWindow() const {
  ::UpdateWindow(Attached());
  ::GdiFlush();
  // Wine shows a window's drawing only once its thread looks for messages and finds none. Looking
  // for this window's own finds none (nothing is posted to it), and leaves every message queued.
  MSG msg;
  ::PeekMessageA(&msg, hwnd_, 0, 0, PM_NOREMOVE | PM_NOYIELD);
}

int CWnd::MessageBoxA(const char* text, const char* caption, UINT type) const {
  // Only a box that disabled its owner itself enables it before it goes, and only then does the system
  // give the owner the activation back; an owner still disabled would send it to some other program.
  if (!::IsWindowEnabled(Attached())) ::EnableWindow(hwnd_, TRUE);
  return ShowMessageBox(hwnd_, text, caption != nullptr ? caption : ModuleAppName().c_str(), type);
}

RECT WorkAreaOf(HWND hwnd) {
  MONITORINFO info = {};
  info.cbSize = sizeof(info);
  if (::GetMonitorInfoW(::MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &info)) return info.rcWork;
  RECT work = {};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return work;
}

void CentreOnWorkArea(const CWnd& window) {
  const HWND hwnd = window.GetSafeHwnd();
  assert(::IsWindow(hwnd));
  const RECT work = WorkAreaOf(hwnd);
  RECT frame;
  ::GetWindowRect(hwnd, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  // A window larger than the work area keeps its top left corner on it, where its caption is.
  const int x = work.left + (width < work.right - work.left ? (work.right - work.left - width) / 2 : 0);
  const int y = work.top + (height < work.bottom - work.top ? (work.bottom - work.top - height) / 2 : 0);
  ::SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

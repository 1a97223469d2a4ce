#include "platform/work_area.h"

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

// The device context for answering WM_PAINT: BeginPaint when made, EndPaint when it goes out of scope,
// so no path through a paint handler leaves the window's update region pending.
#ifndef ORV_FRONTEND_PLATFORM_PAINT_DC_H_
#define ORV_FRONTEND_PLATFORM_PAINT_DC_H_

#include "platform/wnd.h"

class CPaintDC {
 public:
  explicit CPaintDC(const CWnd& wnd) : hwnd_(wnd.GetSafeHwnd()), paint_() {
    assert(::IsWindow(hwnd_));
    hdc_ = ::BeginPaint(hwnd_, &paint_);
  }
  ~CPaintDC() { ::EndPaint(hwnd_, &paint_); }
  CPaintDC(const CPaintDC&) = delete;
  CPaintDC& operator=(const CPaintDC&) = delete;

  // --- operations for drawing a minimized window
  // Asks the window to erase the background behind its icon (WM_ICONERASEBKGND with this context).
  void EraseIconBackground() {
    if (hdc_ != nullptr) ::SendMessageA(hwnd_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(hdc_), 0);
  }
  bool DrawIcon(int x, int y, HICON icon) { return hdc_ != nullptr && icon != nullptr && ::DrawIcon(hdc_, x, y, icon); }

 private:
  HWND hwnd_;
  PAINTSTRUCT paint_;
  HDC hdc_;
};

#endif  // ORV_FRONTEND_PLATFORM_PAINT_DC_H_

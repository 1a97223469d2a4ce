// The device context for answering WM_PAINT: BeginPaint when made, EndPaint when it goes out of scope,
// so no path through a paint handler leaves the window's update region pending. And the application
// icon a minimized window draws with it.
#ifndef ORV_FRONTEND_PLATFORM_PAINT_DC_H_
#define ORV_FRONTEND_PLATFORM_PAINT_DC_H_

#include "platform/wnd.h"

// The icon with this resource id in the executable, or null when it has none. Shared by the system:
// never destroyed. The resources live in the executable itself: the platform is linked in statically.
inline HICON LoadAppIcon(int id) { return ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)); }

// Width and height of a standard icon (SM_CXICON, SM_CYICON).
inline SIZE GetSystemIconSize() { return {::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON)}; }

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

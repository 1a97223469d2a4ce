// A window as the front end sees it: its handle and the USER32 calls made on it. Holds nothing but the
// handle, so copies are free and destroying a CWnd leaves the window alone. Beside it, where a window
// stands: in its parent, and on its monitor's work area.
#ifndef ORV_FRONTEND_PLATFORM_WND_H_
#define ORV_FRONTEND_PLATFORM_WND_H_

#include <windows.h>

#include <cassert>
#include <string>

class CWnd {
 public:
  CWnd() = default;
  explicit CWnd(HWND hwnd) : hwnd_(hwnd) {}

  // --- attributes
  HWND GetSafeHwnd() const { return hwnd_; }

  // --- operations; each expects an attached window. A missing child's or focus's handle is null.
  CWnd GetDlgItem(int id) const { return CWnd(::GetDlgItem(Attached(), id)); }
  bool IsIconic() const { return ::IsIconic(Attached()) != FALSE; }
  void GetClientRect(RECT* rect) const { ::GetClientRect(Attached(), rect); }
  void GetWindowRect(RECT* rect) const { ::GetWindowRect(Attached(), rect); }  // frame, in screen coordinates
  void EnableWindow(bool enable) { ::EnableWindow(Attached(), enable ? TRUE : FALSE); }
  static CWnd GetFocus() { return CWnd(::GetFocus()); }
  void SetFocus() const { ::SetFocus(Attached()); }
  void SetWindowTextA(const char* text) { ::SetWindowTextA(Attached(), text); }
  std::string GetWindowTextA() const;
  // Paints at once what needs painting, and has it reach the screen before the thread goes on with
  // work that reads no messages.
  void UpdateWindow() const;
  // The big icon shows in the frame and the task switcher, the small one in the caption.
  void SetIcon(HICON icon, bool big) { SendMessageA(WM_SETICON, big ? ICON_BIG : ICON_SMALL, LPARAM(icon)); }
  LRESULT SendMessageA(UINT message, WPARAM wparam = 0, LPARAM lparam = 0) const {
    return ::SendMessageA(Attached(), message, wparam, lparam);
  }

  // A modal box owned by this window, captioned with the application's name, with no icon and one OK
  // button. Returns once the user has closed it.
  void MessageBoxA(const char* text) const { MessageBoxA(text, nullptr, MB_OK); }
  // The same with a caption (the application's name for null) and MB_ flags of the caller's; returns
  // the button pressed. The box leaves this window enabled, even if the caller had disabled it, so
  // that the system gives it back the activation. Keep it enabled afterwards: the window manager hands
  // it the keyboard a moment after the box has gone, and a disabled window refuses it for good.
  int MessageBoxA(const char* text, const char* caption, UINT type) const;

 protected:
  HWND Attached() const {
    assert(::IsWindow(hwnd_));
    return hwnd_;
  }

  HWND hwnd_ = nullptr;
};

// Where a child window stands: its rectangle in its parent's client coordinates, the ones SetWindowPos
// and the dialog template place it by.
inline RECT PlaceIn(HWND parent, HWND child) {
  RECT r = {0, 0, 0, 0};
  ::GetWindowRect(child, &r);
  ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The work area (the screen less the task bar and docked bars) of the monitor nearest the window, in
// screen coordinates; the primary monitor's when the system names no monitor.
RECT WorkAreaOf(HWND hwnd);

// Moves the window, frame and all, to the middle of its monitor's work area. Call it before the window
// is shown: it then appears there, as the window manager takes a program's own place for a new window.
void CentreOnWorkArea(const CWnd& window);

#endif  // ORV_FRONTEND_PLATFORM_WND_H_

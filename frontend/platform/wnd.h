// A window as the front end sees it: its handle and the USER32 calls made on it. Holds nothing but the
// handle, so copies are free and destroying a CWnd leaves the window alone.
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
  void Attach(HWND hwnd) { hwnd_ = hwnd; }

  // --- operations; each expects an attached window
  // The child with this control id; its handle is null when there is none.
  CWnd GetDlgItem(int id) const {
    assert(::IsWindow(hwnd_));
    return CWnd(::GetDlgItem(hwnd_, id));
  }
  bool IsIconic() const {
    assert(::IsWindow(hwnd_));
    return ::IsIconic(hwnd_) != FALSE;
  }
  void GetClientRect(RECT* rect) const {
    assert(::IsWindow(hwnd_));
    ::GetClientRect(hwnd_, rect);
  }
  // The window's frame, caption included, in screen coordinates.
  void GetWindowRect(RECT* rect) const {
    assert(::IsWindow(hwnd_));
    ::GetWindowRect(hwnd_, rect);
  }
  // A disabled window takes no mouse or keyboard input.
  void EnableWindow(bool enable) {
    assert(::IsWindow(hwnd_));
    ::EnableWindow(hwnd_, enable ? TRUE : FALSE);
  }
  // The window with the keyboard focus in this thread; its handle is null when there is none.
  static CWnd GetFocus() { return CWnd(::GetFocus()); }
  void SetFocus() const {
    assert(::IsWindow(hwnd_));
    ::SetFocus(hwnd_);
  }
  void SetWindowTextA(const char* text) {
    assert(::IsWindow(hwnd_));
    ::SetWindowTextA(hwnd_, text);
  }
  std::string GetWindowTextA() const;
  // Paints at once what needs painting, and has it reach the screen before the thread goes on with
  // work that reads no messages.
  void UpdateWindow() const;
  // Sets the big (frame, task switcher) or small (caption) icon; returns the one it replaces.
  HICON SetIcon(HICON icon, bool big) {
    return reinterpret_cast<HICON>(
        SendMessageA(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
  }
  LRESULT SendMessageA(UINT message, WPARAM wparam = 0, LPARAM lparam = 0) const {
    assert(::IsWindow(hwnd_));
    return ::SendMessageA(hwnd_, message, wparam, lparam);
  }

  // A modal box owned by this window, captioned with the application's name, with no icon and one OK
  // button. Returns once the user has closed it.
  void MessageBoxA(const char* text) const { MessageBoxA(text, nullptr, MB_OK); }
  // The same with a caption (the application's name for null) and MB_ flags of the caller's (icon,
  // buttons); returns the button pressed.
  // The box disables this window while it is up and leaves it enabled, even if the caller had
  // disabled it, so that the system gives it back the activation. Keep it enabled afterwards: the
  // window manager hands it the keyboard a moment after the box has gone, and a disabled window
  // refuses it for good.
  int MessageBoxA(const char* text, const char* caption, UINT type) const;

 protected:
  HWND hwnd_ = nullptr;
};

#endif  // ORV_FRONTEND_PLATFORM_WND_H_

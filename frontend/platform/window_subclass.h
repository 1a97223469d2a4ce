// A procedure of the program's own put in front of a window's, for the few messages the program must
// see first: the window's own procedure is kept in a property of the window and put back as the window
// goes. Through the wide calls, so the window stays a Unicode window.
#ifndef ORV_FRONTEND_PLATFORM_WINDOW_SUBCLASS_H_
#define ORV_FRONTEND_PLATFORM_WINDOW_SUBCLASS_H_

#include <windows.h>

// Puts proc in front of hwnd's procedure, keeping that one under the property `key`; does nothing when
// the window has one kept under key already.
inline void PutProcInFront(HWND hwnd, const wchar_t* key, WNDPROC proc) {
  if (::GetPropW(hwnd, key) != nullptr) return;
  ::SetPropW(hwnd, key, reinterpret_cast<HANDLE>(::GetWindowLongPtrW(hwnd, GWLP_WNDPROC)));
  ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
}

// For proc to hand a message on to the window's own procedure; at WM_NCDESTROY that one is put back
// first, and the property removed.
inline LRESULT CallOwnProc(HWND hwnd, const wchar_t* key, UINT message, WPARAM wparam, LPARAM lparam) {
  const WNDPROC own = reinterpret_cast<WNDPROC>(::GetPropW(hwnd, key));
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
    ::RemovePropW(hwnd, key);
  }
  return ::CallWindowProcW(own, hwnd, message, wparam, lparam);
}

#endif  // ORV_FRONTEND_PLATFORM_WINDOW_SUBCLASS_H_

#include "platform/window_subclass.h"

void PutProcInFront(HWND hwnd, const wchar_t* key, WNDPROC proc) {
  if (::GetPropW(hwnd, key) != nullptr) return;
  ::SetPropW(hwnd, key, reinterpret_cast<HANDLE>(::GetWindowLongPtrW(hwnd, GWLP_WNDPROC)));
  ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
}

LRESULT CallOwnProc(HWND hwnd, const wchar_t* key, UINT message, WPARAM wparam, LPARAM lparam) {
  const WNDPROC own = reinterpret_cast<WNDPROC>(::GetPropW(hwnd, key));
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
    ::RemovePropW(hwnd, key);
  }
  return ::CallWindowProcW(own, hwnd, message, wparam, lparam);
}

#include "dialog_geometry.h"

#include "driver.h"
#include "platform/wide_text.h"

namespace e2e {

RECT PlaceIn(HWND dialog, HWND child) {
  RECT r;
  ::GetWindowRect(child, &r);
  ::MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

bool IsGroupBox(HWND hwnd) {
  return ClassName(hwnd) == "Button" && (::GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

bool Contains(const RECT& outer, const RECT& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

SIZE TextSize(const std::string& text, HWND fontSource) {
  const std::wstring wide = WideFromUtf8(text);
  HDC dc = ::GetDC(fontSource);
  HGDIOBJ previous = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(fontSource, WM_GETFONT, 0, 0)));
  SIZE size = {};
  ::GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
  ::SelectObject(dc, previous);
  ::ReleaseDC(fontSource, dc);
  return size;
}

}  // namespace e2e

#include "window_geometry.h"

#include "platform/wide_text.h"
#include "window_text.h"

bool Contains(const RECT& outer, const RECT& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

std::string Describe(const RECT& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
         std::to_string(r.bottom) + ")";
}

RECT WorkArea() {
  RECT work = {};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return work;
}

bool IsGroupBox(HWND hwnd) {
  return ClassName(hwnd) == "Button" && (::GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
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

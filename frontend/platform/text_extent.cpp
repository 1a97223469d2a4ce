#include "platform/text_extent.h"

std::wstring ControlText(HWND control) {
  const int length = ::GetWindowTextLengthW(control);
  if (length <= 0) return std::wstring();
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(control, &text[0], length + 1)));
  return text;
}

TextExtent MeasureControlText(HWND control, UINT format, LONG width) {
  const std::wstring text = ControlText(control);

  TextExtent extent = {{0, 0}, 0};
  HDC dc = ::GetDC(control);
  if (dc == nullptr) return extent;
  const HFONT font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
  const HGDIOBJ previous = font != nullptr ? ::SelectObject(dc, font) : nullptr;
  format |= DT_CALCRECT;
  if (::GetWindowLongW(control, GWL_STYLE) & SS_NOPREFIX) format |= DT_NOPREFIX;
  RECT need = {0, 0, width, 0};
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &need, format);
  TEXTMETRICW metrics = {};
  ::GetTextMetricsW(dc, &metrics);
  if (previous != nullptr) ::SelectObject(dc, previous);
  ::ReleaseDC(control, dc);

  extent.size = {need.right - need.left, need.bottom - need.top};
  extent.lineHeight = metrics.tmHeight;
  return extent;
}

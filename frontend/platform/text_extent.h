// A control's text, and the room a static control's text takes, measured as the control draws it: in
// its own font, with '&' shown as it is where the control asks for that. For growing labels and message
// boxes to fit their texts.
#ifndef ORV_FRONTEND_PLATFORM_TEXT_EXTENT_H_
#define ORV_FRONTEND_PLATFORM_TEXT_EXTENT_H_

#include <windows.h>

#include <string>

struct TextExtent {
  SIZE size;        // of the whole text as drawn
  LONG lineHeight;  // of one line in the control's font
};

// The control's whole window text; empty for none.
std::wstring ControlText(HWND control);

// Lays the control's text out with DrawText's `format` (DT_CALCRECT is added), breaking lines at
// `width` pixels where the format breaks them. All zero when the control has no device context.
TextExtent MeasureControlText(HWND control, UINT format, LONG width = 0);

#endif  // ORV_FRONTEND_PLATFORM_TEXT_EXTENT_H_

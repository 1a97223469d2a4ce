#include "message_box_view.h"

#include <string.h>

#include "platform/wide_text.h"
#include "window_text.h"

namespace {

BOOL CALLBACK ReadChild(HWND child, LPARAM lparam) {
  MessageBoxView* view = reinterpret_cast<MessageBoxView*>(lparam);
  if (!::IsWindowVisible(child)) return TRUE;
  const std::string kind = ClassName(child);
  const LONG style = ::GetWindowLongA(child, GWL_STYLE);
  if (_stricmp(kind.c_str(), "Button") == 0) view->buttons.push_back(WindowText(child));
  // Wine keeps the icon control of a box without an icon, empty.
  if (_stricmp(kind.c_str(), "Static") == 0 && (style & SS_TYPEMASK) == SS_ICON) {
    DWORD_PTR icon = 0;
    ::SendMessageTimeoutW(child, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &icon);
    if (icon != 0) view->icon = child;
  }
  return TRUE;
}

}  // namespace

MessageBoxView ReadMessageBox(HWND box) {
  MessageBoxView view;
  view.text = WindowText(::GetDlgItem(box, kMessageTextId));
  view.owner = ::GetWindow(box, GW_OWNER);
  ::EnumChildWindows(box, ReadChild, reinterpret_cast<LPARAM>(&view));
  return view;
}

RECT MessageTextNeeds(HWND box) {
  const HWND label = ::GetDlgItem(box, kMessageTextId);
  NONCLIENTMETRICSW metrics = {};
  metrics.cbSize = sizeof(metrics);
  ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  const HFONT font = ::CreateFontIndirectW(&metrics.lfMessageFont);
  RECT client = {};
  ::GetClientRect(label, &client);
  const LONG style = ::GetWindowLongW(label, GWL_STYLE);
  UINT format = DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_LEFT;
  if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
  if (style & SS_EDITCONTROL) format |= DT_EDITCONTROL;
  const std::wstring text = WideFromUtf8(WindowText(label));
  HDC dc = ::GetDC(nullptr);
  HGDIOBJ previous = ::SelectObject(dc, font);
  RECT need = {0, 0, client.right, 0};
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &need, format);
  ::SelectObject(dc, previous);
  ::ReleaseDC(nullptr, dc);
  ::DeleteObject(font);
  return need;
}

#include "message_box.h"

#include <string.h>

#include "driver.h"
#include "screen_capture.h"

namespace e2e {

namespace {

// The box's static text control, as MessageBox makes it on Windows and in Wine.
constexpr int kMessageTextId = 0xFFFF;

BOOL CALLBACK ReadChild(HWND child, LPARAM lparam) {
  MessageBoxView* view = reinterpret_cast<MessageBoxView*>(lparam);
  if (!::IsWindowVisible(child)) return TRUE;
  const std::string kind = ClassName(child);
  const LONG style = ::GetWindowLongA(child, GWL_STYLE);
  if (_stricmp(kind.c_str(), "Button") == 0) view->buttons.push_back(WindowText(child));
  // Wine keeps the icon control of a box without an icon, empty.
  if (_stricmp(kind.c_str(), "Static") == 0 && (style & SS_TYPEMASK) == SS_ICON) {
    DWORD_PTR icon = 0;
    ::SendMessageTimeoutW(child, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, 10000, &icon);
    if (icon != 0) view->icon = child;
  }
  return TRUE;
}

int CountDifferences(const Image& a, const Image& b) {
  if (a.width != b.width || a.height != b.height) return a.width * a.height + 1;
  int differ = 0;
  for (size_t i = 0; i < a.pixels.size(); ++i)
    if (a.pixels[i] != b.pixels[i]) ++differ;
  return differ;
}

}  // namespace

MessageBoxView ReadMessageBox(HWND box) {
  MessageBoxView view;
  view.text = WindowText(::GetDlgItem(box, kMessageTextId));
  view.owner = ::GetWindow(box, GW_OWNER);
  ::EnumChildWindows(box, ReadChild, reinterpret_cast<LPARAM>(&view));
  return view;
}

bool ShowsSystemIcon(HWND iconControl, LPCSTR systemIcon, std::string* why) {
  RECT area;
  if (iconControl == nullptr || !::GetWindowRect(iconControl, &area)) {
    *why = "the box shows no icon";
    return false;
  }
  // The icon is drawn on the dialog face colour, as the box's own static control draws it.
  const std::uint32_t face = ::GetSysColor(COLOR_3DFACE);
  const std::uint32_t background = (face & 0xFF) << 16 | (face & 0xFF00) | (face >> 16 & 0xFF);
  const Image expected =
      RenderIcon(::LoadIconA(nullptr, systemIcon), area.right - area.left, area.bottom - area.top, background);
  int differ = 0;
  const bool same = WaitUntil(
      [&] {
        differ = CountDifferences(CaptureScreen(area), expected);
        return differ == 0;
      },
      5000);
  if (!same) *why = std::to_string(differ) + " of the icon's pixels differ from the system icon's";
  return same;
}

}  // namespace e2e

#include "box_icon.h"

#include "screen_capture.h"
#include "wait_until.h"

namespace e2e {

namespace {

int CountDifferences(const Image& a, const Image& b) {
  if (a.width != b.width || a.height != b.height) return a.width * a.height + 1;
  int differ = 0;
  for (size_t i = 0; i < a.pixels.size(); ++i)
    if (a.pixels[i] != b.pixels[i]) ++differ;
  return differ;
}

}  // namespace

bool ShowsSystemIcon(HWND iconControl, LPCSTR systemIcon, std::string* why) {
  RECT area;
  if (iconControl == nullptr || !::GetWindowRect(iconControl, &area)) {
    *why = "the box shows no icon";
    return false;
  }
  // The icon is drawn on the dialog face colour, as the box's own static control draws it.
  const Image expected = RenderIcon(::LoadIconA(nullptr, systemIcon), area.right - area.left, area.bottom - area.top,
                                    SystemColour(COLOR_3DFACE));
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

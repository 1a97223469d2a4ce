// The dialog with a few handlers and "Combat" shown again, pictured once the program has painted it,
// as the README shows it: the picture is of the dialog itself, its face where no control stands and
// Combat's row in the colour of a selection. When ORV_SCREENSHOT_BMP names a file, the picture is
// saved there as a 24-bit BMP.
#include <cstdlib>

#include "builder_test.h"
#include "screen_capture.h"

namespace e2e {
namespace {

// True once the program has painted every part of the window and its children: painting is what
// empties a window's update region.
bool NothingLeftToPaint(HWND window) {
  if (::GetUpdateRect(window, nullptr, FALSE)) return false;
  for (HWND c = ::GetWindow(window, GW_CHILD); c != nullptr; c = ::GetWindow(c, GW_HWNDNEXT))
    if (::GetUpdateRect(c, nullptr, FALSE)) return false;
  return true;
}

using Screenshot = BuilderTest;

TEST_F(Screenshot, CombatSelectedAmongThreeHandlers) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  Add(kCruising, "cruising_begin.orv", "cruising_loop.orv");
  Add(kCombat, "combat_begin.orv", "combat_loop.orv");
  Add(kFailed, "", "failed_loop.orv");
  app().SelectListItem(kHandledList, 1);
  ExpectNoMessageBox();  // it would stand in the picture

  // Active, as a user sees the window they work in: without a window manager Wine makes the dialog the
  // active window but leaves its caption drawn as an inactive one. Then painted in full by the program,
  // which Wine hands on to the display as soon as the program finds no message waiting.
  ::SendMessageW(app().dialog(), WM_NCACTIVATE, TRUE, 0);
  ::RedrawWindow(app().dialog(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  ASSERT_TRUE(WaitUntil([&] { return NothingLeftToPaint(app().dialog()); })) << "the dialog was not painted";
  ASSERT_TRUE(app().Settle());
  const Image image = CaptureWindow(app().dialog());

  RECT frame;
  ASSERT_TRUE(::GetWindowRect(app().dialog(), &frame));
  ASSERT_EQ(image.width, frame.right - frame.left);
  ASSERT_EQ(image.height, frame.bottom - frame.top);
  // The colour the picture has at a point of the window, in its client coordinates.
  const auto colourAt = [&](HWND window, int x, int y) {
    POINT p = {x, y};
    ::ClientToScreen(window, &p);
    return image.pixels[static_cast<size_t>((p.y - frame.top) * image.width + (p.x - frame.left))];
  };
  EXPECT_EQ(colourAt(app().dialog(), 2, 2), SystemColour(COLOR_3DFACE)) << "not the dialog's face";
  const HWND list = app().Control(kHandledList);
  RECT rows;
  ::GetClientRect(list, &rows);
  const int row = static_cast<int>(::SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  EXPECT_EQ(colourAt(list, rows.right - 3, row + row / 2), SystemColour(COLOR_HIGHLIGHT)) << "Combat is not selected";
  const char* path = std::getenv("ORV_SCREENSHOT_BMP");
  if (path != nullptr && *path != '\0') {
    EXPECT_TRUE(SaveBmp24(image, path)) << "cannot write " << path;
  }
}

}  // namespace
}  // namespace e2e

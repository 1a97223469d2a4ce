// The dialog with a few handlers and "Combat" shown again: the state a screenshot shows. When
// ORV_SCREENSHOT_BMP names a file, the dialog's pixels are saved there as a 24-bit BMP.
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "builder_test.h"
#include "screen_capture.h"

namespace e2e {
namespace {

using Screenshot = BuilderTest;

TEST_F(Screenshot, CombatSelectedAmongThreeHandlers) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  Add(kCruising, "cruising_begin.orv", "cruising_loop.orv");
  Add(kCombat, "combat_begin.orv", "combat_loop.orv");
  Add(kFailed, "", "failed_loop.orv");
  app().SelectListItem(kHandledList, 1);
  ASSERT_EQ(app().ListItems(kHandledList), (std::vector<std::string>{"Cruising", "Combat", "Mission Failed"}));
  EXPECT_EQ(app().ListSelection(kHandledList), 1);
  EXPECT_EQ(app().ListSelection(kEventList), kCombat);
  EXPECT_EQ(app().Text(kBeginEdit), "combat_begin.orv");
  EXPECT_EQ(app().Text(kLoopEdit), "combat_loop.orv");
  ExpectNoMessageBox();

  const char* path = std::getenv("ORV_SCREENSHOT_BMP");
  if (path == nullptr || *path == '\0') return;
  // Active, as a user sees the window they work in: without a window manager Wine makes the dialog the
  // active window but leaves its caption drawn as an inactive one. Then painted in full before the
  // pixels are taken.
  ::SendMessageW(app().dialog(), WM_NCACTIVATE, TRUE, 0);
  ::RedrawWindow(app().dialog(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  app().Settle();
  ::RedrawWindow(app().dialog(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  // The program paints on its own thread, the last controls last; the picture is taken once it holds
  // still.
  Image image = CaptureWindow(app().dialog());
  for (int i = 0; i < 20; ++i) {
    ::Sleep(100);
    Image again = CaptureWindow(app().dialog());
    const bool still = again.pixels == image.pixels;
    image = std::move(again);
    if (still) break;
  }
  RECT frame;
  ASSERT_TRUE(::GetWindowRect(app().dialog(), &frame));
  EXPECT_EQ(image.width, frame.right - frame.left);
  EXPECT_EQ(image.height, frame.bottom - frame.top);
  EXPECT_TRUE(SaveBmp24(image, path)) << "cannot write " << path;
}

}  // namespace
}  // namespace e2e

// Boxes shown through the windowing layer: fitted to the work area whatever their text, the size the
// system gives them kept where it fits.
#include "platform/message_box.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "message_box_view.h"
#include "seen_box.h"
#include "window_geometry.h"

namespace {

// What a box showed before it was closed.
struct Seen {
  RECT frame = {};
  RECT shown = {};  // the text's place, in its own client coordinates
  RECT need = {};   // what the text needs at that width, drawn as its control draws it
};

// Runs show, which opens a box with this caption, and measures the box.
void Measure(const char* caption, const std::function<void()>& show, Seen* seen) {
  const bool up = SeeBox(caption, show, [seen](HWND box) {
    ::GetWindowRect(box, &seen->frame);
    ::GetClientRect(::GetDlgItem(box, kMessageTextId), &seen->shown);
    seen->need = MessageTextNeeds(box);
  });
  ASSERT_TRUE(up) << "no box captioned " << caption;
}

TEST(MessageBoxTest, ALongWordIsBrokenAndTheBoxKeepsToTheWorkArea) {
  const std::string text = "Error opening \"" + std::string(195, 'W') + ".orv\", aborting.";
  Seen seen;
  ASSERT_NO_FATAL_FAILURE(Measure(
      "fit test", [&] { ShowMessageBox(nullptr, text.c_str(), "fit test", MB_OK); }, &seen));
  const RECT work = WorkArea();
  const RECT& f = seen.frame;
  EXPECT_TRUE(Contains(work, f)) << "the box " << Describe(f) << " reaches out of the work area " << Describe(work);
  EXPECT_LE(f.right - f.left, (work.right - work.left) * 3 / 4);
  EXPECT_LE(seen.need.right, seen.shown.right) << "a line is wider than the text's place";
  EXPECT_LE(seen.need.bottom, seen.shown.bottom) << "the text has more lines than its place shows";
}

TEST(MessageBoxTest, ABoxThatFitsKeepsTheSizeTheSystemGivesIt) {
  const char text[] = "Only one handler per event. Remove the current handler if you want to add a new one.";
  Seen system;
  ASSERT_NO_FATAL_FAILURE(Measure(
      "system size", [&] { ::MessageBoxA(nullptr, text, "system size", MB_OK); }, &system));
  Seen fitted;
  ASSERT_NO_FATAL_FAILURE(Measure(
      "fitted size", [&] { ShowMessageBox(nullptr, text, "fitted size", MB_OK); }, &fitted));
  EXPECT_EQ(fitted.frame.right - fitted.frame.left, system.frame.right - system.frame.left);
  EXPECT_EQ(fitted.frame.bottom - fitted.frame.top, system.frame.bottom - system.frame.top);
}

}  // namespace

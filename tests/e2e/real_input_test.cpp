// Real mouse and keys, through the X server and its window manager, while a build computes and
// while the build's error box is up: nothing given meanwhile is carried out afterwards, and the box
// stays in front of the dialog until it is dismissed.
#include <string>
#include <vector>

#include "builder_test.h"
#include "held_output.h"
#include "x_display.h"

namespace e2e {
namespace {

using Strings = std::vector<std::string>;

int CountLines(const std::string& text, const std::string& line) {
  int count = 0;
  for (size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1)) ++count;
  return count;
}

bool AboveInZOrder(HWND upper, HWND lower) {
  for (HWND w = ::GetWindow(upper, GW_HWNDNEXT); w != nullptr; w = ::GetWindow(w, GW_HWNDNEXT))
    if (w == lower) return true;
  return false;
}

bool Inside(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

class RealInput : public RealInputTest {
 protected:
  // Starts the program in a copy of the examples, its output held full.
  void LaunchHeld() {
    dir().CopyExamples();
    ASSERT_TRUE(output_.ok()) << "no pipe for the program's output";
    ASSERT_NO_FATAL_FAILURE(LaunchWithOutput(output_.WriteEnd()));
    output_.CloseWriteEnd();
  }

  // A real click on Build ORV. The build then waits on its first progress line until the test lets
  // go of the output: a build as long as the test's input takes.
  void StartHeldBuild() {
    Click(app().Control(kBuild));
    ASSERT_TRUE(WaitUntil([&] { return !app().DialogEnabled(); })) << "a click on Build ORV started no build";
  }

  HeldOutput& output() { return output_; }

  void Click(HWND hwnd) {
    std::string err;
    EXPECT_TRUE(ClickAt(Centre(hwnd), &err)) << err;
  }

  // A real click on the Loop edit. Input is handled in the order it came, so once it has the focus,
  // whatever was given before has been handled too.
  void ClickLoopEditAfterTheRest() {
    Click(app().Control(kLoopEdit));
    EXPECT_TRUE(WaitUntil([&] { return app().Focus() == app().Control(kLoopEdit) || !app().Running(); }))
        << "a click on the Loop edit did not give it the focus";
  }

  // The box is what the user has in front: the active window, above the dialog both in the
  // program's window order and in the window manager's stacking.
  void ExpectInFront(HWND box, const char* when) {
    EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == box; }, 5000))
        << "the box is not the foreground window " << when;
    EXPECT_TRUE(AboveInZOrder(box, app().dialog())) << "the box is behind the dialog " << when;
    std::string why;
    EXPECT_TRUE(StackedAbove(box, app().dialog(), &why))
        << "the box is shown behind the dialog " << when << ": " << why;
  }

 private:
  HeldOutput output_;
};

TEST_F(RealInput, DuringABuildIsDroppedNotCarriedOutAfterIt) {
  ASSERT_NO_FATAL_FAILURE(LaunchHeld());
  // Combat is picked with Cruising's paths in the edits, so an Add that got through would list it.
  Add(kCruising, "cruising_begin.orv", "cruising_loop.orv");
  app().SelectListItem(kEventList, kCombat);
  app().Settle();

  ASSERT_NO_FATAL_FAILURE(StartHeldBuild());
  Click(app().Control(kBuild));
  Click(app().Control(kAdd));
  Click(app().Control(kBeginEdit));
  std::string err;
  EXPECT_TRUE(TypeText("QQQ", &err)) << err;
  EXPECT_TRUE(PressKeys("Return alt+F4", &err)) << err;
  Click(app().Control(kExit));
  // Alt+F4 is the window manager's: what it makes of it must be on its way before the build ends.
  EXPECT_TRUE(WaitForWindowManager(&err)) << err;
  ASSERT_FALSE(app().DialogEnabled()) << "the build was over before the input was given";

  ASSERT_TRUE(output().Release());
  EXPECT_TRUE(WaitUntil([&] { return app().DialogEnabled() || !app().Running(); }));
  ASSERT_TRUE(app().Running()) << "input given during the build ended the program";
  ClickLoopEditAfterTheRest();
  ASSERT_TRUE(app().Running()) << "input given during the build ended the program";

  EXPECT_EQ(CountLines(output().Text(), "Processing script"), 1) << output().Text();
  EXPECT_EQ(CountLines(output().Text(), "Building interactive ORV"), 1) << output().Text();
  ExpectNoMessageBox();
  EXPECT_EQ(app().ListItems(kHandledList), Strings{"Cruising"});
  EXPECT_EQ(app().ListSelection(kEventList), kCombat);
  EXPECT_EQ(app().Text(kBeginEdit), "cruising_begin.orv");
  EXPECT_EQ(app().Text(kLoopEdit), "cruising_loop.orv");
  EXPECT_FALSE(dir().Read("out.orv").empty()) << "the build wrote no out.orv";
  Exit();
}

TEST_F(RealInput, TheBuildsErrorBoxStaysInFrontAndNothingGivenBeforeOrMeanwhileActsOnIt) {
  ASSERT_NO_FATAL_FAILURE(LaunchHeld());
  Add(kCruising, "missing.orv", "cruising_loop.orv");
  app().Settle();

  // Enter pressed before the box is there must not dismiss it unseen.
  ASSERT_NO_FATAL_FAILURE(StartHeldBuild());
  std::string err;
  EXPECT_TRUE(PressKeys("Return", &err)) << err;
  EXPECT_TRUE(WaitForWindowManager(&err)) << err;
  ASSERT_TRUE(output().Release());
  const HWND box = app().WaitForMessageBox(kErrorCaption);
  ASSERT_NE(box, nullptr) << "no \"" << kErrorCaption << "\" box appeared";
  ExpectInFront(box, "when it opens");

  // A click on the dialog where the box leaves it free: on Build ORV, where the user would press again.
  RECT boxRect;
  ::GetWindowRect(box, &boxRect);
  POINT onDialog = Centre(app().Control(kBuild));
  if (Inside(boxRect, onDialog)) onDialog = Centre(app().Control(kHandledList));
  ASSERT_FALSE(Inside(boxRect, onDialog)) << "the box covers the places the test clicks";
  EXPECT_TRUE(ClickAt(onDialog, &err)) << err;
  // The window manager acts on the click, then the program on what the window manager made of it.
  EXPECT_TRUE(WaitForWindowManager(&err)) << err;
  app().Settle();
  ASSERT_TRUE(::IsWindow(box)) << "a key pressed during the build dismissed the box";
  ExpectInFront(box, "after a click on the dialog");
  EXPECT_EQ(app().MessageBoxes(kErrorCaption), std::vector<HWND>{box});

  // Enter dismisses the box, which has the keyboard.
  EXPECT_TRUE(PressKeys("Return", &err)) << err;
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); })) << "Enter did not dismiss the box";
  EXPECT_TRUE(WaitUntil([&] { return app().DialogEnabled(); })) << "the dialog stays disabled";
  EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == app().dialog(); }, 5000))
      << "the dialog is not the foreground window once the box is gone";
  EXPECT_TRUE(WaitUntil([&] { return app().Focus() == app().Control(kBuild); }, 5000))
      << "the keyboard focus did not come back to Build ORV";

  ClickLoopEditAfterTheRest();
  ExpectNoMessageBox();
  EXPECT_EQ(CountLines(output().Text(), "Processing script"), 1) << output().Text();
  EXPECT_EQ(app().ListItems(kHandledList), Strings{"Cruising"});
  Exit();
}

}  // namespace
}  // namespace e2e

// After any box the program shows is dismissed by a real key, the dialog is the active window for the
// window manager too, not only for Wine, so the next real key reaches it: under openbox, a dialog that
// Wine thinks is in front while the window manager has given the keyboard to no one takes no Tab, no
// typing and no Esc until the user clicks it. Wine only.
#include <filesystem>
#include <string>

#include "builder_test.h"
#include "x_display.h"

namespace e2e {
namespace {

class BoxFocus : public RealInputTest {
 protected:
  // A real click on control id opens a box with this caption, and the real key (a real click on OK for
  // none) dismisses it. Then the window manager must name the dialog active, and a real Tab must move
  // the dialog's focus on.
  void DismissByKeyThenTab(int id, const char* caption, const char* key) {
    // The window manager places and frames a new window a moment after it shows: a click given
    // before then may land beside the control.
    std::string err;
    std::string why;
    ASSERT_TRUE(WaitForWindowManager(&err)) << err;
    ASSERT_TRUE(WaitUntil([&] { return ActiveForWindowManager(app().dialog(), &why); }, 5000))
        << "the dialog never had the keyboard: " << why;
    ASSERT_TRUE(ClickAt(Centre(app().Control(id)), &err)) << err;
    const HWND box = app().WaitForMessageBox(caption);
    ASSERT_NE(box, nullptr) << "a click on control " << id << " opened no \"" << caption << "\" box";
    ASSERT_TRUE(WaitUntil([&] { return ActiveForWindowManager(box, &why); }, 5000))
        << "the box never had the keyboard: " << why;

    if (key != nullptr)
      ASSERT_TRUE(PressKeys(key, &err)) << err;
    else
      ASSERT_TRUE(ClickAt(Centre(::GetDlgItem(box, IDOK)), &err)) << err;
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); })) << (key ? key : "OK") << " did not dismiss the box";
    ASSERT_TRUE(WaitUntil([&] { return app().DialogEnabled(); })) << "the dialog stays disabled";
    EXPECT_TRUE(WaitUntil([&] { return ActiveForWindowManager(app().dialog(), &why); }, 5000))
        << "once the box is gone, " << why;
    ASSERT_TRUE(WaitUntil([&] { return ::IsChild(app().dialog(), app().Focus()) != FALSE; }, 5000))
        << "no control of the dialog has the focus once the box is gone";

    const HWND before = app().Focus();
    const HWND next = ::GetNextDlgTabItem(app().dialog(), before, FALSE);
    ASSERT_NE(next, before);
    ASSERT_TRUE(PressKeys("Tab", &err)) << err;
    EXPECT_TRUE(WaitUntil([&] { return app().Focus() == next; }, 5000))
        << "a real Tab did not move the focus from control " << ::GetDlgCtrlID(before) << " to control "
        << ::GetDlgCtrlID(next);
    // Esc, the next real key, ends the program, as it does in a dialog that has the keyboard, once
    // the handlers are let go.
    ASSERT_TRUE(PressKeys("Escape", &err)) << err;
    EXPECT_TRUE(EndsAnsweringNo(app(), 5000)) << "a real Esc did not reach the dialog";
  }
};

TEST_F(BoxFocus, AfterTheBuildsErrorBox) {
  dir().CopyExamples();
  ASSERT_NO_FATAL_FAILURE(Launch());
  Add(kCruising, "missing.orv", "cruising_loop.orv");
  DismissByKeyThenTab(kBuild, kErrorCaption, "Return");
}

TEST_F(BoxFocus, AfterTheBuildsErrorBoxClosedWithItsButton) {
  dir().CopyExamples();
  ASSERT_NO_FATAL_FAILURE(Launch());
  Add(kCruising, "missing.orv", "cruising_loop.orv");
  DismissByKeyThenTab(kBuild, kErrorCaption, nullptr);
}

TEST_F(BoxFocus, AfterTheBoxThatRefusesASecondHandler) {
  dir().CopyExamples();
  ASSERT_NO_FATAL_FAILURE(Launch());
  Add(kCruising, "cruising_begin.orv", "cruising_loop.orv");
  DismissByKeyThenTab(kAdd, kProgramCaption, "space");
}

TEST_F(BoxFocus, AfterTheBoxThatRefusesAPath) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  app().SetText(kBeginEdit, "with space.orv");
  DismissByKeyThenTab(kAdd, kProgramCaption, "Return");
}

TEST_F(BoxFocus, AfterTheBoxThatSaysTheScriptCannotBeSaved) {
  std::filesystem::create_directory(dir().Path("script.txt"));
  ASSERT_NO_FATAL_FAILURE(Launch());
  Add(kCruising, "cruising_begin.orv", "cruising_loop.orv");
  DismissByKeyThenTab(kBuild, kProgramCaption, "space");
}

}  // namespace
}  // namespace e2e

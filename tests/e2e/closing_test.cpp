// The four ways out of the dialog: with nothing unsaved each ends the program at once; with handlers
// never saved each asks once, and No ends it. The last out.orv stays on disk, and no script behind. An
// ending session is held back and the user asked, as by the close box.
#include <string>

#include "builder_test.h"
#include "child_process.h"
#include "x_display.h"

namespace e2e {
namespace {

enum class Way { kExitButton, kEnterInEdit, kEscape, kCloseBox };

std::ostream& operator<<(std::ostream& out, Way way) {
  switch (way) {
    case Way::kExitButton:
      return out << "ExitButton";
    case Way::kEnterInEdit:
      return out << "EnterInEdit";
    case Way::kEscape:
      return out << "Escape";
    case Way::kCloseBox:
      return out << "CloseBox";
  }
  return out;
}

class Closing : public BuilderTest, public ::testing::WithParamInterface<Way> {
 protected:
  // Tabs through the dialog, as the user would, until the Begin box has the focus.
  bool TabToBeginEdit() {
    const HWND edit = app().Control(kBeginEdit);
    for (int i = 0; i < 16 && app().Focus() != edit; ++i) {
      app().PostKey(app().Focus(), VK_TAB);
      app().Settle();
    }
    return app().Focus() == edit;
  }

  void TakeTheWayOut() {
    switch (GetParam()) {
      case Way::kExitButton:
        app().PostClick(kExit);
        break;
      case Way::kEnterInEdit:
        ASSERT_TRUE(TabToBeginEdit()) << "Tab never reached the Begin box";
        app().PostKey(app().Focus(), VK_RETURN);
        break;
      case Way::kEscape:
        app().PostKey(app().Focus(), VK_ESCAPE);
        break;
      case Way::kCloseBox:
        app().PostSysCommand(SC_CLOSE);
        break;
    }
  }
};

TEST_P(Closing, WithNothingUnsavedEndsTheProgramAtOnce) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  Add(kCruising, "cruising_begin.orv", "cruising_loop.orv");
  app().SelectListItem(kHandledList, 0);
  app().Click(kRemove);
  ASSERT_NO_FATAL_FAILURE(TakeTheWayOut());
  ASSERT_TRUE(app().WaitForExit()) << "the program is still running";
}

TEST_P(Closing, AsksOnceAndOnNoEndsTheProgramKeepingTheLastOutOrv) {
  dir().CopyExamples();
  ASSERT_NO_FATAL_FAILURE(Launch());
  Add(kCruising, "cruising_begin.orv", "cruising_loop.orv");
  Build();
  ExpectNoMessageBox();
  const Bytes built = dir().Read("out.orv");
  ASSERT_FALSE(built.empty()) << "the build wrote no out.orv";

  ASSERT_NO_FATAL_FAILURE(TakeTheWayOut());
  const HWND question = ExpectSaveQuestion("Save the 1 handler before closing?");
  ASSERT_NE(question, nullptr);
  ASSERT_TRUE(app().DismissMessageBox(question, IDNO));
  // Asked twice, the program would wait on the second question.
  ASSERT_TRUE(app().WaitForExit()) << "the program is still running";
  EXPECT_EQ(dir().Read("out.orv"), built);
  EXPECT_FALSE(dir().Exists("script.txt"));
}

INSTANTIATE_TEST_SUITE_P(Dialog, Closing,
                         ::testing::Values(Way::kExitButton, Way::kEnterInEdit, Way::kEscape, Way::kCloseBox),
                         ::testing::PrintToStringParamName());

// Wine ends its session as Windows does: it asks every program's windows whether it may, and tells them
// whether it does. Its exit status: 0 once the session has ended.
DWORD EndWineSession() {
  PROCESS_INFORMATION process = {};
  std::string why;
  EXPECT_TRUE(StartProcess("wineboot.exe --end-session", ".", nullptr, nullptr, &process, &why)) << why;
  if (process.hProcess == nullptr) return 0;
  EXPECT_EQ(::WaitForSingleObject(process.hProcess, kWaitMs), WAIT_OBJECT_0) << "wineboot did not end";
  DWORD status = 0;
  ::GetExitCodeProcess(process.hProcess, &status);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return status;
}

class SessionEnd : public BuilderTest {};

TEST_F(SessionEnd, IsHeldBackWhileAHandlerIsUnsavedAndTheUserAsked) {
  // With nothing to hold it back, the session would end, and every program in it.
  if (!UnderWine()) GTEST_SKIP() << "only Wine's session is the test's to end";
  ASSERT_NO_FATAL_FAILURE(Launch());
  Add(kCombat, "combat_begin.orv", "combat_loop.orv");
  for (const int answer : {IDCANCEL, IDNO}) {
    SCOPED_TRACE(answer == IDNO ? "No" : "Cancel");
    EXPECT_NE(EndWineSession(), 0u) << "the session ended with a handler unsaved";
    const HWND question = ExpectSaveQuestion("Save the 1 handler before closing?");
    ASSERT_NE(question, nullptr);
    ASSERT_TRUE(app().DismissMessageBox(question, answer));
    if (answer == IDNO) break;
    app().Settle();
    EXPECT_EQ(app().ListItems(kHandledList).size(), 1u) << "Cancel lost the handler";
  }
  EXPECT_TRUE(app().WaitForExit()) << "No did not end the program";
  EXPECT_FALSE(dir().Exists("script.txt"));
}

}  // namespace
}  // namespace e2e

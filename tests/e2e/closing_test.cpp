// The four ways out of the dialog: with a handler never saved each asks once, and No ends the program,
// leaving the last out.orv on disk and no script behind.
#include <string>

#include "builder_test.h"

namespace e2e {
namespace {

enum class Way { kExitButton, kEnterInEdit, kEscape, kCloseButton };

std::ostream& operator<<(std::ostream& out, Way way) {
  switch (way) {
    case Way::kExitButton:
      return out << "ExitButton";
    case Way::kEnterInEdit:
      return out << "EnterInEdit";
    case Way::kEscape:
      return out << "Escape";
    case Way::kCloseButton:
      return out << "CloseButton";
  }
  return out;
}

class Closing : public BuilderTest, public ::testing::WithParamInterface<Way> {
 protected:
  // Tabs through the dialog, as the user would, until the Begin edit has the focus.
  bool TabToBeginEdit() {
    const HWND edit = app().Control(kBeginEdit);
    for (int i = 0; i < 16 && app().Focus() != edit; ++i) {
      app().PostKey(app().Focus(), VK_TAB);
      app().Settle();
    }
    return app().Focus() == edit;
  }
};

TEST_P(Closing, AsksOnceAndOnNoEndsTheProgramKeepingTheLastOutOrv) {
  dir().CopyExamples();
  ASSERT_NO_FATAL_FAILURE(Launch());
  Add(kCruising, "cruising_begin.orv", "cruising_loop.orv");
  Build();
  ExpectNoMessageBox();
  const Bytes built = dir().Read("out.orv");
  ASSERT_FALSE(built.empty()) << "the build wrote no out.orv";

  switch (GetParam()) {
    case Way::kExitButton:
      app().PostClick(kExit);
      break;
    case Way::kEnterInEdit:
      ASSERT_TRUE(TabToBeginEdit()) << "Tab never reached the Begin edit";
      app().PostKey(app().Focus(), VK_RETURN);
      break;
    case Way::kEscape:
      app().PostKey(app().Focus(), VK_ESCAPE);
      break;
    case Way::kCloseButton:
      app().PostSysCommand(SC_CLOSE);
      break;
  }
  const HWND question = ExpectSaveQuestion("Save the 1 handler before closing?");
  ASSERT_NE(question, nullptr);
  ASSERT_TRUE(app().DismissMessageBox(question, IDNO));
  // Asked twice, the program would wait on the second question.
  ASSERT_TRUE(app().WaitForExit()) << "the program is still running";
  EXPECT_EQ(dir().Read("out.orv"), built);
  EXPECT_FALSE(dir().Exists("script.txt"));
}

INSTANTIATE_TEST_SUITE_P(Dialog, Closing,
                         ::testing::Values(Way::kExitButton, Way::kEnterInEdit, Way::kEscape, Way::kCloseButton),
                         ::testing::PrintToStringParamName());

}  // namespace
}  // namespace e2e

// The four ways out of the dialog: with a handler never saved each asks once, and No ends the program,
// leaving the last out.orv on disk and no script behind.
#include <string>

#include "builder_test.h"

namespace e2e {
namespace {

class Closing : public BuilderTest, public ::testing::WithParamInterface<const char*> {
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

  const std::string way = GetParam();
  if (way == "ExitButton") {
    app().PostClick(kExit);
  } else if (way == "EnterInEdit") {
    ASSERT_TRUE(TabToBeginEdit()) << "Tab never reached the Begin edit";
    app().PostKey(app().Focus(), VK_RETURN);
  } else if (way == "Escape") {
    app().PostKey(app().Focus(), VK_ESCAPE);
  } else {
    app().PostSysCommand(SC_CLOSE);  // the close button
  }
  const HWND question = ExpectSaveQuestion("Save the 1 handler before closing?");
  ASSERT_NE(question, nullptr);
  ASSERT_TRUE(app().DismissMessageBox(question, IDNO));
  // Asked twice, the program would wait on the second question.
  ASSERT_TRUE(app().WaitForExit()) << "the program is still running";
  EXPECT_EQ(dir().Read("out.orv"), built);
  EXPECT_FALSE(dir().Exists("script.txt"));
}

INSTANTIATE_TEST_SUITE_P(Dialog, Closing, ::testing::Values("ExitButton", "EnterInEdit", "Escape", "CloseButton"),
                         [](const ::testing::TestParamInfo<const char*>& test) { return std::string(test.param); });

}  // namespace
}  // namespace e2e

// The dialog as the user first sees it.
#include <string>
#include <vector>

#include "builder_test.h"

namespace e2e {
namespace {

using StartState = BuilderTest;

TEST_F(StartState, SixEventsCruisingSelectedNothingHandledFocusOnExit) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  EXPECT_EQ(app().ListItems(kEventList),
            (std::vector<std::string>{"Cruising", "Combat", "Combat / Dmg", "caps alive, fght dead",
                                      "Mission Accomplished", "Mission Failed"}));
  EXPECT_EQ(app().ListSelection(kEventList), kCruising);
  EXPECT_TRUE(app().ListItems(kHandledList).empty());
  EXPECT_EQ(app().ListSelection(kHandledList), -1);
  EXPECT_EQ(app().Text(kBeginEdit), "");
  EXPECT_EQ(app().Text(kLoopEdit), "");
  EXPECT_TRUE(WaitUntil([&] { return app().Focus() == app().Control(kExit); }, 2000))
      << "the keyboard focus is not on Exit";
  EXPECT_TRUE(app().DialogEnabled());
  ExpectNoMessageBox();
}

}  // namespace
}  // namespace e2e

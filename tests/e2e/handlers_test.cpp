// Defining handlers: Add, its refusals and their messages, showing a handler again, and Remove.
#include <string>
#include <vector>

#include "builder_test.h"

namespace e2e {
namespace {

using Strings = std::vector<std::string>;

using Handlers = BuilderTest;

TEST_F(Handlers, AddListsTheEventAndASecondHandlerForItIsRefused) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  Add(kCombat, "combat_begin.orv", "combat_loop.orv");
  ExpectNoMessageBox();
  EXPECT_EQ(app().ListItems(kHandledList), Strings{"Combat"});
  EXPECT_EQ(app().Text(kBeginEdit), "combat_begin.orv") << "Add must leave the edits as they were";
  EXPECT_EQ(app().Text(kLoopEdit), "combat_loop.orv");

  // An empty Begin or Loop path is taken: the build reads it as "no source".
  Add(kCruising, "", "");
  ExpectNoMessageBox();
  EXPECT_EQ(app().ListItems(kHandledList), (Strings{"Combat", "Cruising"}));

  Add(kCombat, "other_begin.orv", "other_loop.orv");
  ExpectProgramBox(
      "Only one handler per event. Remove the current handler if you want to add a new one of the same type.");
  EXPECT_EQ(app().ListItems(kHandledList), (Strings{"Combat", "Cruising"}));
  // The event's own refusal comes before any complaint about the paths.
  Add(kCombat, "other begin.orv", std::string(300, 'l'));
  ExpectProgramBox(
      "Only one handler per event. Remove the current handler if you want to add a new one of the same type.");
  // The handler kept is the first one.
  app().SelectListItem(kHandledList, 0);
  EXPECT_EQ(app().Text(kBeginEdit), "combat_begin.orv");
  EXPECT_EQ(app().Text(kLoopEdit), "combat_loop.orv");

  // With no event picked, Add does nothing.
  Add(-1, "some_begin.orv", "some_loop.orv");
  ExpectNoMessageBox();
  EXPECT_EQ(app().ListItems(kHandledList), (Strings{"Combat", "Cruising"}));
}

TEST_F(Handlers, AddRefusesPathsThatAScriptCannotCarry) {
  const std::string spaced =
      "The Begin ORV path contains a space or other white space, which a build cannot take. "
      "Please rename or move the file.";
  const std::string loopSpaced =
      "The Loop ORV path contains a space or other white space, which a build cannot "
      "take. Please rename or move the file.";
  const std::string tooLong =
      "The Begin ORV path is longer than 199 bytes, more than a build can take (an accented "
      "or non-Latin character takes two to four). Please use a shorter path.";
  const std::string loopTooLong =
      "The Loop ORV path is longer than 199 bytes, more than a build can take (an "
      "accented or non-Latin character takes two to four). Please use a shorter path.";
  ASSERT_NO_FATAL_FAILURE(Launch());

  Add(kCruising, "my begin.orv", "loop.orv");
  ExpectProgramBox(spaced);
  Add(kCruising, "begin.orv", "loop\t.orv");
  ExpectProgramBox(loopSpaced);
  Add(kCruising, std::string(196, 'b') + ".orv", "loop.orv");  // 200 characters
  ExpectProgramBox(tooLong);
  Add(kCruising, "begin.orv", std::string(596, 'l') + ".orv");  // more than the dialog reads at all
  ExpectProgramBox(loopTooLong);
  EXPECT_TRUE(app().ListItems(kHandledList).empty()) << "a refused handler was added";

  // 199 bytes still fit.
  const std::string longest = std::string(195, 'b') + ".orv";
  Add(kCruising, longest, "loop.orv");
  ExpectNoMessageBox();
  EXPECT_EQ(app().ListItems(kHandledList), Strings{"Cruising"});
  app().SetText(kBeginEdit, "");
  app().SelectListItem(kHandledList, 0);
  EXPECT_EQ(app().Text(kBeginEdit), longest);
}

TEST_F(Handlers, SelectingAHandledEventShowsItsPathsAndSelectsItsEvent) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  Add(kCombatDmg, "dmg_begin.orv", "dmg_loop.orv");
  Add(kCombat, "combat_begin.orv", "combat_loop.orv");
  Add(kFailed, "", "failed_loop.orv");
  ASSERT_EQ(app().ListItems(kHandledList), (Strings{"Combat / Dmg", "Combat", "Mission Failed"}));
  app().SelectListItem(kEventList, kCruising);
  app().SetText(kBeginEdit, "typed.orv");
  app().SetText(kLoopEdit, "typed.orv");

  app().SelectListItem(kHandledList, 1);
  EXPECT_EQ(app().ListSelection(kEventList), kCombat) << "\"Combat\" must not select \"Combat / Dmg\"";
  EXPECT_EQ(app().Text(kBeginEdit), "combat_begin.orv");
  EXPECT_EQ(app().Text(kLoopEdit), "combat_loop.orv");

  app().SelectListItem(kHandledList, 0);
  EXPECT_EQ(app().ListSelection(kEventList), kCombatDmg);
  EXPECT_EQ(app().Text(kBeginEdit), "dmg_begin.orv");
  EXPECT_EQ(app().Text(kLoopEdit), "dmg_loop.orv");

  app().SelectListItem(kHandledList, 2);
  EXPECT_EQ(app().ListSelection(kEventList), kFailed);
  EXPECT_EQ(app().Text(kBeginEdit), "");
  EXPECT_EQ(app().Text(kLoopEdit), "failed_loop.orv");

  // Straight back from "Combat / Dmg" to "Combat".
  app().SelectListItem(kHandledList, 0);
  app().SelectListItem(kHandledList, 1);
  EXPECT_EQ(app().ListSelection(kEventList), kCombat);
  ExpectNoMessageBox();
}

TEST_F(Handlers, RemoveTakesTheSelectedHandlerAndNothingWithoutASelection) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  Add(kCruising, "cruising_begin.orv", "cruising_loop.orv");
  Add(kCombat, "combat_begin.orv", "combat_loop.orv");
  Add(kFailed, "failed_begin.orv", "failed_loop.orv");

  app().SelectListItem(kHandledList, 1);
  app().SetText(kBeginEdit, "typed_begin.orv");
  app().Click(kRemove);
  EXPECT_EQ(app().ListItems(kHandledList), (Strings{"Cruising", "Mission Failed"}));
  EXPECT_EQ(app().Text(kBeginEdit), "typed_begin.orv") << "Remove must leave the edits alone";
  EXPECT_EQ(app().Text(kLoopEdit), "combat_loop.orv");
  EXPECT_EQ(app().ListSelection(kEventList), kCombat) << "Remove must leave the event list alone";

  // The handlers behind the list moved up with it.
  app().SelectListItem(kHandledList, 1);
  EXPECT_EQ(app().Text(kBeginEdit), "failed_begin.orv");
  EXPECT_EQ(app().Text(kLoopEdit), "failed_loop.orv");

  app().SelectListItem(kHandledList, -1);
  app().Click(kRemove);
  EXPECT_EQ(app().ListItems(kHandledList), (Strings{"Cruising", "Mission Failed"}));

  // The event is free again.
  Add(kCombat, "combat_begin.orv", "combat_loop.orv");
  EXPECT_EQ(app().ListItems(kHandledList), (Strings{"Cruising", "Mission Failed", "Combat"}));
  ExpectNoMessageBox();
}

}  // namespace
}  // namespace e2e

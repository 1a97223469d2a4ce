// What closing would lose: the list measured against the set as last opened or saved, as a whole and in
// any order, and the question, caption and session texts that say so.
#include "saved_set.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Handlers = std::vector<ScriptHandler>;

const Handlers kCombatSet = {{0, "cruising_begin.orv", "cruising_loop.orv"},
                             {1, "combat_begin.orv", "combat_loop.orv"},
                             {5, "", "failed_loop.orv"}};

TEST(SavedSetTest, OnlyAListThatDiffersAsAWholeIsUnsaved) {
  SavedSet saved;
  EXPECT_FALSE(saved.IsUnsaved({})) << "nothing defined, nothing to lose";
  EXPECT_TRUE(saved.IsUnsaved({{4, "", ""}})) << "handlers never saved, even with empty boxes";

  saved.Take("C:\\work\\combat.txt", kCombatSet);
  EXPECT_EQ(saved.file(), "C:\\work\\combat.txt");
  EXPECT_FALSE(saved.IsUnsaved(kCombatSet));
  // Removed and added back, a handler comes last in the list: no change.
  EXPECT_FALSE(saved.IsUnsaved({kCombatSet[0], kCombatSet[2], kCombatSet[1]}));

  struct Case {
    const char* what;
    Handlers list;
  } changed[] = {
      {"one removed", {kCombatSet[0], kCombatSet[1]}},
      {"one added", {kCombatSet[0], kCombatSet[1], kCombatSet[2], {3, "a.orv", "b.orv"}}},
      {"all removed", {}},
      {"a Begin path changed", {kCombatSet[0], {1, "combat_begin2.orv", "combat_loop.orv"}, kCombatSet[2]}},
      {"a Loop path changed in case only", {kCombatSet[0], {1, "combat_begin.orv", "Combat_loop.orv"}, kCombatSet[2]}},
      {"an empty Begin given a path", {kCombatSet[0], kCombatSet[1], {5, "failed_loop.orv", "failed_loop.orv"}}},
      {"paths kept, event changed", {kCombatSet[0], {2, "combat_begin.orv", "combat_loop.orv"}, kCombatSet[2]}},
  };
  for (const Case& c : changed) EXPECT_TRUE(saved.IsUnsaved(c.list)) << c.what;

  // Saved again, an emptied list is the set.
  saved.Take("C:\\work\\empty.txt", {});
  EXPECT_FALSE(saved.IsUnsaved({}));
  EXPECT_TRUE(saved.IsUnsaved({kCombatSet[1]}));
}

TEST(SavedSetTest, TheTextsNameTheCountTheSetAndWhatComesNext) {
  EXPECT_EQ(SaveQuestion(5, "combat.txt", ""), "Save the 5 handlers to combat.txt before closing?");
  EXPECT_EQ(SaveQuestion(5, "", ""), "Save the 5 handlers before closing?");
  EXPECT_EQ(SaveQuestion(3, "combat.txt", "music.txt"), "Save the 3 handlers to combat.txt before opening music.txt?");
  EXPECT_EQ(SaveQuestion(1, "", "music.txt"), "Save the 1 handler before opening music.txt?");
  EXPECT_EQ(SaveQuestion(0, "combat.txt", ""), "Save the empty list to combat.txt before closing?");

  const std::string program = "ORV Builder v1.0";
  EXPECT_EQ(SetCaption(program, "", false), "ORV Builder v1.0");
  EXPECT_EQ(SetCaption(program, "", true), "*ORV Builder v1.0");
  EXPECT_EQ(SetCaption(program, "combat.txt", false), "combat.txt - ORV Builder v1.0");
  EXPECT_EQ(SetCaption(program, "combat.txt", true), "*combat.txt - ORV Builder v1.0");

  EXPECT_EQ(NotSavedReason(5), "5 handlers are not saved");
  EXPECT_EQ(NotSavedReason(1), "1 handler is not saved");
  EXPECT_EQ(NotSavedReason(0), "The emptied list is not saved");
}

}  // namespace

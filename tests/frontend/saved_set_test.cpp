// The list measured against the set as last opened or saved, as a whole and in any order, and the texts
// that say what is at stake.
#include "saved_set.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const std::vector<ScriptHandler> kSet = {{0, "a.orv", "b.orv"}, {1, "c.orv", "d.orv"}, {5, "", "e.orv"}};

TEST(SavedSetTest, OnlyAListThatDiffersAsAWholeIsUnsaved) {
  SavedSet saved;
  EXPECT_FALSE(saved.IsUnsaved({})) << "nothing defined, nothing to lose";
  EXPECT_TRUE(saved.IsUnsaved({{4, "", ""}})) << "never saved, even with empty paths";
  saved.Take("C:\\work\\combat.txt", kSet);
  EXPECT_FALSE(saved.IsUnsaved({kSet[0], kSet[2], kSet[1]})) << "removed and added back";
  EXPECT_TRUE(saved.IsUnsaved({kSet[0], kSet[1]}));
  EXPECT_TRUE(saved.IsUnsaved({}));
  EXPECT_TRUE(saved.IsUnsaved({kSet[0], kSet[1], {5, "", "E.orv"}})) << "a path changed in case only";
  EXPECT_TRUE(saved.IsUnsaved({kSet[0], kSet[1], {4, "", "e.orv"}})) << "the paths kept, the event changed";
  saved.Take("C:\\work\\empty.txt", {});
  EXPECT_FALSE(saved.IsUnsaved({})) << "an emptied list, saved";
}

TEST(SavedSetTest, TheTextsFitTheCount) {
  EXPECT_EQ(SaveQuestion(1, "", "music.txt"), "Save the 1 handler before opening music.txt?");
  EXPECT_EQ(SaveQuestion(0, "combat.txt", ""), "Save the empty list to combat.txt before closing?");
  EXPECT_EQ(NotSavedReason(5), "5 handlers are not saved");
  EXPECT_EQ(NotSavedReason(1), "1 handler is not saved");
}

}  // namespace

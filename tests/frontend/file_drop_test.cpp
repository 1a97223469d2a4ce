// One drop fills the box it lands on, the focused box or Begin; a pair fills Begin then Loop; a folder
// or more than two files is refused whole.
#include <gtest/gtest.h>

#include <vector>

#include "file_drop.h"

namespace {

using Boxes = std::vector<SourceBox>;
constexpr SourceBox kNone = SourceBox::kNone;
constexpr SourceBox kBegin = SourceBox::kBegin;
constexpr SourceBox kLoop = SourceBox::kLoop;

TEST(FileDropTest, OneFileGoesWhereItLandsElseToTheFocusedBoxElseToBegin) {
  EXPECT_EQ(PlanDrop(1, false, kLoop, kBegin).boxes, Boxes{kLoop});
  EXPECT_EQ(PlanDrop(1, false, kBegin, kLoop).boxes, Boxes{kBegin});
  EXPECT_EQ(PlanDrop(1, false, kNone, kLoop).boxes, Boxes{kLoop});
  EXPECT_EQ(PlanDrop(1, false, kNone, kNone).boxes, Boxes{kBegin});
  EXPECT_EQ(PlanDrop(1, false, kNone, kNone).refusal, "");
}

TEST(FileDropTest, TwoFilesAreBeginThenLoopWhereverTheyLand) {
  for (SourceBox on : {kNone, kBegin, kLoop}) EXPECT_EQ(PlanDrop(2, false, on, kLoop).boxes, (Boxes{kBegin, kLoop}));
}

TEST(FileDropTest, AFolderOrMoreThanTwoFilesChangesNothing) {
  for (const DropPlan& plan : {PlanDrop(1, true, kBegin, kNone), PlanDrop(2, true, kNone, kNone),
                               PlanDrop(3, false, kLoop, kNone), PlanDrop(12, false, kNone, kNone)}) {
    EXPECT_TRUE(plan.boxes.empty());
    EXPECT_NE(plan.refusal, "");
  }
  EXPECT_NE(PlanDrop(1, true, kNone, kNone).refusal, PlanDrop(3, false, kNone, kNone).refusal);
  EXPECT_TRUE(PlanDrop(0, false, kBegin, kNone).boxes.empty());
}

TEST(FileDropTest, OneTextFileOpensAsASetAnythingElseGoesToTheBoxes) {
  EXPECT_TRUE(IsHandlerSetDrop({"C:\\sets\\music.txt"}, false));
  EXPECT_TRUE(IsHandlerSetDrop({"C:\\sets\\MUSIC.TXT"}, false));
  EXPECT_FALSE(IsHandlerSetDrop({"C:\\music\\a.orv"}, false));
  EXPECT_FALSE(IsHandlerSetDrop({"C:\\music\\a.txt.orv"}, false));
  EXPECT_FALSE(IsHandlerSetDrop({"C:\\sets\\a.txt", "C:\\sets\\b.txt"}, false));
  EXPECT_FALSE(IsHandlerSetDrop({"txt"}, false));
  EXPECT_FALSE(IsHandlerSetDrop({}, false));
  // A folder named like a script is refused as a source, not opened.
  EXPECT_FALSE(IsHandlerSetDrop({"C:\\sets\\old.txt"}, true));
}

}  // namespace

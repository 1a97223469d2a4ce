// One drop fills the edit it lands on, the focused edit or Begin; a pair fills Begin then Loop; a folder
// or more than two files is refused whole.
#include <gtest/gtest.h>

#include <vector>

#include "file_drop.h"

namespace {

using Edits = std::vector<SourceEdit>;
constexpr SourceEdit kNone = SourceEdit::kNone;
constexpr SourceEdit kBegin = SourceEdit::kBegin;
constexpr SourceEdit kLoop = SourceEdit::kLoop;

TEST(FileDropTest, OneFileGoesWhereItLandsElseToTheFocusedEditElseToBegin) {
  EXPECT_EQ(PlanDrop(1, false, kLoop, kBegin).edits, Edits{kLoop});
  EXPECT_EQ(PlanDrop(1, false, kBegin, kLoop).edits, Edits{kBegin});
  EXPECT_EQ(PlanDrop(1, false, kNone, kLoop).edits, Edits{kLoop});
  EXPECT_EQ(PlanDrop(1, false, kNone, kNone).edits, Edits{kBegin});
  EXPECT_EQ(PlanDrop(1, false, kNone, kNone).refusal, "");
}

TEST(FileDropTest, TwoFilesAreBeginThenLoopWhereverTheyLand) {
  for (SourceEdit on : {kNone, kBegin, kLoop}) EXPECT_EQ(PlanDrop(2, false, on, kLoop).edits, (Edits{kBegin, kLoop}));
}

TEST(FileDropTest, AFolderOrMoreThanTwoFilesChangesNothing) {
  for (const DropPlan& plan : {PlanDrop(1, true, kBegin, kNone), PlanDrop(2, true, kNone, kNone),
                               PlanDrop(3, false, kLoop, kNone), PlanDrop(12, false, kNone, kNone)}) {
    EXPECT_TRUE(plan.edits.empty());
    EXPECT_NE(plan.refusal, "");
  }
  EXPECT_NE(PlanDrop(1, true, kNone, kNone).refusal, PlanDrop(3, false, kNone, kNone).refusal);
  EXPECT_TRUE(PlanDrop(0, false, kBegin, kNone).edits.empty());
}

TEST(FileDropTest, OneTextFileOpensAsASetAnythingElseGoesToTheEdits) {
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

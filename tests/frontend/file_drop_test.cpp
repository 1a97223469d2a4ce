// A drop of one text file opens it as a set of handlers; any other goes to the source edits, whose
// rules the dialog's own drops check (source_edits_test.cpp).
#include <gtest/gtest.h>

#include <vector>

#include "file_drop.h"

namespace {

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

// Counts as the dialog writes them, a comma between each group of three digits, the sign kept apart;
// and the word that fits a count, which the dialog and orvtool choose alike.
#include "count_text.h"

#include <gtest/gtest.h>

namespace {

TEST(CountTextTest, CountsGetACommaEveryThreeDigits) {
  EXPECT_EQ(WithThousands(0), "0");
  EXPECT_EQ(WithThousands(56), "56");
  EXPECT_EQ(WithThousands(999), "999");
  EXPECT_EQ(WithThousands(1000), "1,000");
  EXPECT_EQ(WithThousands(109764), "109,764");
  EXPECT_EQ(WithThousands(1234567), "1,234,567");
  EXPECT_EQ(WithThousands(2147483647), "2,147,483,647");
  EXPECT_EQ(WithThousands(-1000), "-1,000");
}

TEST(CountTextTest, OnlyOneTakesTheSingularWithEitherDigits) {
  EXPECT_EQ(Counted(1, "byte", "bytes"), "1 byte");
  EXPECT_EQ(Plural(1, "byte", "bytes"), "1 byte");
  EXPECT_EQ(Counted(0, "handler", "handlers"), "0 handlers");
  EXPECT_EQ(Plural(-1, "row", "rows"), "-1 rows");
  EXPECT_EQ(Counted(109764, "byte", "bytes"), "109,764 bytes");
  EXPECT_EQ(Plural(109764, "byte", "bytes"), "109764 bytes");
}

}  // namespace

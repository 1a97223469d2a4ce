// Counts as the dialog writes them: a comma between each group of three digits, the sign kept apart.
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

}  // namespace

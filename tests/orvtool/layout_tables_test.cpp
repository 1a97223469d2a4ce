// A state's pairs read again from the file, in any order, across more states than there are marks:
// what the layout check held of them.
#include "read/layout_tables.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "hostile_orv.h"
#include "read/byte_source.h"
#include "read/layout.h"

namespace {

TEST(LayoutTables, ReadsEveryStatesPairsAgainInAnyOrderAsHeld) {
  const std::int32_t states = 70000;
  const Bytes bytes = TableOf(std::vector<std::int32_t>(50, 3), states);
  MemorySource heldSource(bytes), fileSource(bytes);
  OrvLayout held, counted;
  std::string err;
  ASSERT_TRUE(InspectOrv(&heldSource, &held, &err)) << err;
  ASSERT_TRUE(InspectOrvHoldingNothing(&fileSource, &counted, &err)) << err;
  FileTables tables(&fileSource, counted);

  // In order, backwards, and in jumps far across the table.
  auto check = [&](std::size_t s) {
    const std::vector<OrvPair>& pairs = held.states[s].pairs;
    std::int32_t count = -1;
    ASSERT_TRUE(tables.PairCount(s, &count)) << s;
    ASSERT_EQ(static_cast<std::int32_t>(pairs.size()), count) << s;
    for (std::size_t k = 0; k < pairs.size(); ++k) {
      OrvPair pair;
      ASSERT_TRUE(tables.Pair(s, k, &pair)) << s;
      EXPECT_EQ(pairs[k].eventId, pair.eventId) << s;
      EXPECT_EQ(pairs[k].chunkIndex, pair.chunkIndex) << s;
    }
    OrvPair pastTheLast;
    EXPECT_FALSE(tables.Pair(s, pairs.size(), &pastTheLast)) << s;
  };
  const std::size_t n = static_cast<std::size_t>(states);
  for (std::size_t s = 0; s < n; ++s) check(s);
  for (std::size_t s = n; s-- > 0;) check(s);
  for (std::size_t i = 0; i < n; ++i) check(i * 34999 % n);

  std::int32_t count = 0;
  EXPECT_FALSE(tables.PairCount(n, &count));
}

}  // namespace

// Tables read again from a file changed since its check: every value held to the rules the check
// found, the change kept to be said.
#include "read/sound_tables.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "hostile_orv.h"
#include "read/byte_source.h"
#include "read/layout.h"
#include "read/layout_tables.h"

namespace {

TEST(SoundTables, HoldsAChangedFileToTheRulesItWasCheckedBy) {
  const std::int32_t states = 9;
  const Bytes checked = TableOf({1, 2, 3, 4, 5, 6}, states);  // rows 1 to 6, the trailing row 7
  MemorySource first(checked);
  OrvLayout layout;
  std::string err;
  ASSERT_TRUE(InspectOrvHoldingNothing(&first, &layout, &err)) << err;
  std::vector<int> pairCounts;
  std::size_t chunkTable = 0;
  ASSERT_TRUE(WalkStates(checked, &pairCounts, &chunkTable));
  auto stateOfRow = [&](std::size_t r) { return chunkTable + 4 + 12 * r + 4; };

  {  // Unchanged, every value comes back as it is.
    MemorySource again(checked);
    FileTables tables(&again, layout);
    SoundTables sound(&tables);
    EXPECT_EQ(5, sound.Row(5).stateIndex);
    EXPECT_EQ(2, sound.PairCount(6));
    EXPECT_EQ(2, sound.Pair(6, 1).chunkIndex);
    EXPECT_TRUE(sound.intact());
  }

  // A row naming a state past the last, a middle row naming none, the trailing row not the mark, a
  // pair sent past the trailing row, a record grown past the file's end: each read as zeros, and the
  // change kept.
  struct Change {
    std::size_t offset;
    std::int32_t value;
  };
  for (const Change& change : std::vector<Change>{{stateOfRow(3), states},
                                                  {stateOfRow(3), -1},
                                                  {stateOfRow(7), 1},
                                                  {36 + 8 + 8 + 4, 8},  // state 2's second pair
                                                  {20 + 4, 70}}) {      // state 1's pair count
    Bytes changed = checked;
    SetWord(&changed, change.offset, change.value);
    MemorySource again(changed);
    FileTables tables(&again, layout);
    SoundTables sound(&tables);
    EXPECT_EQ(2, sound.Row(2).stateIndex);
    EXPECT_TRUE(sound.intact());
    const ChunkRow row3 = sound.Row(3), row7 = sound.Row(7);
    const OrvPair pair = sound.Pair(2, 1);
    const std::int32_t count = sound.PairCount(1);
    EXPECT_FALSE(sound.intact()) << change.offset;
    EXPECT_TRUE(row3.stateIndex == 3 || (row3.stateIndex == 0 && row3.dataOffset == 0)) << change.offset;
    EXPECT_EQ(0, row7.stateIndex);
    EXPECT_TRUE(pair.chunkIndex == 4 || (pair.chunkIndex == 0 && pair.eventId == 0)) << change.offset;
    EXPECT_TRUE(count == 1 || count == 0) << change.offset;
  }
}

}  // namespace

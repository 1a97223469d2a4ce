// The entries told from the rows, asked for in any order, on a table of more rows than the index has
// marks: what a walk in order finds.
#include "play/entry_index.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "hostile_orv.h"
#include "read/byte_source.h"
#include "read/layout.h"
#include "read/layout_tables.h"
#include "read/sound_tables.h"

namespace {

struct Table {
  explicit Table(const Bytes& bytes) : source(bytes) {
    std::string err;
    EXPECT_TRUE(InspectOrvHoldingNothing(&source, &layout, &err)) << err;
  }
  MemorySource source;
  OrvLayout layout;
  FileTables tables{&source, layout};
  SoundTables sound{&tables};
};

bool SameRun(const RowRun& a, const RowRun& b) {
  return a.first == b.first && a.last == b.last && a.entry == b.entry && a.highestBefore == b.highestBefore &&
         a.entriesBefore == b.entriesBefore;
}

TEST(EntryIndex, TellsEveryRowsRunInAnyOrderAsInOrder) {
  // Entry 0; entry 1 over 40,001 rows, past many marks; three rows of a state whose entry's last never
  // comes, then a row of state 0; entry 0 again, behind entry 1 so of no entry; entry 3's last state
  // alone; then entries 4 on, two rows each.
  std::vector<std::int32_t> states = {1, 2};
  states.insert(states.end(), 40000, 3);
  states.insert(states.end(), {4, 5, 5, 5, 0, 1, 2, 8});
  const std::int32_t entries = 30000;
  for (std::int32_t e = 4; e < entries; ++e) states.insert(states.end(), {2 * e + 1, 2 * e + 2});
  Table table(TableOf(states, 2 * entries + 1));
  const int rows = static_cast<int>(states.size());

  EntryIndex inOrder(&table.sound);
  EXPECT_EQ(entries - 1, inOrder.entryCount());
  std::vector<RowRun> runs;
  for (int row = 1; row <= rows; ++row) runs.push_back(inOrder.RunOf(row));

  struct Expected {
    int row, first, last;
    std::int32_t entry;
    bool isEntry;
    int entriesBefore;
  };
  for (const Expected& x : std::vector<Expected>{{1, 1, 2, 0, true, 0},
                                                 {20000, 3, 40003, 1, true, 1},
                                                 {40003, 3, 40003, 1, true, 1},
                                                 {40005, 40004, 40006, -1, false, 2},
                                                 {40007, 40007, 40007, -1, false, 2},
                                                 {40009, 40008, 40009, 0, false, 2},
                                                 {40010, 40010, 40010, 3, true, 2},
                                                 {40011, 40011, 40012, 4, true, 3},
                                                 {rows, rows - 1, rows, entries - 1, true, entries - 2}}) {
    const RowRun& run = runs[static_cast<std::size_t>(x.row - 1)];
    EXPECT_EQ(x.first, run.first) << x.row;
    EXPECT_EQ(x.last, run.last) << x.row;
    EXPECT_EQ(x.entry, run.entry) << x.row;
    EXPECT_EQ(x.isEntry, run.IsEntry()) << x.row;
    EXPECT_EQ(x.entriesBefore, run.entriesBefore) << x.row;
  }

  // Backwards, and in jumps far across the table, from a fresh index each.
  EntryIndex backwards(&table.sound);
  for (int row = rows; row >= 1; --row)
    ASSERT_TRUE(SameRun(runs[static_cast<std::size_t>(row - 1)], backwards.RunOf(row))) << row;
  EntryIndex jumping(&table.sound);
  for (int i = 0; i < rows; ++i) {
    const int row = static_cast<int>(static_cast<std::int64_t>(i) * 49999 % rows) + 1;
    ASSERT_TRUE(SameRun(runs[static_cast<std::size_t>(row - 1)], jumping.RunOf(row))) << row;
  }
  EXPECT_TRUE(table.sound.intact());
}

}  // namespace

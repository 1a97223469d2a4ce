// Hand-made files for the tests of orvtool diff, and their comparison as the command makes it.
#ifndef ORVTOOL_TESTS_DIFF_FILES_H_
#define ORVTOOL_TESTS_DIFF_FILES_H_

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "orv_bytes.h"
#include "play/flow_diff.h"
#include "read/byte_source.h"
#include "read/layout.h"

// Reads and checks both files, then compares them into the sink; the totals DiffOrv gives.
inline DiffCounts Compare(Bytes oldBytes, Bytes newBytes, DiffSink* sink) {
  MemorySource oldSource(std::move(oldBytes)), newSource(std::move(newBytes));
  OrvLayout oldLayout, newLayout;
  std::string err;
  EXPECT_TRUE(InspectOrv(&oldSource, &oldLayout, &err) && InspectOrv(&newSource, &newLayout, &err)) << err;
  const OrvFlow oldFlow(oldLayout), newFlow(newLayout);
  DiffCounts counts;
  EXPECT_TRUE(DiffOrv({oldFlow, &oldSource, "old"}, {newFlow, &newSource, "new"}, sink, &counts, &err)) << err;
  return counts;
}

// Rows of no entry, each under `states`' row state, state 1 on: one byte each. The states are given
// as their words from state 0.
inline Bytes RowsUnder(std::int32_t stateCount, const std::vector<std::int32_t>& states,
                       const std::vector<int>& rowStates) {
  const std::int32_t rows = static_cast<std::int32_t>(rowStates.size());
  const std::int32_t h = 16 + 4 * static_cast<std::int32_t>(states.size()) + 12 * (rows + 2);
  std::vector<std::int32_t> table = {h, 0, 0};
  for (std::int32_t r = 0; r < rows; ++r) table.insert(table.end(), {h + r, rowStates[static_cast<std::size_t>(r)], 0});
  table.insert(table.end(), {h + rows, 0, 0});
  return MakeOrv(stateCount, states, table, static_cast<std::size_t>(rows));
}

// Two files of four rows of no entry each: the first two rows under one state in both files, whose
// pairs the new file changes; the third under a state of its own in the new file; the fourth alike.
inline Bytes RowsSharingAState() { return RowsUnder(4, {0, 0, 0, 1, 0, 1, 0, 0, 0, 1, 7, 5}, {1, 1, 1, 3}); }
inline Bytes RowsSharingAStateChanged() {
  return RowsUnder(6, {0, 0, 0, 2, 0, 2, 9, 1, 0, 0, 0, 1, 0, 3, 0, 0, 0, 1, 7, 5}, {1, 1, 3, 5});
}

#endif  // ORVTOOL_TESTS_DIFF_FILES_H_

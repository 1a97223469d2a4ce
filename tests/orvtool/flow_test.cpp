// The one reading of a file's flow that trace, graph and check share: the first pair of an event taken,
// and the leading row read by state 0 as any other row by its own.
#include "play/flow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hostile_orv.h"
#include "orv_examples.h"
#include "play/run_on_warnings.h"
#include "read_orv.h"
#include "report/graph_dot.h"

namespace {

// The player takes a state's first pair for an event, however many pairs the state has and however it
// finds them.
TEST(Flow, TakesTheFirstPairOfAnEventInStatesSmallAndLarge) {
  for (std::int32_t pairs : {3, 40}) {
    // State 1 governs chunk 1; its pairs send events 20, 21, ... to the trailing row, but event 3 comes
    // twice: to chunk 1 first, to the trailing row later. Event 4 comes last.
    std::vector<std::int32_t> words = {0, 0, 0, pairs};
    for (std::int32_t k = 0; k < pairs; ++k) {
      const std::int32_t event = k == 1 ? 3 : k == pairs - 2 ? 3 : k == pairs - 1 ? 4 : 20 + k;
      words.push_back(event);
      words.push_back(event == 3 && k == 1 ? 1 : 2);
    }
    const std::int32_t h = 16 + 4 * static_cast<std::int32_t>(words.size()) + 36;
    const OrvLayout layout = Checked(MakeOrv(2, words, {h, 0, 0, h, 1, 112, h + 30, 0, 0}, 30));
    const OrvFlow flow(layout);
    EXPECT_EQ(1, flow.FirstPair(1, 3)) << pairs;
    EXPECT_EQ(pairs - 1, flow.FirstPair(1, 4)) << pairs;
    EXPECT_EQ(-1, flow.FirstPair(1, 5)) << pairs;
    EXPECT_EQ(1, flow.Next(1, 3).row) << pairs;
    EXPECT_TRUE(flow.Next(1, 4).byPair) << pairs;
    EXPECT_EQ(2, flow.Next(1, 5).row) << pairs;
    EXPECT_FALSE(flow.Next(1, 5).byPair) << pairs;
    // The later pair of event 3 is never followed, so the graph does not draw it.
    const std::string dot = Graph(layout, "big.orv");
    EXPECT_NE(std::string::npos, dot.find("  r1 -> r1 [label=\"caps alive, fght dead\"];\n")) << dot;
  }
}

// Which entry each row was cut from, told by the rows' states as a build writes them: a row is an
// entry's only past every entry named before it, and a run an entry's last state never ends names none.
TEST(Flow, TellsTheEntryOfEachRow) {
  // Entry 0; entry 1 over 401 rows; three rows of a state whose entry's last never comes, then a row of
  // state 0; entry 0 again, behind entry 1 so of no entry; entry 3's last state alone; then entries 4
  // on, two rows each.
  const int kLong = 400;
  std::vector<std::int32_t> states = {1, 2};
  states.insert(states.end(), kLong, 3);
  states.insert(states.end(), {4, 5, 5, 5, 0, 1, 2, 8});
  const std::int32_t entries = 300;
  for (std::int32_t e = 4; e < entries; ++e) states.insert(states.end(), {2 * e + 1, 2 * e + 2});
  const OrvLayout layout = Checked(TableOf(states, 2 * entries + 1));
  const OrvFlow flow(layout);
  EXPECT_EQ(entries - 1, flow.entryCount());
  const int rows = static_cast<int>(states.size());
  struct Expected {
    int row, firstRow, rowCount, scriptIndex, index;  // rowCount 0: of no entry
  };
  for (const Expected& x : std::vector<Expected>{{1, 1, 2, 0, 0},
                                                 {200, 3, kLong + 1, 1, 1},
                                                 {kLong + 3, 3, kLong + 1, 1, 1},
                                                 {kLong + 5, 0, 0, 0, 0},
                                                 {kLong + 7, 0, 0, 0, 0},
                                                 {kLong + 9, 0, 0, 0, 0},
                                                 {kLong + 10, kLong + 10, 1, 3, 2},
                                                 {kLong + 11, kLong + 11, 2, 4, 3},
                                                 {rows, rows - 1, 2, entries - 1, entries - 2}}) {
    const FlowEntry* entry = flow.EntryOf(x.row);
    ASSERT_EQ(x.rowCount != 0, entry != nullptr) << x.row;
    if (entry == nullptr) continue;
    EXPECT_EQ(x.firstRow, entry->firstRow) << x.row;
    EXPECT_EQ(x.rowCount, entry->rowCount) << x.row;
    EXPECT_EQ(x.scriptIndex, entry->scriptIndex) << x.row;
    EXPECT_EQ(x.index, entry->index) << x.row;
  }
}

// Two events of a Begin and a Loop each, as TwoEventBuild, but state 0 sends event 1 to `combatStart`,
// and at the end of the Cruising Loop state 4 sends it back to the leading row.
Bytes LeadingRowSendsCombat(std::int32_t combatStart) {
  return MakeOrv(9, {0, 2, 0, 1, 1, combatStart, 0, 1, 1, 3, 0, 2, 0, 2, 1, 3, 0, 1, 1, 3, 0, 2, 0,
                     2, 1, 0, 0, 1, 0,           1, 0, 2, 1, 4, 0, 1, 0, 1, 0, 1, 0, 2, 1, 4, 0, 1},
                 {272, 0, 0, 272, 2, 112, 302, 4, 112, 332, 6, 112, 362, 8, 112, 392, 0, 0}, 120);
}

// check, trace and graph play the leading row by one rule: state 0 sends the event on, wherever that is.
TEST(Flow, CheckTraceAndGraphAgreeOnTheLeadingRow) {
  struct Case {
    std::int32_t combatStart;
    const char* traceFromTheLeadingRow;  // trace 0 1*3, after the Cruising Loop sends Combat back
    std::vector<std::string> warnings;
    const char* startEdge;
  };
  const Case cases[] = {
      // Combat goes on to its own Begin, and its music stays there.
      {3,
       "start: state 0 sends event 1 \"Combat\" to chunk 3\n"
       "chunk 3: \"Combat\" Begin, piece 1 of 1, 30 bytes\n"
       "  event 1 \"Combat\": state 6 sends it to chunk 4\n"
       "chunk 4: \"Combat\" Loop, piece 1 of 1, 30 bytes\n"
       "  event 1 \"Combat\": state 8 sends it to chunk 4\n"
       "next: chunk 4: \"Combat\" Loop, piece 1 of 1, 30 bytes\n",
       {},
       "  start -> e2 [label=\"Combat\"];\n"},
      // Combat is sent back to the leading row itself, which the player then never leaves.
      {0,
       "start: state 0 sends event 1 \"Combat\" to row 0, the leading row\n"
       "end: state 0 sends it back to the leading row, which the player then never leaves, 2 chunk ends given go "
       "unused\n",
       {"event 1 \"Combat\": as soon as it comes the music goes back to the leading row, which the player then never "
        "leaves"},
       "  start -> start [label=\"Combat\"];\n"},
  };
  const ScriptEntry entries[] = {
      {0, "b0.orv", false, 30}, {0, "l0.orv", true, 30}, {1, "b1.orv", false, 30}, {1, "l1.orv", true, 30}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.combatStart);
    const Bytes bytes = LeadingRowSendsCombat(c.combatStart);
    EXPECT_EQ(std::string("start: state 0 sends event 0 \"Cruising\" to chunk 1\n"
                          "chunk 1: \"Cruising\" Begin, piece 1 of 1, 30 bytes\n"
                          "  event 0 \"Cruising\": state 2 sends it to chunk 2\n"
                          "chunk 2: \"Cruising\" Loop, piece 1 of 1, 30 bytes\n"
                          "  event 1 \"Combat\": state 4 sends it to row 0, the leading row\n") +
                  c.traceFromTheLeadingRow,
              Trace(bytes, {"0", "1*3"}));
    const OrvLayout layout = Checked(bytes);
    EXPECT_EQ(c.warnings, RunOnWarnings(OrvFlow(layout), entries, 4));
    const std::string dot = Graph(layout, "f.orv");
    for (const char* edge : {"  e1 -> start [label=\"Combat\"];\n", c.startEdge})
      EXPECT_NE(std::string::npos, dot.find(edge)) << edge << dot;
  }
}

}  // namespace

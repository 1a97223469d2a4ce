// The player's walk through hand-made files: trace on the worked examples of a build, and the graph
// drawn from the same reading.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "play/run_on_warnings.h"
#include "play/flow.h"
#include "report/graph_dot.h"
#include "orv_examples.h"
#include "play/trace_walk.h"

namespace {

OrvLayout Checked(Bytes bytes) {
  MemorySource source(std::move(bytes));
  OrvLayout layout;
  std::string err;
  EXPECT_TRUE(InspectOrv(&source, &layout, &err)) << err;
  return layout;
}

std::string Trace(Bytes bytes, const std::vector<std::string>& words) {
  std::vector<TraceEvent> events;
  for (const std::string& word : words) {
    TraceEvent event;
    EXPECT_TRUE(ParseTraceEvent(word, &event)) << word;
    events.push_back(event);
  }
  const OrvLayout layout = Checked(std::move(bytes));
  std::string out;
  TraceOrv(OrvFlow(layout), events, AppendTo(&out));
  return out;
}

TEST(OrvTrace, PlaysTheWorkedExamples) {
  // Begin into Loop, on through the Loop's two chunks, back to the Loop's start.
  EXPECT_EQ(
      "start: the leading row sends every event to chunk 1\n"
      "chunk 1: \"Cruising\" Begin, piece 1 of 1, 100 bytes\n"
      "  event 0 \"Cruising\": state 2 sends it to chunk 2\n"
      "chunk 2: \"Cruising\" Loop, piece 1 of 2, 60000 bytes\n"
      "  event 0 \"Cruising\": not in state 3, on to the next row, chunk 3\n"
      "chunk 3: \"Cruising\" Loop, piece 2 of 2, 10000 bytes\n"
      "  event 0 \"Cruising\": state 4 sends it to chunk 2\n"
      "next: chunk 2: \"Cruising\" Loop, piece 1 of 2, 60000 bytes\n",
      Trace(BeginLoopBuild(), {"0*3"}));

  // An event without a handler runs on to the next row, into the other event's Begin.
  EXPECT_EQ(
      "start: the leading row sends every event to chunk 1\n"
      "chunk 1: \"Cruising\" Begin, piece 1 of 1, 30 bytes\n"
      "  event 0 \"Cruising\": state 2 sends it to chunk 2\n"
      "chunk 2: \"Cruising\" Loop, piece 1 of 1, 30 bytes\n"
      "  event 2 \"Combat / Dmg\": not in state 4, on to the next row, chunk 3\n"
      "chunk 3: \"Combat\" Begin, piece 1 of 1, 30 bytes\n"
      "  event 1 \"Combat\": state 6 sends it to chunk 4\n"
      "chunk 4: \"Combat\" Loop, piece 1 of 1, 30 bytes\n"
      "  event 0 \"Cruising\": state 8 sends it to chunk 1\n"
      "next: chunk 1: \"Cruising\" Begin, piece 1 of 1, 30 bytes\n",
      Trace(TwoEventBuild(), {"0", "2", "1", "0"}));

  // A null Loop: the Begin's own event reaches the trailing row, and the music ends.
  EXPECT_EQ(
      "start: the leading row sends every event to chunk 1\n"
      "chunk 1: \"Cruising\" Begin, piece 1 of 1, 30 bytes\n"
      "  event 0 \"Cruising\": state 2 sends it to row 2, the trailing row\n"
      "end, 3 chunk ends given go unused\n",
      Trace(NullLoopBuild(), {"0", "1*3"}));

  EXPECT_EQ(
      "start: the leading row sends every event to row 1, the trailing row\n"
      "end, 1 chunk end given goes unused\n",
      Trace(EmptyBuild(), {"3"}));
}

// A valid file that no build made: rows whose states do not tell an entry, and a pair back to the
// leading row.
TEST(OrvTrace, FollowsAFileNoBuildMade) {
  const Bytes bytes = MakeOrv(1, {0, 2, 0, 1, 3, 0}, {76, 0, 0, 76, 0, 112, 106, 0, 0}, 30);
  // The leading row is read by state 0, like every other row: event 3 sends the player back to it.
  EXPECT_EQ(
      "start: state 0 sends event 0 \"Cruising\" to chunk 1\n"
      "chunk 1: state 0, of no entry, 30 bytes\n"
      "  event 0 \"Cruising\": state 0 sends it to chunk 1\n"
      "chunk 1: state 0, of no entry, 30 bytes\n"
      "  event 3 \"caps alive, fght dead\": state 0 sends it to row 0, the leading row\n"
      "start: event 9 is not in state 0, on to the next row, chunk 1\n"
      "chunk 1: state 0, of no entry, 30 bytes\n"
      "  event 9: not in state 0, on to the next row, row 2, the trailing row\n"
      "end\n",
      Trace(bytes, {"0", "3", "9"}));
  EXPECT_EQ(
      "start: state 0 sends event 3 \"caps alive, fght dead\" to row 0, the leading row\n"
      "end: state 0 sends it back to the leading row, which the player then never leaves, 3 chunk ends given go "
      "unused\n",
      Trace(bytes, {"3*2", "9"}));

  const OrvLayout layout = Checked(bytes);
  const std::string dot = GraphOrv(OrvFlow(layout), "odd.orv");
  EXPECT_NE(std::string::npos, dot.find("  r1 [label=\"row 1\\nstate 0, 30 bytes\"];\n")) << dot;
  EXPECT_NE(std::string::npos, dot.find("  r1 -> start [label=\"caps alive, fght dead\"];\n")) << dot;
  EXPECT_NE(std::string::npos, dot.find("  start -> r1 [label=\"Cruising\\nany other event\"];\n")) << dot;
  EXPECT_NE(std::string::npos, dot.find("  start -> start [label=\"caps alive, fght dead\"];\n")) << dot;
}

// Two events of a Begin and a Loop each, as TwoEventBuild, but state 0 sends event 1 to `combatStart`,
// and at the end of the Cruising Loop state 4 sends it back to the leading row.
Bytes LeadingRowSendsCombat(std::int32_t combatStart) {
  return MakeOrv(9, {0, 2, 0, 1, 1, combatStart, 0, 1, 1, 3, 0, 2, 0, 2, 1, 3, 0, 1, 1, 3, 0, 2, 0,
                     2, 1, 0, 0, 1, 0,           1, 0, 2, 1, 4, 0, 1, 0, 1, 0, 1, 0, 2, 1, 4, 0, 1},
                 {272, 0, 0, 272, 2, 112, 302, 4, 112, 332, 6, 112, 362, 8, 112, 392, 0, 0}, 120);
}

// check, trace and graph play the leading row by one rule: state 0 sends the event on, wherever that is.
TEST(OrvPlayer, CheckTraceAndGraphAgreeOnTheLeadingRow) {
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
    const std::string dot = GraphOrv(OrvFlow(layout), "f.orv");
    for (const char* edge : {"  e1 -> start [label=\"Combat\"];\n", c.startEdge})
      EXPECT_NE(std::string::npos, dot.find(edge)) << edge << dot;
  }
}

// The player takes a state's first pair for an event, however many pairs the state has and however it
// finds them.
TEST(OrvFlow, TakesTheFirstPairOfAnEventInStatesSmallAndLarge) {
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
    const std::string dot = GraphOrv(flow, "big.orv");
    EXPECT_NE(std::string::npos, dot.find("  r1 -> r1 [label=\"caps alive, fght dead\"];\n")) << dot;
  }
}

// A file name in a local code page is no UTF-8: dot would warn of the raw bytes.
TEST(OrvGraph, WritesTextThatIsNotUtf8WithReplacementCharacters) {
  const std::string dot = GraphOrv(OrvFlow(Checked(TwoEventBuild())), "caf\xe9 \"1\".orv");
  EXPECT_NE(std::string::npos, dot.find("  label=\"caf\xef\xbf\xbd \\\"1\\\".orv\";\n")) << dot;
  EXPECT_EQ(std::string::npos, dot.find("caf\xe9")) << dot;
}

TEST(OrvTrace, ReadsEventWords) {
  TraceEvent event;
  ASSERT_TRUE(ParseTraceEvent("14", &event));
  EXPECT_EQ(14, event.eventId);
  EXPECT_EQ(1, event.count);
  ASSERT_TRUE(ParseTraceEvent("3*1000000", &event));
  EXPECT_EQ(3, event.eventId);
  EXPECT_EQ(1000000, event.count);
  for (const char* word : {"", "15", "-1", "+1", "x", "1x", "1*", "*2", "1*0", "1*1000001", "1*2*3", "99999999999"})
    EXPECT_FALSE(ParseTraceEvent(word, &event)) << word;
}

TEST(OrvGraph, DrawsEachEntryWithItsTransitions) {
  const OrvLayout layout = Checked(TwoEventBuild());
  const std::string dot = GraphOrv(OrvFlow(layout), "two.orv");
  for (const char* part : {
           "  e1 [label=\"Cruising Loop\\n1 chunk (2), 30 bytes\", fillcolor=",
           "  start -> e0 [label=\"every event\"];\n",
           "  e0 -> e1 [label=\"Cruising\\nany other event\"];\n",
           "  e1 -> e1 [label=\"Cruising\"];\n",
           "  e1 -> e2 [label=\"Combat\\nany other event\"];\n",
           "  e3 -> e0 [label=\"Cruising\"];\n",
           "  e3 -> end [label=\"any other event\", style=dashed];\n",
       })
    EXPECT_NE(std::string::npos, dot.find(part)) << part << "\n" << dot;
}

}  // namespace

// The player's walk through hand-made files as trace tells it: the worked examples of a build, a file no
// build made, and the EVENT words.
#include "report/trace_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "orv_examples.h"
#include "read_orv.h"

namespace {

TEST(TraceText, PlaysTheWorkedExamples) {
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
TEST(TraceText, FollowsAFileNoBuildMade) {
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
}

TEST(TraceText, ReadsEventWords) {
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

}  // namespace

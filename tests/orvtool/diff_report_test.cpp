// diff's text and JSON reports of hand-made files: the words for a piece cut otherwise, a shared state
// told once, and JSON an element a line.
#include "report/diff_report.h"

#include <gtest/gtest.h>

#include <string>

#include "diff_files.h"
#include "orv_examples.h"

namespace {

// The piece lines of the text report.
std::string TextPieces(Bytes oldBytes, Bytes newBytes) {
  std::string text;
  Compare(std::move(oldBytes), std::move(newBytes), MakeTextDiffReport(AppendTo(&text), "old", "new").get());
  const std::size_t from = text.find("pieces:\n") + 8;
  return text.substr(from, text.find("transitions:\n") - from);
}

// The same bytes, in as many chunks, cut at other places.
TEST(DiffReport, SaysWhenTheSameBytesAreCutIntoOtherChunks) {
  const Bytes payload = PayloadPattern(70100, 9);
  // The Loop's 70000 bytes in two chunks, 10000 and 60000 bytes instead of 60000 and 10000.
  const Bytes otherCut = MakeOrv(5, {0, 1, 0, 1, 0, 0, 0, 1, 0, 2, 0, 0, 0, 1, 0, 2},
                                 {140, 0, 0, 140, 2, 336, 240, 3, 37296, 10240, 4, 224000, 70240, 0, 0}, payload);
  EXPECT_EQ(
      "  \"Cruising\" Begin: in both, bytes 100 -> 100, chunks 1 -> 1, payload the same\n"
      "  \"Cruising\" Loop: in both, bytes 70000 -> 70000, chunks 2 -> 2, payload the same, cut into other "
      "chunks\n",
      TextPieces(BeginLoopBuild(payload), otherCut));
}

// The pairs of a state shared by rows told once, under the places it serves.
TEST(DiffReport, TellsASharedStateOnceUnderItsPlaces) {
  const Bytes old = RowsSharingAState(), now = RowsSharingAStateChanged();
  std::string text;
  Compare(old, now, MakeTextDiffReport(AppendTo(&text), "old", "new").get());
  EXPECT_EQ(
      "transitions:\n"
      "  a state shared by 2 places (row 1 at its end; row 2 at its end):\n"
      "    changed: event 0 \"Cruising\": row 1 -> row 2\n"
      "    added: event 9: (none) -> row 1\n"
      "  changed: row 3 at its end, event 0 \"Cruising\": row 1 -> row 3\n"
      "different for the game: 3 transitions changed, 2 added\n",
      text.substr(text.find("transitions:\n")));

  std::string json;
  Compare(old, now, MakeJsonDiffReport(AppendTo(&json), "old", "new").get());
  EXPECT_EQ(
      "  \"transitions\": [\n"
      "    {\"change\":\"changed\",\"at\":null,\"piece\":null,\"sharedState\":0,\"event\":0,"
      "\"eventName\":\"Cruising\",\"anyOtherEvent\":false,\"old\":\"row 1\",\"new\":\"row 2\"},\n"
      "    {\"change\":\"added\",\"at\":null,\"piece\":null,\"sharedState\":0,\"event\":9,"
      "\"eventName\":null,\"anyOtherEvent\":false,\"old\":null,\"new\":\"row 1\"},\n"
      "    {\"change\":\"changed\",\"at\":\"row 3 at its end\",\"piece\":\"row 3\",\"event\":0,"
      "\"eventName\":\"Cruising\",\"anyOtherEvent\":false,\"old\":\"row 1\",\"new\":\"row 3\"}\n  ],\n"
      "  \"sharedStates\": [\n"
      "    {\"places\":[{\"at\":\"row 1 at its end\",\"piece\":\"row 1\"},"
      "{\"at\":\"row 2 at its end\",\"piece\":\"row 2\"}]}\n  ],\n"
      "  \"counts\": {\"piecesSame\":4,\"piecesChanged\":0,\"piecesAdded\":0,\"piecesRemoved\":0,"
      "\"transitionsChanged\":3,\"transitionsAdded\":2,\"transitionsRemoved\":0},\n  \"same\": false\n}\n",
      json.substr(json.find("  \"transitions\"")));
}

// Each piece and transition is one line of JSON in an object laid out as a JSON library indents it.
TEST(DiffReport, WritesJsonAnElementALine) {
  std::string text;
  Compare(EmptyBuild(), NullLoopBuild(), MakeJsonDiffReport(AppendTo(&text), "e.orv", "n.orv").get());
  EXPECT_EQ(
      "{\n  \"old\": \"e.orv\",\n  \"new\": \"n.orv\",\n  \"pieces\": [\n"
      "    {\"piece\":\"\\\"Cruising\\\" Begin\",\"event\":0,\"eventName\":\"Cruising\",\"kind\":\"Begin\","
      "\"change\":\"added\",\"old\":null,\"new\":{\"bytes\":30,\"chunks\":1},\"payload\":null}\n  ],\n"
      "  \"transitions\": [\n"
      "    {\"change\":\"changed\",\"at\":\"the start\",\"piece\":null,\"event\":0,\"eventName\":\"Cruising\","
      "\"anyOtherEvent\":false,\"old\":\"the end\",\"new\":\"\\\"Cruising\\\" Begin\"},\n"
      "    {\"change\":\"changed\",\"at\":\"the start\",\"piece\":null,\"event\":null,\"eventName\":null,"
      "\"anyOtherEvent\":true,\"old\":\"the end\",\"new\":\"\\\"Cruising\\\" Begin\"},\n"
      "    {\"change\":\"added\",\"at\":\"\\\"Cruising\\\" Begin at its end\",\"piece\":\"\\\"Cruising\\\" Begin\","
      "\"event\":0,\"eventName\":\"Cruising\",\"anyOtherEvent\":false,\"old\":null,\"new\":\"the end\"},\n"
      "    {\"change\":\"added\",\"at\":\"\\\"Cruising\\\" Begin at its end\",\"piece\":\"\\\"Cruising\\\" Begin\","
      "\"event\":null,\"eventName\":null,\"anyOtherEvent\":true,\"old\":null,\"new\":\"the end\"}\n  ],\n"
      "  \"counts\": {\"piecesSame\":0,\"piecesChanged\":0,\"piecesAdded\":1,\"piecesRemoved\":0,"
      "\"transitionsChanged\":2,\"transitionsAdded\":2,\"transitionsRemoved\":0},\n  \"same\": false\n}\n",
      text);
}

}  // namespace

// The diff of two hand-made files, read back through a sink that keeps every line: payloads told
// apart by content past the first block read, a chunking change at equal content, and the leading
// row's state.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diff.h"
#include "diff_report.h"
#include "orv_examples.h"

namespace {

struct Recorded : DiffSink {
  std::vector<PieceDiff> pieces;
  std::vector<std::string> transitions;  // "change: place, event: old -> new"
  DiffCounts counts;
  void Piece(const PieceDiff& piece) override { pieces.push_back(piece); }
  void Transitions() override {}
  void Transition(const TransitionDiff& t) override {
    const char* change = t.change == DiffChange::kAdded     ? "added"
                         : t.change == DiffChange::kRemoved ? "removed"
                                                            : "changed";
    transitions.push_back(std::string(change) + ": " + PlaceName(t) + ", " +
                          (t.anyOtherEvent ? "other" : std::to_string(t.eventId)) + ": " + t.oldTarget + " -> " +
                          t.newTarget);
  }
  void End(const DiffCounts& c) override { counts = c; }
};

// Reads and checks both files, then compares them into the sink; the totals DiffOrv gives.
DiffCounts Compare(Bytes oldBytes, Bytes newBytes, DiffSink* sink) {
  MemorySource oldSource(std::move(oldBytes)), newSource(std::move(newBytes));
  OrvLayout oldLayout, newLayout;
  std::string err;
  EXPECT_TRUE(InspectOrv(&oldSource, &oldLayout, &err) && InspectOrv(&newSource, &newLayout, &err)) << err;
  const OrvFlow oldFlow(oldLayout), newFlow(newLayout);
  DiffCounts counts;
  EXPECT_TRUE(DiffOrv({oldFlow, &oldSource, "old"}, {newFlow, &newSource, "new"}, sink, &counts, &err)) << err;
  return counts;
}

Recorded Diff(Bytes oldBytes, Bytes newBytes) {
  Recorded sink;
  const DiffCounts counts = Compare(std::move(oldBytes), std::move(newBytes), &sink);
  EXPECT_EQ(counts.piecesChanged, sink.counts.piecesChanged);
  EXPECT_EQ(counts.transitionsChanged, sink.counts.transitionsChanged);
  return sink;
}

// The piece lines of the text report.
std::string TextPieces(Bytes oldBytes, Bytes newBytes) {
  std::string text;
  Compare(std::move(oldBytes), std::move(newBytes),
          MakeTextDiffReport([&text](const std::string& piece) { text += piece; }, "old", "new").get());
  const std::size_t from = text.find("pieces:\n") + 8;
  return text.substr(from, text.find("transitions:\n") - from);
}

TEST(OrvDiff, TellsPayloadsApartByContentAnywhereInThem) {
  const Bytes payload = PayloadPattern(70100, 3);
  const Recorded same = Diff(BeginLoopBuild(payload), BeginLoopBuild(payload));
  EXPECT_TRUE(same.counts.Same());
  ASSERT_EQ(2u, same.pieces.size());
  EXPECT_EQ("\"Cruising\" Begin", same.pieces[0].label);
  EXPECT_EQ("\"Cruising\" Loop", same.pieces[1].label);
  EXPECT_TRUE(same.pieces[1].payloadSame);
  EXPECT_EQ(2, same.pieces[1].newSide.rowCount);
  EXPECT_EQ(70000, same.pieces[1].newSide.bytes);

  // The Loop's very last byte, well past the first block compared.
  Bytes changed = payload;
  changed.back() ^= 1;
  const Recorded differs = Diff(BeginLoopBuild(payload), BeginLoopBuild(changed));
  EXPECT_FALSE(differs.counts.Same());
  EXPECT_EQ(1, differs.counts.piecesChanged);
  EXPECT_TRUE(differs.pieces[0].payloadSame);
  EXPECT_FALSE(differs.pieces[1].payloadSame);
  EXPECT_EQ(DiffChange::kChanged, differs.pieces[1].change);
  EXPECT_TRUE(differs.transitions.empty());
}

TEST(OrvDiff, ComparesTheStartAndTheChunkingOfEqualBytes) {
  // The same 60-byte payload, the second event's pieces cut as the first's: only the leading row's
  // state differs, sending event 0 to "Combat" Begin.
  Bytes startsElsewhere = TwoEventBuild();
  SetWord(&startsElsewhere, 24, 3);
  const Recorded start = Diff(TwoEventBuild(), startsElsewhere);
  EXPECT_EQ(0, start.counts.piecesChanged);
  EXPECT_EQ(std::vector<std::string>{"changed: the start, 0: \"Cruising\" Begin -> \"Combat\" Begin"},
            start.transitions);

  // A Begin of 100 bytes in one chunk, then in two of 50 and 50 bytes: the same bytes, cut differently,
  // with a state between the chunks the old file does not have.
  const Bytes payload = PayloadPattern(70100, 9);
  const Bytes twoChunks =
      MakeOrv(5, {0, 1, 0, 1, 0, 0, 0, 1, 0, 3, 0, 0, 0, 1, 0, 3},
              {152, 0, 0, 152, 1, 112, 202, 2, 112, 252, 3, 224000, 60252, 4, 37296, 70252, 0, 0}, payload);
  const Recorded cut = Diff(BeginLoopBuild(payload), twoChunks);
  ASSERT_EQ(2u, cut.pieces.size());
  EXPECT_TRUE(cut.pieces[0].payloadSame);
  EXPECT_EQ(DiffChange::kChanged, cut.pieces[0].change);
  EXPECT_EQ(1, cut.pieces[0].oldSide.rowCount);
  EXPECT_EQ(2, cut.pieces[0].newSide.rowCount);
  EXPECT_EQ(DiffChange::kSame, cut.pieces[1].change);
  EXPECT_TRUE(cut.transitions.empty()) << cut.transitions[0];

  // The Loop's 70000 bytes in two chunks still, 10000 and 60000 bytes instead of 60000 and 10000.
  const Bytes otherCut = MakeOrv(5, {0, 1, 0, 1, 0, 0, 0, 1, 0, 2, 0, 0, 0, 1, 0, 2},
                                 {140, 0, 0, 140, 2, 336, 240, 3, 37296, 10240, 4, 224000, 70240, 0, 0}, payload);
  EXPECT_EQ(
      "  \"Cruising\" Begin: in both, bytes 100 -> 100, chunks 1 -> 1, payload the same\n"
      "  \"Cruising\" Loop: in both, bytes 70000 -> 70000, chunks 2 -> 2, payload the same, cut into other "
      "chunks\n",
      TextPieces(BeginLoopBuild(payload), otherCut));
}

// Rows of no entry that share a state: each row is its own piece, and a change in the state they share
// shows at every one of them.
TEST(OrvDiff, RowsSharingAStateEachShowItsChange) {
  auto rowsOfOneState = [](std::int32_t target) {
    return MakeOrv(2, {0, 1, 0, 1, 0, 1, 0, target}, {96, 0, 0, 96, 1, 0, 106, 1, 0, 116, 0, 0}, 20);
  };
  const Recorded same = Diff(rowsOfOneState(1), rowsOfOneState(1));
  EXPECT_TRUE(same.counts.Same());
  ASSERT_EQ(2u, same.pieces.size());
  EXPECT_EQ("row 2", same.pieces[1].label);
  EXPECT_EQ((std::vector<std::string>{"changed: row 1 at its end, 0: row 1 -> row 2",
                                      "changed: row 2 at its end, 0: row 1 -> row 2"}),
            Diff(rowsOfOneState(1), rowsOfOneState(2)).transitions);
}

// Each piece and transition is one line of JSON in an object laid out as a JSON library indents it.
TEST(OrvDiff, WritesJsonAnElementALine) {
  std::string text;
  Compare(EmptyBuild(), NullLoopBuild(),
          MakeJsonDiffReport([&text](const std::string& piece) { text += piece; }, "e.orv", "n.orv").get());
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

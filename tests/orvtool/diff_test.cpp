// The diff of two hand-made files, read back through a sink that keeps every line: payloads told
// apart by content past the first block read, a chunking change at equal content, and the leading
// row's state.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "orv_examples.h"
#include "play/flow_diff.h"
#include "report/diff_report.h"

namespace {

struct Recorded : DiffSink {
  std::vector<PieceDiff> pieces;
  // "change: place, event: old -> new", "shared 0: place; place" and "change: shared 0, event: ..."
  std::vector<std::string> transitions;
  DiffCounts counts;
  void Piece(const PieceDiff& piece) override { pieces.push_back(piece); }
  void Transitions() override {}
  void Shared(const SharedState& state) override {
    std::string line = "shared " + std::to_string(state.index) + ":";
    for (const SharedState::Place& place : state.places) line += " " + PlaceName(place.place, place.piece) + ";";
    transitions.push_back(line);
  }
  void Transition(const TransitionDiff& t) override {
    const char* change = t.change == DiffChange::kAdded     ? "added"
                         : t.change == DiffChange::kRemoved ? "removed"
                                                            : "changed";
    const std::string at = t.sharedState >= 0 ? "shared " + std::to_string(t.sharedState) : PlaceName(t);
    transitions.push_back(std::string(change) + ": " + at + ", " +
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
  for (DiffChange change : {DiffChange::kSame, DiffChange::kAdded, DiffChange::kRemoved, DiffChange::kChanged}) {
    EXPECT_EQ(counts.pieces[change], sink.counts.pieces[change]);
    EXPECT_EQ(counts.transitions[change], sink.counts.transitions[change]);
  }
  return sink;
}

// The piece lines of the text report.
std::string TextPieces(Bytes oldBytes, Bytes newBytes) {
  std::string text;
  Compare(std::move(oldBytes), std::move(newBytes), MakeTextDiffReport(AppendTo(&text), "old", "new").get());
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
  EXPECT_EQ(2, same.pieces[1].newSide->rowCount);
  EXPECT_EQ(70000, same.pieces[1].newSide->bytes);

  // The Loop's very last byte, well past the first block compared.
  Bytes changed = payload;
  changed.back() ^= 1;
  const Recorded differs = Diff(BeginLoopBuild(payload), BeginLoopBuild(changed));
  EXPECT_FALSE(differs.counts.Same());
  EXPECT_EQ(1, differs.counts.pieces[DiffChange::kChanged]);
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
  EXPECT_EQ(0, start.counts.pieces[DiffChange::kChanged]);
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
  EXPECT_EQ(1, cut.pieces[0].oldSide->rowCount);
  EXPECT_EQ(2, cut.pieces[0].newSide->rowCount);
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

// Rows of no entry, each under `states`' row state, state 1 on: one byte each. The states are given
// as their words from state 0.
Bytes RowsUnder(std::int32_t stateCount, const std::vector<std::int32_t>& states, const std::vector<int>& rowStates) {
  const std::int32_t rows = static_cast<std::int32_t>(rowStates.size());
  const std::int32_t h = 16 + 4 * static_cast<std::int32_t>(states.size()) + 12 * (rows + 2);
  std::vector<std::int32_t> table = {h, 0, 0};
  for (std::int32_t r = 0; r < rows; ++r) table.insert(table.end(), {h + r, rowStates[static_cast<std::size_t>(r)], 0});
  table.insert(table.end(), {h + rows, 0, 0});
  return MakeOrv(stateCount, states, table, static_cast<std::size_t>(rows));
}

// Rows of no entry are pieces of their own. Places that read one state in each file differ alike: the
// pairs the first two rows' state changed are told once for both, under the state they share, and
// counted at each; the third row, under a state of its own in the new file, tells its change itself,
// and the fourth, alike in both, nothing. Rows under odd states followed by no even one are no entry's.
TEST(OrvDiff, AStateSharedByRowsIsToldOnceForThem) {
  const Bytes old = RowsUnder(4, {0, 0, 0, 1, 0, 1, 0, 0, 0, 1, 7, 5}, {1, 1, 1, 3});
  const Bytes now = RowsUnder(6, {0, 0, 0, 2, 0, 2, 9, 1, 0, 0, 0, 1, 0, 3, 0, 0, 0, 1, 7, 5}, {1, 1, 3, 5});
  const Recorded diff = Diff(old, now);
  EXPECT_EQ(
      (std::vector<std::string>{"shared 0: row 1 at its end; row 2 at its end;", "changed: shared 0, 0: row 1 -> row 2",
                                "added: shared 0, 9:  -> row 1", "changed: row 3 at its end, 0: row 1 -> row 3"}),
      diff.transitions);
  EXPECT_EQ(3, diff.counts.transitions[DiffChange::kChanged]);
  EXPECT_EQ(2, diff.counts.transitions[DiffChange::kAdded]);

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
TEST(OrvDiff, WritesJsonAnElementALine) {
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

// The diff of two hand-made files, read back through a sink that keeps every line: payloads told
// apart by content past the first block read, a chunking change at equal content, the leading row's
// state, and a state shared by rows.
#include "play/flow_diff.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diff_files.h"
#include "orv_examples.h"
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

Recorded Diff(Bytes oldBytes, Bytes newBytes) {
  Recorded sink;
  const DiffCounts counts = Compare(std::move(oldBytes), std::move(newBytes), &sink);
  for (DiffChange change : {DiffChange::kSame, DiffChange::kAdded, DiffChange::kRemoved, DiffChange::kChanged}) {
    EXPECT_EQ(counts.pieces[change], sink.counts.pieces[change]);
    EXPECT_EQ(counts.transitions[change], sink.counts.transitions[change]);
  }
  return sink;
}

TEST(FlowDiff, TellsPayloadsApartByContentAnywhereInThem) {
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

TEST(FlowDiff, ComparesTheStartAndTheChunkingOfEqualBytes) {
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
}

// Rows of no entry are pieces of their own. Places that read one state in each file differ alike: the
// pairs the first two rows' state changed are told once for both, under the state they share, and
// counted at each; the third row, under a state of its own in the new file, tells its change itself,
// and the fourth, alike in both, nothing. Rows under odd states followed by no even one are no entry's.
TEST(FlowDiff, AStateSharedByRowsIsToldOnceForThem) {
  const Recorded diff = Diff(RowsSharingAState(), RowsSharingAStateChanged());
  EXPECT_EQ(
      (std::vector<std::string>{"shared 0: row 1 at its end; row 2 at its end;", "changed: shared 0, 0: row 1 -> row 2",
                                "added: shared 0, 9:  -> row 1", "changed: row 3 at its end, 0: row 1 -> row 3"}),
      diff.transitions);
  EXPECT_EQ(3, diff.counts.transitions[DiffChange::kChanged]);
  EXPECT_EQ(2, diff.counts.transitions[DiffChange::kAdded]);
}

}  // namespace

// `orvtool diff`: what the game plays differently from one ORV file to another. Pieces (the Begin and
// Loop parts a build cuts from its sources) are matched by event and kind, their payloads compared by
// content; then each place where the player looks up an event is compared by where it leads.
#ifndef ORVTOOL_PLAY_FLOW_DIFF_H_
#define ORVTOOL_PLAY_FLOW_DIFF_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "play/flow.h"
#include "read/byte_source.h"

enum class DiffChange { kSame, kAdded, kRemoved, kChanged };

struct PieceDiff {
  std::string label;  // `"Cruising" Loop`, `"Cruising" Loop #2` for a second one, `entry 3` or `row 5`
  // The piece as each file holds it, none where a file lacks it; matched by event and kind, the two
  // have the same.
  std::optional<FlowPiece> oldSide, newSide;
  // kAdded or kRemoved for a piece in one file only; for one in both, kSame or kChanged by its payload's
  // content and the lengths of its chunks.
  DiffChange change = DiffChange::kSame;
  bool payloadSame = false;  // in both files only

  // Its event and kind: the new file's piece where it holds one, else the old file's.
  const FlowPiece& either() const { return newSide ? *newSide : *oldSide; }
};

// Where the player looks up an event: the leading row, the chunks of a piece before its last, or a
// piece's last chunk.
enum class DiffPlace { kStart, kBetweenChunks, kAtEnd };

struct TransitionDiff {
  DiffChange change = DiffChange::kChanged;  // never kSame: only differences are reported
  DiffPlace place = DiffPlace::kStart;
  std::string piece;           // label of the piece, empty for the start
  int sharedState = -1;        // 0 and up: told once for every place of that shared state, not at `place`
  bool anyOtherEvent = false;  // the events the state has no pair for, which run on to the next row
  std::int32_t eventId = 0;
  // Where the music goes, empty where that file has no such transition.
  std::string oldTarget, newTarget;
};

// Places that look events up in one state of the old file and one of the new, the same at each: every
// event they differ in differs at each of these places, so it is told once for them all.
struct SharedState {
  struct Place {
    DiffPlace place;
    std::string piece;
  };
  int index = 0;  // in the order the report meets them, from 0
  std::vector<Place> places;
};

// A count for each kind of change.
class ChangeCounts {
 public:
  std::int64_t& operator[](DiffChange change) { return counts_[static_cast<std::size_t>(change)]; }
  std::int64_t operator[](DiffChange change) const { return counts_[static_cast<std::size_t>(change)]; }
  // Those added, removed or changed.
  std::int64_t Differing() const {
    return (*this)[DiffChange::kAdded] + (*this)[DiffChange::kRemoved] + (*this)[DiffChange::kChanged];
  }

 private:
  std::int64_t counts_[static_cast<std::size_t>(DiffChange::kChanged) + 1] = {};
};

// Transitions are counted at every place they differ at, a shared state's as often as it has places;
// none is counted the same.
struct DiffCounts {
  ChangeCounts pieces, transitions;
  bool Same() const { return pieces.Differing() + transitions.Differing() == 0; }
};

// Receives the diff as it is made: every piece in order, then every transition that differs, then the
// totals. Nothing is gathered first, so a report is written as it goes; a shared state comes at its
// first place, just before its transitions.
class DiffSink {
 public:
  virtual ~DiffSink() = default;
  virtual void Piece(const PieceDiff& piece) = 0;
  virtual void Transitions() = 0;  // between the last piece and the first transition
  virtual void Shared(const SharedState& state) = 0;
  virtual void Transition(const TransitionDiff& transition) = 0;
  virtual void End(const DiffCounts& counts) = 0;
};

// One file to compare: its flow, the bytes its payloads are read from, and its name for messages.
struct DiffInput {
  const OrvFlow& flow;
  ByteSource* bytes;
  std::string name;
};

// The payloads are read a bounded block at a time. The totals, which the sink also gets at the end, go
// to *counts. False, with *err, when a payload cannot be read; the sink may then have had part of the
// report.
bool DiffOrv(const DiffInput& oldFile, const DiffInput& newFile, DiffSink* sink, DiffCounts* counts, std::string* err);

#endif  // ORVTOOL_PLAY_FLOW_DIFF_H_

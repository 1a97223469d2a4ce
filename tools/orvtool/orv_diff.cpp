#include "orv_diff.h"

#include <map>
#include <tuple>
#include <utility>
#include <vector>

#include "byte_compare.h"
#include "event_label.h"

namespace {

using std::to_string;

// What a piece is matched by: its event, kind and how many such pieces came before it in the file;
// the entry's number when its event cannot be told; the row's number for a row of no entry.
using PieceKey = std::tuple<int, std::int64_t, int, int>;
enum KeyKind { kByEvent, kByEntry, kByRow };

struct FilePiece {
  PieceKey key;
  std::string label;
  bool haveEvent = false;
  std::int32_t eventId = 0;
  bool loop = false;
  PieceSide side;
};

// A file's pieces in payload order, and the piece each row belongs to.
class FilePieces {
 public:
  explicit FilePieces(const OrvFlow& flow) : flow_(flow), pieceOfRow_(flow.layout().rows.size(), -1) {
    std::map<std::pair<std::int32_t, bool>, int> seen;
    for (int row = 1; row < flow.trailingRow(); ++row) {
      const FlowEntry* entry = flow.EntryOf(row);
      if (entry != nullptr && entry->firstRow != row) {
        pieceOfRow_[static_cast<std::size_t>(row)] = pieceOfRow_[static_cast<std::size_t>(row) - 1];
        continue;
      }
      FilePiece piece;
      if (entry == nullptr) {
        piece.key = PieceKey(kByRow, row, 0, 0);
        piece.label = "row " + to_string(row);
        piece.side = {true, row, 1, flow.RowLength(row)};
      } else {
        piece.haveEvent = entry->haveEvent;
        piece.eventId = entry->eventId;
        piece.loop = entry->loop;
        piece.label = EntryLabel(*entry);
        if (entry->haveEvent) {
          const int occurrence = ++seen[{entry->eventId, entry->loop}];
          piece.key = PieceKey(kByEvent, entry->eventId, entry->loop ? 1 : 0, occurrence);
          if (occurrence > 1) piece.label += " #" + to_string(occurrence);
        } else {
          piece.key = PieceKey(kByEntry, entry->entry, 0, 0);
        }
        piece.side = {true, entry->firstRow, entry->rowCount, entry->bytes};
      }
      pieceOfRow_[static_cast<std::size_t>(row)] = static_cast<int>(pieces_.size());
      index_[piece.key] = static_cast<int>(pieces_.size());
      pieces_.push_back(std::move(piece));
    }
  }

  const OrvFlow& flow() const { return flow_; }
  const std::vector<FilePiece>& pieces() const { return pieces_; }
  // The piece's index, or -1 when the file has no such piece.
  int Find(const PieceKey& key) const {
    const auto found = index_.find(key);
    return found == index_.end() ? -1 : found->second;
  }

  // Where a row leads, named by what is there, so the same place reads the same in both files.
  std::string Target(int row) const {
    if (row == 0) return "the leading row";
    if (row == flow_.trailingRow()) return "the end";
    const FilePiece& piece = pieces_[static_cast<std::size_t>(pieceOfRow_[static_cast<std::size_t>(row)])];
    if (row == piece.side.firstRow) return piece.label;
    return piece.label + ", chunk " + to_string(row - piece.side.firstRow + 1);
  }

 private:
  const OrvFlow& flow_;
  std::vector<FilePiece> pieces_;
  std::vector<int> pieceOfRow_;
  std::map<PieceKey, int> index_;
};

// The pieces of both files in one order: the new file's, with each piece the new file lost placed after
// the last piece before it that both files hold. Indices into each file's pieces, -1 where it lacks one.
std::vector<std::pair<int, int>> MergePieces(const FilePieces& oldFile, const FilePieces& newFile) {
  const std::vector<FilePiece>& olds = oldFile.pieces();
  const std::vector<FilePiece>& news = newFile.pieces();
  // Removed pieces by the new piece they follow; -1 for those before any.
  std::map<int, std::vector<int>> after;
  int anchor = -1;
  for (std::size_t i = 0; i < olds.size(); ++i) {
    const int inNew = newFile.Find(olds[i].key);
    if (inNew >= 0)
      anchor = inNew;
    else
      after[anchor].push_back(static_cast<int>(i));
  }
  std::vector<std::pair<int, int>> merged;
  auto appendRemoved = [&](int newIndex) {
    const auto found = after.find(newIndex);
    if (found == after.end()) return;
    for (int oldIndex : found->second) merged.emplace_back(oldIndex, -1);
  };
  appendRemoved(-1);
  for (std::size_t j = 0; j < news.size(); ++j) {
    merged.emplace_back(oldFile.Find(news[j].key), static_cast<int>(j));
    appendRemoved(static_cast<int>(j));
  }
  return merged;
}

bool ComparePiece(const DiffInput& oldFile, const FilePiece* oldPiece, const DiffInput& newFile,
                  const FilePiece* newPiece, PieceDiff* diff, std::string* err) {
  const FilePiece& any = newPiece != nullptr ? *newPiece : *oldPiece;
  diff->label = any.label;
  diff->haveEvent = any.haveEvent;
  diff->eventId = any.eventId;
  diff->loop = any.loop;
  if (oldPiece != nullptr) diff->oldSide = oldPiece->side;
  if (newPiece != nullptr) diff->newSide = newPiece->side;
  if (oldPiece == nullptr || newPiece == nullptr) {
    diff->change = oldPiece == nullptr ? DiffChange::kAdded : DiffChange::kRemoved;
    return true;
  }
  const PieceSide& o = diff->oldSide;
  const PieceSide& n = diff->newSide;
  diff->payloadSame = false;
  if (o.bytes == n.bytes) {
    auto start = [](const DiffInput& file, const PieceSide& side) {
      return static_cast<std::uint64_t>(file.flow.layout().rows[static_cast<std::size_t>(side.firstRow)].dataOffset);
    };
    if (!SameBytes({oldFile.bytes, start(oldFile, o), oldFile.name}, {newFile.bytes, start(newFile, n), newFile.name},
                   static_cast<std::uint64_t>(o.bytes), &diff->payloadSame, err))
      return false;
  }
  diff->change = diff->payloadSame && o.rowCount == n.rowCount ? DiffChange::kSame : DiffChange::kChanged;
  return true;
}

// Where the player goes from one place of a file, by event: the first pair for each event in the row's
// state (a later one is never followed), and, where the row's end leads out of its piece, the next row
// for every other event.
struct PlaceTargets {
  std::map<std::int32_t, std::string> byEvent;
  std::string anyOther;  // empty when running on stays within the piece
};

PlaceTargets TargetsAt(const FilePieces& file, int row, bool runsOut) {
  PlaceTargets targets;
  const OrvLayout& layout = file.flow().layout();
  const std::int32_t stateIndex = layout.rows[static_cast<std::size_t>(row)].stateIndex;
  // Only the leading row of a file without states can lack one.
  if (stateIndex >= 0 && static_cast<std::size_t>(stateIndex) < layout.states.size()) {
    for (const OrvPair& pair : layout.states[static_cast<std::size_t>(stateIndex)].pairs)
      targets.byEvent.emplace(pair.eventId, file.Target(pair.chunkIndex));
  }
  if (runsOut) targets.anyOther = file.Target(row + 1);
  return targets;
}

class TransitionCompare {
 public:
  TransitionCompare(DiffSink* sink, DiffCounts* counts) : sink_(sink), counts_(counts) {}

  // Compares one place, given as the row each file looks the event up at (-1 where it has no such place).
  void Place(const FilePieces& oldFile, int oldRow, const FilePieces& newFile, int newRow, DiffPlace place,
             const std::string& piece) {
    const bool runsOut = place != DiffPlace::kBetweenChunks;
    const PlaceTargets o = oldRow >= 0 ? TargetsAt(oldFile, oldRow, runsOut) : PlaceTargets();
    const PlaceTargets n = newRow >= 0 ? TargetsAt(newFile, newRow, runsOut) : PlaceTargets();
    TransitionDiff diff;
    diff.place = place;
    diff.piece = piece;
    auto oi = o.byEvent.begin();
    auto ni = n.byEvent.begin();
    while (oi != o.byEvent.end() || ni != n.byEvent.end()) {
      const bool takeOld = ni == n.byEvent.end() || (oi != o.byEvent.end() && oi->first <= ni->first);
      const bool takeNew = oi == o.byEvent.end() || (ni != n.byEvent.end() && ni->first <= oi->first);
      diff.eventId = takeOld ? oi->first : ni->first;
      Report(&diff, takeOld ? oi->second : std::string(), takeNew ? ni->second : std::string());
      if (takeOld) ++oi;
      if (takeNew) ++ni;
    }
    diff.anyOtherEvent = true;
    diff.eventId = 0;
    Report(&diff, o.anyOther, n.anyOther);
  }

 private:
  void Report(TransitionDiff* diff, const std::string& oldTarget, const std::string& newTarget) {
    if (oldTarget == newTarget) return;
    diff->oldTarget = oldTarget;
    diff->newTarget = newTarget;
    if (oldTarget.empty()) {
      diff->change = DiffChange::kAdded;
      ++counts_->transitionsAdded;
    } else if (newTarget.empty()) {
      diff->change = DiffChange::kRemoved;
      ++counts_->transitionsRemoved;
    } else {
      diff->change = DiffChange::kChanged;
      ++counts_->transitionsChanged;
    }
    sink_->Transition(*diff);
  }

  DiffSink* sink_;
  DiffCounts* counts_;
};

void Count(DiffChange change, DiffCounts* counts) {
  switch (change) {
    case DiffChange::kSame:
      ++counts->piecesSame;
      break;
    case DiffChange::kAdded:
      ++counts->piecesAdded;
      break;
    case DiffChange::kRemoved:
      ++counts->piecesRemoved;
      break;
    case DiffChange::kChanged:
      ++counts->piecesChanged;
      break;
  }
}

}  // namespace

bool DiffOrv(const DiffInput& oldFile, const DiffInput& newFile, DiffSink* sink, DiffCounts* totals, std::string* err) {
  const FilePieces olds(oldFile.flow);
  const FilePieces news(newFile.flow);
  const std::vector<std::pair<int, int>> merged = MergePieces(olds, news);
  auto pieceIn = [](const FilePieces& file, int index) {
    return index < 0 ? nullptr : &file.pieces()[static_cast<std::size_t>(index)];
  };

  DiffCounts counts;
  for (const auto& [o, n] : merged) {
    PieceDiff diff;
    if (!ComparePiece(oldFile, pieceIn(olds, o), newFile, pieceIn(news, n), &diff, err)) return false;
    Count(diff.change, &counts);
    sink->Piece(diff);
  }

  sink->Transitions();
  TransitionCompare compare(sink, &counts);
  compare.Place(olds, 0, news, 0, DiffPlace::kStart, std::string());
  for (const auto& [o, n] : merged) {
    const FilePiece* oldPiece = pieceIn(olds, o);
    const FilePiece* newPiece = pieceIn(news, n);
    const std::string& label = (newPiece != nullptr ? newPiece : oldPiece)->label;
    // The chunks before a piece's last share one state, so its first chunk stands for them all.
    auto betweenRow = [](const FilePiece* piece) {
      return piece != nullptr && piece->side.rowCount > 1 ? piece->side.firstRow : -1;
    };
    auto endRow = [](const FilePiece* piece) {
      return piece != nullptr ? piece->side.firstRow + piece->side.rowCount - 1 : -1;
    };
    if (betweenRow(oldPiece) >= 0 || betweenRow(newPiece) >= 0)
      compare.Place(olds, betweenRow(oldPiece), news, betweenRow(newPiece), DiffPlace::kBetweenChunks, label);
    compare.Place(olds, endRow(oldPiece), news, endRow(newPiece), DiffPlace::kAtEnd, label);
  }
  *totals = counts;
  sink->End(counts);
  return true;
}

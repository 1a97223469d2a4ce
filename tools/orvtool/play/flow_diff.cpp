#include "play/flow_diff.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using std::to_string;

// What a piece is matched by: its event, its kind and its place among the file's pieces of that event
// and kind; the entry's number when its event cannot be told; the row's number for a row of no entry.
using PieceKey = std::tuple<int, std::int64_t, int, int>;
enum KeyKind { kByEvent, kByEntry, kByRow, kLeadingRow, kTrailingRow };

struct FilePiece : FlowPiece {
  PieceKey key;
  const FlowEntry* entry = nullptr;  // none for a row of no entry
};

// `"Cruising" Loop`, `"Cruising" Loop #2` for a second one, `entry 3` or `row 5`. Made where it is told,
// so that a file of many pieces holds no text for each.
std::string Label(const FilePiece& piece) {
  if (piece.entry == nullptr) return "row " + to_string(piece.firstRow);
  const int occurrence = std::get<3>(piece.key);
  return EntryLabel(*piece.entry) + (occurrence > 1 ? " #" + to_string(occurrence) : "");
}

// How many pieces of each event and kind have come so far.
using PiecesSeen = std::map<std::pair<std::int32_t, bool>, int>;

// The piece that begins at `row`: an entry's, numbered among its event's pieces of its kind, or a row of
// no entry.
FilePiece PieceAt(const OrvFlow& flow, int row, PiecesSeen* seen) {
  const FlowEntry* entry = flow.EntryOf(row);
  if (entry == nullptr) return {{false, 0, false, row, 1, flow.RowLength(row)}, PieceKey(kByRow, row, 0, 0), nullptr};
  if (!entry->haveEvent) return {*entry, PieceKey(kByEntry, entry->scriptIndex, 0, 0), entry};
  const int occurrence = ++(*seen)[{entry->eventId, entry->loop}];
  return {*entry, PieceKey(kByEvent, entry->eventId, entry->loop ? 1 : 0, occurrence), entry};
}

// A file's pieces in payload order, and the piece each row belongs to.
class FilePieces {
 public:
  explicit FilePieces(const OrvFlow& flow)
      : flow_(flow), pieceOfRow_(static_cast<std::size_t>(flow.trailingRow()) + 1, -1) {
    const auto next = [&flow](int row) {
      const FlowEntry* entry = flow.EntryOf(row);
      return row + (entry != nullptr ? entry->rowCount : 1);
    };
    std::size_t count = 0;
    for (int row = 1; row < flow.trailingRow(); row = next(row)) ++count;
    pieces_.reserve(count);
    index_.reserve(count);
    PiecesSeen seen;
    for (int row = 1; row < flow.trailingRow(); row = next(row)) {
      const FilePiece piece = PieceAt(flow, row, &seen);
      for (int r = row; r < row + piece.rowCount; ++r)
        pieceOfRow_[static_cast<std::size_t>(r)] = static_cast<int>(pieces_.size());
      index_.emplace_back(piece.key, static_cast<int>(pieces_.size()));
      pieces_.push_back(piece);
    }
    std::sort(index_.begin(), index_.end());
  }

  const OrvFlow& flow() const { return flow_; }
  const std::vector<FilePiece>& pieces() const { return pieces_; }
  // The piece's index, or -1 when the file has no such piece.
  int Find(const PieceKey& key) const {
    const auto found = std::lower_bound(index_.begin(), index_.end(), std::make_pair(key, 0));
    return found == index_.end() || found->first != key ? -1 : found->second;
  }

  // Where a row leads, as a value equal in both files exactly when their Target texts are.
  std::pair<PieceKey, int> TargetKey(int row) const {
    if (row == 0) return {PieceKey(kLeadingRow, 0, 0, 0), 0};
    if (row == flow_.trailingRow()) return {PieceKey(kTrailingRow, 0, 0, 0), 0};
    const FilePiece& piece = pieces_[static_cast<std::size_t>(pieceOfRow_[static_cast<std::size_t>(row)])];
    return {piece.key, row - piece.firstRow};
  }

  // Where a row leads, named by what is there, so the same place reads the same in both files.
  std::string Target(int row) const {
    if (row == 0) return "the leading row";
    if (row == flow_.trailingRow()) return "the end";
    const FilePiece& piece = pieces_[static_cast<std::size_t>(pieceOfRow_[static_cast<std::size_t>(row)])];
    if (row == piece.firstRow) return Label(piece);
    return Label(piece) + ", chunk " + to_string(row - piece.firstRow + 1);
  }

 private:
  const OrvFlow& flow_;
  std::vector<FilePiece> pieces_;
  std::vector<int> pieceOfRow_;
  std::vector<std::pair<PieceKey, int>> index_;  // sorted by key
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

// Whether two pieces are cut into chunks of the same lengths: the game looks an event up at the end of
// each, so the same bytes cut otherwise play differently.
bool SameChunks(const OrvFlow& oldFlow, const FlowPiece& o, const OrvFlow& newFlow, const FlowPiece& n) {
  if (o.rowCount != n.rowCount) return false;
  for (int k = 0; k < o.rowCount; ++k)
    if (oldFlow.RowLength(o.firstRow + k) != newFlow.RowLength(n.firstRow + k)) return false;
  return true;
}

// Payloads are compared a bounded block at a time, so the memory used does not grow with their length.
constexpr std::size_t kCompareBlock = 64 * 1024;

// `n` bytes of the piece's payload from byte `done` of it on; false, with *err naming the file, when
// they cannot be read.
bool ReadPayload(const DiffInput& file, const FlowPiece& piece, std::uint64_t done, std::size_t n, unsigned char* out,
                 std::string* err) {
  const std::uint64_t from = static_cast<std::uint64_t>(file.flow.Row(piece.firstRow).dataOffset) + done;
  if (file.bytes->Read(from, n, out)) return true;
  *err = file.name + ": cannot read bytes " + to_string(from) + " to " + to_string(from + n);
  return false;
}

// Whether two pieces of as many bytes hold the same payload, read up to the first block that differs.
bool SamePayload(const DiffInput& oldFile, const FlowPiece& o, const DiffInput& newFile, const FlowPiece& n, bool* same,
                 std::string* err) {
  std::vector<unsigned char> left(kCompareBlock), right(kCompareBlock);
  *same = true;
  const std::uint64_t length = static_cast<std::uint64_t>(o.bytes);
  for (std::uint64_t done = 0; done < length;) {
    const std::size_t count = static_cast<std::size_t>(std::min<std::uint64_t>(length - done, kCompareBlock));
    if (!ReadPayload(oldFile, o, done, count, left.data(), err) ||
        !ReadPayload(newFile, n, done, count, right.data(), err))
      return false;
    if (std::memcmp(left.data(), right.data(), count) != 0) {
      *same = false;
      return true;
    }
    done += count;
  }
  return true;
}

// A merged piece as the report names it: the new file's where it holds the piece, else the old file's.
const FilePiece& EitherPiece(const FilePiece* oldPiece, const FilePiece* newPiece) {
  return newPiece != nullptr ? *newPiece : *oldPiece;
}

bool ComparePiece(const DiffInput& oldFile, const FilePiece* oldPiece, const DiffInput& newFile,
                  const FilePiece* newPiece, PieceDiff* diff, std::string* err) {
  diff->label = Label(EitherPiece(oldPiece, newPiece));
  if (oldPiece != nullptr) diff->oldSide = *oldPiece;
  if (newPiece != nullptr) diff->newSide = *newPiece;
  if (oldPiece == nullptr || newPiece == nullptr) {
    diff->change = oldPiece == nullptr ? DiffChange::kAdded : DiffChange::kRemoved;
    return true;
  }
  const FlowPiece& o = *oldPiece;
  const FlowPiece& n = *newPiece;
  if (o.bytes == n.bytes && !SamePayload(oldFile, o, newFile, n, &diff->payloadSame, err)) return false;
  diff->change =
      diff->payloadSame && SameChunks(oldFile.flow, o, newFile.flow, n) ? DiffChange::kSame : DiffChange::kChanged;
  return true;
}

// The state a row looks events up in, or -1 for none (no row, or one whose index names no state).
std::int32_t StateAt(const FilePieces& file, int row) { return row < 0 ? -1 : file.flow().StateOf(row); }

struct EventDiff {
  std::int32_t eventId;
  std::string oldTarget, newTarget;  // empty where that state has no pair for the event
};

// The events two states send to different places, in the order of their ids. Places are named only
// where they differ, so a large state costs no text.
std::vector<EventDiff> CompareStates(const FilePieces& oldFile, std::int32_t oldState, const FilePieces& newFile,
                                     std::int32_t newState) {
  const std::vector<OrvPair> o = oldFile.flow().FirstPairsByEvent(oldState);
  const std::vector<OrvPair> n = newFile.flow().FirstPairsByEvent(newState);
  std::vector<EventDiff> diffs;
  auto oi = o.begin();
  auto ni = n.begin();
  while (oi != o.end() || ni != n.end()) {
    const bool takeOld = ni == n.end() || (oi != o.end() && oi->eventId <= ni->eventId);
    const bool takeNew = oi == o.end() || (ni != n.end() && ni->eventId <= oi->eventId);
    if (!takeOld || !takeNew || oldFile.TargetKey(oi->chunkIndex) != newFile.TargetKey(ni->chunkIndex))
      diffs.push_back({takeOld ? oi->eventId : ni->eventId, takeOld ? oldFile.Target(oi->chunkIndex) : std::string(),
                       takeNew ? newFile.Target(ni->chunkIndex) : std::string()});
    if (takeOld) ++oi;
    if (takeNew) ++ni;
  }
  return diffs;
}

// A merged piece as one file has it, or nullptr where it has none.
const FilePiece* PieceIn(const FilePieces& file, int index) {
  return index < 0 ? nullptr : &file.pieces()[static_cast<std::size_t>(index)];
}

// Where the player looks events up, as each file has it: the row whose state it reads, -1 where the
// file has no such place.
struct LookUp {
  int oldRow = -1, newRow = -1;
  DiffPlace place = DiffPlace::kStart;
  const FilePiece* piece = nullptr;  // named as the report names it; none for the start
};

// The start, then each piece between its chunks (where either file cuts it into several) and at its end.
std::vector<LookUp> LookUps(const FilePieces& olds, const FilePieces& news,
                            const std::vector<std::pair<int, int>>& merged) {
  std::vector<LookUp> lookUps;
  lookUps.push_back({0, 0, DiffPlace::kStart, nullptr});
  for (const auto& [o, n] : merged) {
    const FilePiece* oldPiece = PieceIn(olds, o);
    const FilePiece* newPiece = PieceIn(news, n);
    const FilePiece* label = &EitherPiece(oldPiece, newPiece);
    // The chunks before a piece's last share one state, so its first chunk stands for them all.
    auto betweenRow = [](const FilePiece* piece) {
      return piece != nullptr && piece->rowCount > 1 ? piece->firstRow : -1;
    };
    auto endRow = [](const FilePiece* piece) { return piece != nullptr ? piece->firstRow + piece->rowCount - 1 : -1; };
    if (betweenRow(oldPiece) >= 0 || betweenRow(newPiece) >= 0)
      lookUps.push_back({betweenRow(oldPiece), betweenRow(newPiece), DiffPlace::kBetweenChunks, label});
    lookUps.push_back({endRow(oldPiece), endRow(newPiece), DiffPlace::kAtEnd, label});
  }
  return lookUps;
}

class TransitionCompare {
 public:
  TransitionCompare(const FilePieces& oldFile, const FilePieces& newFile, std::vector<LookUp> lookUps, DiffSink* sink,
                    DiffCounts* counts)
      : old_(oldFile), new_(newFile), lookUps_(std::move(lookUps)), sink_(sink), counts_(counts) {
    ShareStates();
  }

  void Run() {
    for (std::size_t i = 0; i < lookUps_.size(); ++i) Place(i);
  }

 private:
  std::pair<std::int32_t, std::int32_t> States(const LookUp& at) const {
    return {StateAt(old_, at.oldRow), StateAt(new_, at.newRow)};
  }

  // Rows of a file not cut as a build cuts may share states, of any size: places that read the same
  // state in each file, where an event differs, become one shared state, whose differences are told
  // once, so the report grows with the pairs and the places, not with their product; where none
  // differs, the states are not walked again for each place. Each pair of states is compared once here
  // and once more when told.
  void ShareStates() {
    std::vector<std::pair<std::pair<std::int32_t, std::int32_t>, std::size_t>> byStates;
    byStates.reserve(lookUps_.size());
    for (std::size_t i = 0; i < lookUps_.size(); ++i) byStates.emplace_back(States(lookUps_[i]), i);
    std::sort(byStates.begin(), byStates.end());
    sharedOf_.assign(lookUps_.size(), kOwnStates);
    for (std::size_t from = 0, to = 0; from < byStates.size(); from = to) {
      while (to < byStates.size() && byStates[to].first == byStates[from].first) ++to;
      if (to - from < 2) continue;
      const auto [oldState, newState] = byStates[from].first;
      const bool alike = CompareStates(old_, oldState, new_, newState).empty();
      if (!alike) shared_.emplace_back();
      for (std::size_t k = from; k < to; ++k) {
        if (alike)
          sharedOf_[byStates[k].second] = kAlike;
        else
          shared_.back().push_back(byStates[k].second);
      }
    }
    // Numbered in the order the report meets them; each one's places are in that order already.
    std::sort(shared_.begin(), shared_.end());
    for (std::size_t s = 0; s < shared_.size(); ++s)
      for (std::size_t i : shared_[s]) sharedOf_[i] = static_cast<int>(s);
  }

  void Place(std::size_t i) {
    const LookUp& at = lookUps_[i];
    TransitionDiff diff;
    diff.place = at.place;
    if (at.piece != nullptr) diff.piece = Label(*at.piece);
    const int shared = sharedOf_[i];
    // A shared state is told at its first place; each place still has its own way on.
    if (shared == kAlike || (shared >= 0 && shared_[static_cast<std::size_t>(shared)].front() != i)) {
      AnyOtherEvent(at, &diff);
      return;
    }
    std::int64_t places = 1;
    if (shared >= 0) {
      TellShared(shared);
      diff.sharedState = shared;
      places = static_cast<std::int64_t>(shared_[static_cast<std::size_t>(shared)].size());
    }
    const auto [oldState, newState] = States(at);
    for (const EventDiff& event : CompareStates(old_, oldState, new_, newState)) {
      diff.eventId = event.eventId;
      Report(&diff, event.oldTarget, event.newTarget, places);
    }
    diff.sharedState = -1;
    AnyOtherEvent(at, &diff);
  }

  void TellShared(int shared) {
    SharedState state;
    state.index = shared;
    const std::vector<std::size_t>& places = shared_[static_cast<std::size_t>(shared)];
    state.places.reserve(places.size());
    for (std::size_t k : places)
      state.places.push_back({lookUps_[k].place, lookUps_[k].piece != nullptr ? Label(*lookUps_[k].piece) : ""});
    sink_->Shared(state);
  }

  // The events the state has no pair for run on to the next row; within a piece that stays in it.
  void AnyOtherEvent(const LookUp& at, TransitionDiff* diff) {
    if (at.place == DiffPlace::kBetweenChunks) return;
    diff->anyOtherEvent = true;
    diff->eventId = 0;
    Report(diff, at.oldRow >= 0 ? old_.Target(at.oldRow + 1) : std::string(),
           at.newRow >= 0 ? new_.Target(at.newRow + 1) : std::string(), 1);
  }

  void Report(TransitionDiff* diff, const std::string& oldTarget, const std::string& newTarget, std::int64_t places) {
    if (oldTarget == newTarget) return;
    diff->oldTarget = oldTarget;
    diff->newTarget = newTarget;
    diff->change = oldTarget.empty()   ? DiffChange::kAdded
                   : newTarget.empty() ? DiffChange::kRemoved
                                       : DiffChange::kChanged;
    counts_->transitions[diff->change] += places;
    sink_->Transition(*diff);
  }

  const FilePieces& old_;
  const FilePieces& new_;
  const std::vector<LookUp> lookUps_;
  DiffSink* sink_;
  DiffCounts* counts_;
  // For each look-up, its shared state, or one of these.
  static constexpr int kOwnStates = -1;  // the only place to read its two states
  static constexpr int kAlike = -2;      // its states differ in no event, as at other places
  std::vector<int> sharedOf_;
  std::vector<std::vector<std::size_t>> shared_;  // each shared state's places
};

}  // namespace

bool DiffOrv(const DiffInput& oldFile, const DiffInput& newFile, DiffSink* sink, DiffCounts* totals, std::string* err) {
  const FilePieces olds(oldFile.flow);
  const FilePieces news(newFile.flow);
  const std::vector<std::pair<int, int>> merged = MergePieces(olds, news);
  DiffCounts counts;
  for (const auto& [o, n] : merged) {
    PieceDiff diff;
    if (!ComparePiece(oldFile, PieceIn(olds, o), newFile, PieceIn(news, n), &diff, err)) return false;
    ++counts.pieces[diff.change];
    sink->Piece(diff);
  }

  sink->Transitions();
  TransitionCompare(olds, news, LookUps(olds, news, merged), sink, &counts).Run();
  *totals = counts;
  sink->End(counts);
  return true;
}

#include "read/layout_tables.h"

#include <string>

namespace {

// At most this many marks are placed in a file's states, whatever their count: a record is then found
// by walking at most stateCount / kStateMarks records.
constexpr std::size_t kStateMarks = 32768;

}  // namespace

bool HeldTables::Row(std::size_t r, ChunkRow* row) {
  if (r >= layout_.rows.size()) return false;
  *row = layout_.rows[r];
  return true;
}

void HeldTables::Walk(OrvVisitor* visitor) {
  for (std::size_t s = 0; s < layout_.states.size(); ++s) {
    const OrvState& state = layout_.states[s];
    visitor->OnState(s, state);
    for (const OrvPair& pair : state.pairs) visitor->OnPair(s, pair);
  }
  if (!layout_.haveRows) return;
  for (std::size_t r = 0; r < layout_.rows.size(); ++r) visitor->OnRow(r, layout_.rows[r]);
}

bool HeldTables::PairCount(std::size_t s, std::int32_t* count) {
  if (s >= layout_.states.size()) return false;
  *count = static_cast<std::int32_t>(layout_.states[s].pairs.size());
  return true;
}

bool HeldTables::Pair(std::size_t s, std::size_t k, OrvPair* pair) {
  if (s >= layout_.states.size() || k >= layout_.states[s].pairs.size()) return false;
  *pair = layout_.states[s].pairs[k];
  return true;
}

bool FileTables::Row(std::size_t r, ChunkRow* row) {
  if (!layout_.haveRows || r >= static_cast<std::size_t>(layout_.chunkCount)) return false;
  const std::uint64_t rowsLeft = static_cast<std::uint64_t>(layout_.chunkCount) - r;
  return in_->ReadRow(layout_.headerLength - orv::kRowBytes * rowsLeft, row);
}

void FileTables::Walk(OrvVisitor* visitor) {
  // The same walk stops where the first one did, so the visitor sees what the counts describe.
  OrvLayout again;
  std::string err;
  WalkOrvLayout(in_, &again, visitor, &err);
}

bool FileTables::PairCount(std::size_t s, std::int32_t* count) {
  Record record;
  if (!Find(s, &record)) return false;
  *count = record.pairCount;
  return true;
}

bool FileTables::Pair(std::size_t s, std::size_t k, OrvPair* pair) {
  Record record;
  if (!Find(s, &record) || k >= static_cast<std::size_t>(record.pairCount)) return false;
  return in_->ReadTwoWords(record.offset + orv::kPairBytes * (k + 1), &pair->eventId, &pair->chunkIndex);
}

bool FileTables::ReadRecord(std::size_t s, std::uint64_t offset, Record* record) {
  std::int32_t zeroWord = 0;
  if (!in_->ReadTwoWords(offset, &zeroWord, &record->pairCount) || record->pairCount < 0) return false;
  record->state = s;
  record->offset = offset;
  return true;
}

bool FileTables::PlaceMarks() {
  const std::size_t states = layout_.statesRead;
  markStep_ = (states + kStateMarks - 1) / kStateMarks;
  if (markStep_ == 0) markStep_ = 1;
  marks_.clear();
  marks_.reserve((states + markStep_ - 1) / markStep_);
  Record record;
  std::uint64_t offset = orv::kStateTableOffset;
  for (std::size_t s = 0; s < states; ++s) {
    if (s % markStep_ == 0) marks_.push_back(offset);
    if (!ReadRecord(s, offset, &record)) return false;
    offset += orv::kPairBytes * (1 + static_cast<std::uint64_t>(record.pairCount));
  }
  return true;
}

bool FileTables::Find(std::size_t s, Record* record) {
  if (s >= layout_.statesRead) return false;
  // A file that failed its marks once is not walked whole again on every look-up.
  if (markStep_ == 0 && (marksFailed_ || !PlaceMarks())) {
    markStep_ = 0;
    marksFailed_ = true;
    return false;
  }
  for (const Record& seen : recent_)
    if (seen.offset != 0 && seen.state == s) {
      *record = seen;
      return true;
    }
  // From the mark before s, or from a record found lately that lies between the two.
  const std::size_t mark = s / markStep_;
  Record from;
  if (!ReadRecord(mark * markStep_, marks_[mark], &from)) return false;
  for (const Record& seen : recent_)
    if (seen.offset != 0 && seen.state > from.state && seen.state < s) from = seen;
  while (from.state < s)
    if (!ReadRecord(from.state + 1, from.offset + orv::kPairBytes * (1 + static_cast<std::uint64_t>(from.pairCount)),
                    &from))
      return false;
  recent_[1] = recent_[0];
  recent_[0] = from;
  *record = from;
  return true;
}

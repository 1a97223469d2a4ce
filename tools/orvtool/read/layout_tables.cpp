#include "read/layout_tables.h"

#include <string>

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

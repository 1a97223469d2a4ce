#include "read/sound_tables.h"

#include <cstddef>

ChunkRow SoundTables::Row(int row) {
  ChunkRow value;
  const std::int32_t states = layout().stateCount;
  // The leading and trailing rows hold state 0 as a mark; the rows between name a state.
  const bool end = row == 0 || row == trailingRow();
  if (row >= 0 && tables_->Row(static_cast<std::size_t>(row), &value) &&
      (end ? value.stateIndex == 0 : value.stateIndex >= 0 && value.stateIndex < states))
    return value;
  intact_ = false;
  return ChunkRow();
}

std::int32_t SoundTables::PairCount(std::int32_t state) {
  std::int32_t count = 0;
  if (state >= 0 && tables_->PairCount(static_cast<std::size_t>(state), &count)) return count;
  intact_ = false;
  return 0;
}

OrvPair SoundTables::Pair(std::int32_t state, std::int32_t k) {
  OrvPair pair;
  if (state >= 0 && k >= 0 && tables_->Pair(static_cast<std::size_t>(state), static_cast<std::size_t>(k), &pair) &&
      pair.chunkIndex >= 0 && pair.chunkIndex < layout().chunkCount)
    return pair;
  intact_ = false;
  return OrvPair();
}

#include "build_tables.h"

#include <climits>

#include "event_table.h"
#include "orv_format.h"

namespace {

// The smallest header a build writes: state 0's one pair, the leading and the trailing rows.
constexpr std::int64_t kSmallestHeader = orv::HeaderLength(orv::StateWords(1), 2);

}  // namespace

bool BuildTables::CutChunks(const ScriptEntry* entries, int n, const std::string& output, std::string* err) {
  std::int64_t payloads = 0;
  for (int e = 0; e < n; ++e) payloads += entries[e].payloadLength;
  // Even the smallest header must leave every offset within 32 bits.
  if (payloads > INT32_MAX - kSmallestHeader) {
    *err = "Error, the sources hold " + std::to_string(payloads) + " payload bytes, more than " + output +
           "'s 32-bit offsets can address (" + std::to_string(INT32_MAX) + "), aborting.";
    return false;
  }

  // The leading row; its offset becomes the header length once the file is placed.
  chunks_[0] = {0, 0, 0};
  int d = 1;
  std::int64_t total = 0;
  for (int e = 0; e < n; ++e) {
    entries_[e] = {entries[e].eventId, d, entries[e].loop};
    std::int32_t remaining = entries[e].payloadLength;
    while (remaining > 0) {
      const std::int32_t piece = remaining < orv::kMaxChunkLength ? remaining : orv::kMaxChunkLength;
      const std::int32_t state = piece == remaining ? orv::EntryLastState(e) : orv::EntryState(e);
      chunks_[d] = {static_cast<std::int32_t>(total), state, orv::ScaledLength(piece)};
      remaining -= piece;
      total += piece;
      ++d;
    }
  }
  chunks_[d] = {static_cast<std::int32_t>(total), 0, 0};
  chunkCount_ = d + 1;
  entryCount_ = n;
  payloadTotal_ = total;
  return true;
}

int BuildTables::Append(std::int32_t word) {
  if (stateWordCount_ >= kMaxStateWords) {
    stateWordsOverflowed_ = true;
    return -1;
  }
  stateWords_[stateWordCount_] = word;
  return stateWordCount_++;
}

void BuildTables::AppendState(int e, std::int32_t ownTarget) {
  Append(0);
  const int countAt = Append(0);
  int pairs = 0;
  if (ownTarget != -1) {
    Append(entries_[e].eventId);
    Append(ownTarget);
    ++pairs;
  }
  for (std::int32_t i = 0; i <= kMaxPairedEventId; ++i) {
    if (i == entries_[e].eventId) continue;
    for (int j = 0; j < entryCount_; ++j) {
      if (entries_[j].loop || entries_[j].eventId != i) continue;
      Append(i);
      Append(entries_[j].firstChunk);
      ++pairs;
    }
  }
  if (countAt >= 0) stateWords_[countAt] = pairs;
}

bool BuildTables::BuildStates(std::string* err) {
  stateWordCount_ = 0;
  stateWordsOverflowed_ = false;
  // State 0: event 0 starts the first chunk.
  for (std::int32_t word : {0, 1, 0, 1}) Append(word);
  for (int e = 0; e < entryCount_; ++e) {
    const EntryRow& row = entries_[e];
    // Every chunk but the entry's last: the other events' Begin pieces.
    AppendState(e, -1);
    // The entry's last chunk: its own event leads on, a Begin piece to what follows it (the trailing
    // row when nothing does), a Loop piece back to its own start.
    const std::int32_t next = e + 1 < entryCount_ ? entries_[e + 1].firstChunk : chunkCount_ - 1;
    AppendState(e, row.loop ? row.firstChunk : next);
  }
  if (stateWordsOverflowed_) {
    *err = "Error, the build needs more than " + std::to_string(kMaxStateWords) + " state words, aborting.";
    return false;
  }
  return true;
}

bool BuildTables::PlaceInFile(const std::string& output, std::string* err) {
  const std::int64_t h = headerLength();
  if (h + payloadTotal_ > INT32_MAX) {
    *err = "Error, " + output + " would be " + std::to_string(h + payloadTotal_) +
           " bytes long, more than its 32-bit offsets can address (" + std::to_string(INT32_MAX) + "), aborting.";
    return false;
  }
  for (int i = 0; i < chunkCount_; ++i) chunks_[i].dataOffset += static_cast<std::int32_t>(h);
  return true;
}

// Feeds arbitrary bytes to orvtool info's reading of an ORV file: it must never read past the bytes,
// never hold more than the file can justify, and a file it calls valid must be valid when walked again
// here straight from the bytes: its records end where the chunk table begins, every chunk runs from
// its row's offset to the next row's and holds 1 to 60000 bytes, and the trailing row ends the file.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "orv_format.h"
#include "read/byte_source.h"
#include "read/layout.h"
#include "read/source_verdict.h"
#include "report/info_json.h"
#include "report/info_text.h"

namespace {

// The word at `offset`, which the caller has made sure lies within the data.
std::int64_t WordAt(const std::uint8_t* data, std::uint64_t offset) { return orv::GetWord(data + offset); }

// The walk a player makes to find the chunks, done without the reader.
void CheckValidFile(const std::uint8_t* data, std::size_t size, const OrvLayout& layout) {
  if (size < 16 || static_cast<std::uint32_t>(WordAt(data, 0)) != orv::kMagic) std::abort();
  const std::int64_t stateCount = WordAt(data, 8);
  std::uint64_t pos = 12;
  for (std::int64_t s = 0; s < stateCount; ++s) {
    if (pos + 8 > size) std::abort();
    const std::int64_t pairCount = WordAt(data, pos + 4);
    if (pairCount < 0) std::abort();
    pos += 8 + 8 * static_cast<std::uint64_t>(pairCount);
  }
  if (pos + 4 > size) std::abort();
  const std::int64_t chunkCount = WordAt(data, pos);
  pos += 4;
  if (chunkCount < 2 || pos + 12 * static_cast<std::uint64_t>(chunkCount) > size) std::abort();
  const std::uint64_t header = pos + 12 * static_cast<std::uint64_t>(chunkCount);
  if (header != layout.headerLength) std::abort();

  auto offsetOf = [&](std::int64_t row) { return WordAt(data, pos + 12 * static_cast<std::uint64_t>(row)); };
  if (offsetOf(0) != static_cast<std::int64_t>(header) || offsetOf(1) != offsetOf(0)) std::abort();
  std::int64_t payload = 0;
  for (std::int64_t r = 1; r + 1 < chunkCount; ++r) {
    const std::int64_t length = offsetOf(r + 1) - offsetOf(r);
    if (length < 1 || length > orv::kMaxChunkLength) std::abort();
    const std::int64_t stateIndex = WordAt(data, pos + 12 * static_cast<std::uint64_t>(r) + 4);
    if (stateIndex < 0 || stateIndex >= stateCount) std::abort();
    payload += length;
  }
  if (offsetOf(chunkCount - 1) != static_cast<std::int64_t>(size)) std::abort();
  if (static_cast<std::uint64_t>(payload) != size - header) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  MemorySource bytes(std::vector<unsigned char>(data, data + size));
  OrvLayout layout;
  std::string err;
  const bool valid = InspectOrv(&bytes, &layout, &err);
  if (valid != err.empty()) std::abort();
  if (valid) CheckValidFile(data, size, layout);
  // Every state, pair and row held was read from the file: each takes at least 8, 8 and 12 of its bytes.
  if (layout.statesRead() * 8 + layout.pairs.size() * 8 + layout.rows.size() * 12 > size) std::abort();

  const SourceVerdict verdict = JudgeSourceOf(&bytes);
  const bool source = verdict.accepted();
  if (source && (verdict.payloadEnd < 56 || static_cast<std::size_t>(verdict.payloadEnd) > size)) std::abort();
  // The reports are made of what was read: they must not trip on a half-read layout.
  std::string report;
  WriteInfoText(layout, "f", verdict, valid, AppendTo(&report));
  WriteOrvJson(layout, "f", err, source, AppendTo(&report));
  return 0;
}

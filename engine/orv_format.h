// The ORV file layout, described once, and the little-endian helpers that read and write it.
//
// Every number is a signed 32-bit little-endian word; there is no padding anywhere.
//
//   offset        words             field
//   0             1                 magic 0x3F35C28F (the bits of the float 0.71)
//   4             1                 0
//   8             1                 stateCount
//   12            W                 state table: stateCount records back to back, each
//                                   {0, pairCount, eventId_0, chunkIndex_0, ... } (2 + 2 * pairCount words)
//   12 + 4W       1                 chunkCount
//   16 + 4W       3 * chunkCount    chunk table: rows {dataOffset, stateIndex, scaledLength}
//   H             -                 payload area, H = 16 + 4W + 12 * chunkCount
//
// Row 0 is the leading row {H, 0, 0}; rows 1 to chunkCount - 2 are the chunks in payload order, each at
// most 60000 bytes, with scaledLength = (length / 30) * 112; the last row is {file size, 0, 0}. A chunk's
// length is the next row's dataOffset minus its own, so chunkCount is at least 2.
//
// A source is a single-state ORV (stateCount 1) whose payload runs from byte 56 up to the offset held in
// the word at byte 44, whatever its own tables say.
#ifndef ORV_ENGINE_ORV_FORMAT_H_
#define ORV_ENGINE_ORV_FORMAT_H_

#include <cstdint>

// One row of the chunk table, as the file holds it.
struct ChunkRow {
  std::int32_t dataOffset = 0;
  std::int32_t stateIndex = 0;
  std::int32_t scaledLength = 0;
};

namespace orv {

constexpr std::uint32_t kMagic = 0x3F35C28Fu;
constexpr std::int32_t kMaxChunkLength = 60000;

// Fixed places in a source file.
constexpr long kSourceStateCountOffset = 8;
constexpr long kSourcePayloadEndOffset = 44;
constexpr std::int32_t kSourcePayloadStart = 56;

constexpr std::int32_t ScaledLength(std::int32_t chunkLength) { return chunkLength / 30 * 112; }

inline void PutWord(unsigned char* out, std::int32_t value) {
  const std::uint32_t v = static_cast<std::uint32_t>(value);
  out[0] = static_cast<unsigned char>(v);
  out[1] = static_cast<unsigned char>(v >> 8);
  out[2] = static_cast<unsigned char>(v >> 16);
  out[3] = static_cast<unsigned char>(v >> 24);
}

inline std::int32_t GetWord(const unsigned char* in) {
  const std::uint32_t v = static_cast<std::uint32_t>(in[0]) | static_cast<std::uint32_t>(in[1]) << 8 |
                          static_cast<std::uint32_t>(in[2]) << 16 | static_cast<std::uint32_t>(in[3]) << 24;
  return static_cast<std::int32_t>(v);
}

}  // namespace orv

#endif  // ORV_ENGINE_ORV_FORMAT_H_

// The ORV file layout, described once, with the sizes and the numbering of states that every reader and
// writer of it uses, and the little-endian helpers that read and write its words, whatever holds them.
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
// A build numbers the states by the script's entries: state 0 leads in, and entry e (counted from 0) has
// state 2e + 1 for each of its chunks but the last and state 2e + 2 for its last chunk, so n entries make
// 2n + 1 states.
//
// A source is a single-state ORV (stateCount 1) whose payload runs from byte 56 up to the offset held in
// the word at byte 44, whatever its own tables say.
#ifndef ORV_ENGINE_ORV_FORMAT_H_
#define ORV_ENGINE_ORV_FORMAT_H_

#include <cstddef>
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

// --- sizes and places
constexpr std::int64_t kWordBytes = 4;
// A pair {eventId, chunkIndex}, and a state record's leading {0, pairCount}.
constexpr std::int64_t kPairBytes = 2 * kWordBytes;
constexpr std::int64_t kRowBytes = 3 * kWordBytes;
constexpr std::int64_t kMagicOffset = 0;
constexpr std::int64_t kZeroWordOffset = 4;
constexpr std::int64_t kStateCountOffset = 8;
constexpr std::int64_t kStateTableOffset = 12;

// The words of a state record of pairCount pairs.
constexpr std::int64_t StateWords(std::int64_t pairCount) { return 2 + 2 * pairCount; }

// H, for W state words and chunkCount rows.
constexpr std::int64_t HeaderLength(std::int64_t stateWords, std::int64_t chunkCount) {
  return kStateTableOffset + kWordBytes * stateWords + kWordBytes + kRowBytes * chunkCount;
}

// --- the states of a built file
// Every chunk of entry e but its last.
constexpr std::int32_t EntryState(std::int32_t e) { return 2 * e + 1; }
// Entry e's last chunk.
constexpr std::int32_t EntryLastState(std::int32_t e) { return 2 * e + 2; }
// The entry whose chunks a state of 1 or more is for.
constexpr std::int32_t EntryOfState(std::int32_t state) { return (state - 1) / 2; }
constexpr std::int32_t StateCountFor(std::int32_t entries) { return 2 * entries + 1; }

// --- fixed places in a source file
constexpr std::int64_t kSourcePayloadEndOffset = 44;
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

inline void PutRow(unsigned char* out, const ChunkRow& row) {
  PutWord(out, row.dataOffset);
  PutWord(out + kWordBytes, row.stateIndex);
  PutWord(out + 2 * kWordBytes, row.scaledLength);
}

inline ChunkRow GetRow(const unsigned char* in) {
  return {GetWord(in), GetWord(in + kWordBytes), GetWord(in + 2 * kWordBytes)};
}

}  // namespace orv

// A file's bytes read at absolute offsets: the one way the build's source check and orvtool's
// inspection read a file, whatever holds it.
class WordReader {
 public:
  virtual ~WordReader() = default;
  // Copies n bytes from offset into out; false when any of them lies past the end or cannot be read.
  virtual bool Read(std::uint64_t offset, std::size_t n, unsigned char* out) = 0;

  // The word at offset; false when the file does not hold it.
  bool ReadWord(std::uint64_t offset, std::int32_t* value) {
    unsigned char bytes[orv::kWordBytes];
    if (!Read(offset, sizeof bytes, bytes)) return false;
    *value = orv::GetWord(bytes);
    return true;
  }
};

#endif  // ORV_ENGINE_ORV_FORMAT_H_

// Builds ORV files byte by byte for tests: little-endian words, whole files from their words, and
// single-state sources with a payload that can be recognised again.
#ifndef ORV_TESTS_ORV_BYTES_H_
#define ORV_TESTS_ORV_BYTES_H_

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

inline void AppendWord(Bytes* out, std::int64_t value) {
  const std::uint32_t v = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out->push_back(static_cast<std::uint8_t>(v >> shift));
}

inline Bytes Words(std::initializer_list<std::int64_t> words) {
  Bytes out;
  for (std::int64_t w : words) AppendWord(&out, w);
  return out;
}

inline std::int32_t WordAt(const Bytes& bytes, std::size_t offset) {
  std::uint32_t word = 0;
  for (int i = 3; i >= 0; --i) word = word << 8 | bytes[offset + static_cast<std::size_t>(i)];
  return static_cast<std::int32_t>(word);
}

// Walks a file's state records by their pair counts, from the stateCount at byte 8. True, with each
// record's pair count and the offset of the chunkCount word that follows the last record, when every
// record and that word lie within the bytes.
inline bool WalkStates(const Bytes& file, std::vector<int>* pairCounts, std::size_t* chunkTable) {
  if (file.size() < 12) return false;
  std::size_t at = 12;
  for (std::int32_t s = 0; s < WordAt(file, 8); ++s) {
    if (at + 8 > file.size()) return false;
    const std::int32_t pairs = WordAt(file, at + 4);
    if (pairs < 0) return false;
    pairCounts->push_back(pairs);
    at += 8 + 8 * static_cast<std::size_t>(pairs);
  }
  *chunkTable = at;
  return at + 4 <= file.size();
}

inline void SetWord(Bytes* bytes, std::size_t offset, std::int32_t value) {
  const std::uint32_t v = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) (*bytes)[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

inline Bytes Prefix(const Bytes& bytes, std::size_t length) {
  return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
}

inline Bytes Concat(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Magic, 0, stateCount, the state words, chunkCount, the rows (three words each), then the payload.
inline Bytes MakeOrv(std::int32_t stateCount, const std::vector<std::int32_t>& stateWords,
                     const std::vector<std::int32_t>& rowWords, const Bytes& payload) {
  Bytes out;
  for (std::int64_t w : {std::int64_t{0x3F35C28F}, std::int64_t{0}, std::int64_t{stateCount}}) AppendWord(&out, w);
  for (std::int32_t w : stateWords) AppendWord(&out, w);
  AppendWord(&out, static_cast<std::int64_t>(rowWords.size() / 3));
  for (std::int32_t w : rowWords) AppendWord(&out, w);
  return Concat(out, payload);
}

// The same with `payloadLength` bytes of filler for a payload, where only the layout matters.
inline Bytes MakeOrv(std::int32_t stateCount, const std::vector<std::int32_t>& stateWords,
                     const std::vector<std::int32_t>& rowWords, std::size_t payloadLength) {
  return MakeOrv(stateCount, stateWords, rowWords, Bytes(payloadLength, 0x5A));
}

// Payload bytes that differ from source to source and from offset to offset.
inline Bytes PayloadPattern(std::size_t length, std::uint8_t seed) {
  Bytes out(length);
  for (std::size_t i = 0; i < length; ++i) out[i] = static_cast<std::uint8_t>(seed * 31 + i * 7 + i / 251);
  return out;
}

// A single-state source as the audio tool makes it: 56-byte header, then the payload.
inline Bytes SourceFile(const Bytes& payload) {
  const std::int32_t end = 56 + static_cast<std::int32_t>(payload.size());
  return MakeOrv(1, {0, 1, 0, 1}, {56, 0, 0, end, 0, 0}, payload);
}

#endif  // ORV_TESTS_ORV_BYTES_H_

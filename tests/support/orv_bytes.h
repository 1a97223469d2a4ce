// Builds ORV files byte by byte for tests: little-endian words, and single-state sources with a
// payload that can be recognised again.
#ifndef ORV_TESTS_ORV_BYTES_H_
#define ORV_TESTS_ORV_BYTES_H_

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

// Payload bytes that differ from source to source and from offset to offset.
inline Bytes PayloadPattern(std::size_t length, std::uint8_t seed) {
  Bytes out(length);
  for (std::size_t i = 0; i < length; ++i) out[i] = static_cast<std::uint8_t>(seed * 31 + i * 7 + i / 251);
  return out;
}

// A single-state source as the audio tool makes it: 56-byte header, then the payload.
inline Bytes SourceFile(const Bytes& payload) {
  const std::int64_t end = 56 + static_cast<std::int64_t>(payload.size());
  Bytes out = Words({0x3F35C28F, 0, 1, 0, 1, 0, 1, 2, 56, 0, 0, end, 0, 0});
  out.insert(out.end(), payload.begin(), payload.end());
  return out;
}

#endif  // ORV_TESTS_ORV_BYTES_H_

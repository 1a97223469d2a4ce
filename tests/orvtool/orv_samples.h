// Hand-made ORV files for the orvtool tests, assembled word by word from the worked examples of a build.
#ifndef ORVTOOL_TESTS_ORV_SAMPLES_H_
#define ORVTOOL_TESTS_ORV_SAMPLES_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "orv_format.h"

using Bytes = std::vector<unsigned char>;

inline void SetWord(Bytes* bytes, std::size_t offset, std::int32_t value) {
  orv::PutWord(bytes->data() + offset, value);
}

inline Bytes Prefix(const Bytes& bytes, std::size_t length) {
  return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
}

// Magic, 0, stateCount, the state words, chunkCount, the rows (three words each), then the payload.
inline Bytes MakeOrv(std::int32_t stateCount, const std::vector<std::int32_t>& stateWords,
                     const std::vector<std::int32_t>& rowWords, std::size_t payloadLength) {
  std::vector<std::int32_t> words = {static_cast<std::int32_t>(orv::kMagic), 0, stateCount};
  words.insert(words.end(), stateWords.begin(), stateWords.end());
  words.push_back(static_cast<std::int32_t>(rowWords.size() / 3));
  words.insert(words.end(), rowWords.begin(), rowWords.end());
  Bytes bytes(words.size() * 4 + payloadLength, 0x5A);
  for (std::size_t i = 0; i < words.size(); ++i) SetWord(&bytes, 4 * i, words[i]);
  return bytes;
}

// A build of no entries.
inline Bytes EmptyBuild() { return MakeOrv(1, {0, 1, 0, 1}, {56, 0, 0, 56, 0, 0}, 0); }

// Event 0, Begin 100 bytes, Loop 70000 bytes: state 1 at byte 28, chunkCount at 76, rows from 80, H 140.
inline Bytes BeginLoopBuild() {
  return MakeOrv(5, {0, 1, 0, 1, 0, 0, 0, 1, 0, 2, 0, 0, 0, 1, 0, 2},
                 {140, 0, 0, 140, 2, 336, 240, 3, 224000, 60240, 4, 37296, 70240, 0, 0}, 70100);
}

// Events 0 and 1, each with a Begin and a Loop of 30 bytes.
inline Bytes TwoEventBuild() {
  return MakeOrv(9, {0, 1, 0, 1, 0, 1, 1, 3, 0, 2, 0, 2, 1, 3, 0, 1, 1, 3, 0, 2, 0, 2,
                     1, 3, 0, 1, 0, 1, 0, 2, 1, 4, 0, 1, 0, 1, 0, 1, 0, 2, 1, 4, 0, 1},
                 {264, 0, 0, 264, 2, 112, 294, 4, 112, 324, 6, 112, 354, 8, 112, 384, 0, 0}, 120);
}

// Event 0 with a "null" Begin and a Loop of 45 bytes.
inline Bytes NullBeginBuild() {
  return MakeOrv(5, {0, 1, 0, 1, 0, 0, 0, 1, 0, 1, 0, 0, 0, 1, 0, 1}, {116, 0, 0, 116, 4, 112, 161, 0, 0}, 45);
}

// Event 0 with a Begin of 30 bytes and a "null" Loop: the Begin's event leads to the trailing row.
inline Bytes NullLoopBuild() {
  return MakeOrv(5, {0, 1, 0, 1, 0, 0, 0, 1, 0, 2, 0, 0, 0, 1, 0, 2}, {116, 0, 0, 116, 2, 112, 146, 0, 0}, 30);
}

#endif  // ORVTOOL_TESTS_ORV_SAMPLES_H_

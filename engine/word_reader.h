// Reading the little-endian words of a file at absolute offsets, whatever holds its bytes: the one way
// the build's source check and orvtool's inspection read them.
#ifndef ORV_ENGINE_WORD_READER_H_
#define ORV_ENGINE_WORD_READER_H_

#include <cstddef>
#include <cstdint>

#include "orv_format.h"

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

#endif  // ORV_ENGINE_WORD_READER_H_

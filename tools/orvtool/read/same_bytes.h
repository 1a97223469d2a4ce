// Whether two stretches of bytes, each in a file of its own, hold the same content. They are read a
// bounded block at a time, so the memory used does not grow with their length.
#ifndef ORVTOOL_READ_SAME_BYTES_H_
#define ORVTOOL_READ_SAME_BYTES_H_

#include <cstdint>
#include <string>

#include "read/byte_source.h"

// One stretch: where it starts in its file, and the file's name for a message.
struct ByteStretch {
  ByteSource* bytes;
  std::uint64_t from;
  std::string name;
};

// Compares `length` bytes of a with as many of b, stopping at the first block that differs. False, with
// *err naming the file, when either cannot be read.
bool SameBytes(const ByteStretch& a, const ByteStretch& b, std::uint64_t length, bool* same, std::string* err);

#endif  // ORVTOOL_READ_SAME_BYTES_H_

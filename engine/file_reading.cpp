#include "file_reading.h"

#include <cstdio>

#include "orv_format.h"

bool ReadWordAt(std::FILE* f, std::int64_t offset, std::int32_t* value) {
  unsigned char bytes[orv::kWordBytes];
  if (!SeekTo(f, offset) || std::fread(bytes, 1, sizeof bytes, f) != sizeof bytes) return false;
  *value = orv::GetWord(bytes);
  return true;
}

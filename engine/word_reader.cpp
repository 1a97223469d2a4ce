#include "word_reader.h"

#include "file_reading.h"
#include "orv_format.h"

bool WordReader::ReadWord(std::uint64_t offset, std::int32_t* value) {
  unsigned char bytes[orv::kWordBytes];
  if (!Read(offset, sizeof bytes, bytes)) return false;
  *value = orv::GetWord(bytes);
  return true;
}

bool FileWords::Read(std::uint64_t offset, std::size_t n, unsigned char* out) {
  return SeekTo(file_, static_cast<std::int64_t>(offset)) && std::fread(out, 1, n, file_) == n;
}

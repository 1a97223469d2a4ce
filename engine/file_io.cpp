#include "file_io.h"

#include "orv_format.h"

FilePtr OpenFile(const char* path, const char* mode) { return FilePtr(std::fopen(path, mode)); }

bool SeekTo(std::FILE* f, std::int64_t offset) {
#ifdef _WIN32
  return _fseeki64(f, offset, SEEK_SET) == 0;
#else
  return fseeko(f, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
}

std::int64_t FileSize(std::FILE* f) {
#ifdef _WIN32
  if (_fseeki64(f, 0, SEEK_END) != 0) return -1;
  return _ftelli64(f);
#else
  if (fseeko(f, 0, SEEK_END) != 0) return -1;
  return static_cast<std::int64_t>(ftello(f));
#endif
}

bool ReadWordAt(std::FILE* f, std::int64_t offset, std::int32_t* value) {
  unsigned char bytes[4];
  if (!SeekTo(f, offset) || std::fread(bytes, 1, sizeof bytes, f) != sizeof bytes) return false;
  *value = orv::GetWord(bytes);
  return true;
}

#include "system_calls.h"

#include <direct.h>

#include <cerrno>
#include <cstring>
#include <limits>

bool ChangeDirectory(const std::string& dir, std::string* err) {
  if (_chdir(dir.c_str()) == 0) return true;
  *err = std::strerror(errno);
  return false;
}

bool SeekFile(std::FILE* file, std::uint64_t offset) {
  if (offset > static_cast<std::uint64_t>(std::numeric_limits<long long>::max())) return false;
  return _fseeki64(file, static_cast<long long>(offset), SEEK_SET) == 0;
}

bool FileSize(std::FILE* file, std::uint64_t* size) {
  if (_fseeki64(file, 0, SEEK_END) != 0) return false;
  const long long end = _ftelli64(file);
  if (end < 0) return false;
  *size = static_cast<std::uint64_t>(end);
  return true;
}

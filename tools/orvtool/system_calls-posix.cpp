#include "system_calls.h"

#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <limits>

bool ChangeDirectory(const std::string& dir, std::string* err) {
  if (chdir(dir.c_str()) == 0) return true;
  *err = std::strerror(errno);
  return false;
}

bool SeekFile(std::FILE* file, std::uint64_t offset) {
  if (offset > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max())) return false;
  return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
}

bool FileSize(std::FILE* file, std::uint64_t* size) {
  if (fseeko(file, 0, SEEK_END) != 0) return false;
  const off_t end = ftello(file);
  if (end < 0) return false;
  *size = static_cast<std::uint64_t>(end);
  return true;
}

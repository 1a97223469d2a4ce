#include "file_io.h"

#include "orv_format.h"

#ifdef __linux__
#include <cerrno>
#include <unistd.h>
#endif

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

CopyResult KernelCopy(std::FILE* source, std::int64_t offset, std::int64_t length, std::FILE* out,
                      std::int64_t* copied) {
  *copied = 0;
#ifdef __linux__
  off_t from = static_cast<off_t>(offset);
  while (*copied < length) {
    const ssize_t n = copy_file_range(fileno(source), &from, fileno(out), nullptr,
                                      static_cast<std::size_t>(length - *copied), 0);
    if (n > 0) {
      *copied += n;
      continue;
    }
    if (n == 0) return kReadFailed;  // the source ends early
    if (errno == EINTR) continue;
    if (errno == ENOSPC || errno == EFBIG || errno == EDQUOT) return kWriteFailed;
    if (errno == EIO) return kReadFailed;
    return kCopyUnsupported;
  }
  return kCopied;
#else
  (void)source;
  (void)offset;
  (void)length;
  (void)out;
  return kCopyUnsupported;
#endif
}

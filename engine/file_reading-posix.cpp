#include "file_reading.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

PathInfo InspectPath(const char* path) {
  PathInfo info;
  struct stat st;
  if (stat(path, &st) != 0) return info;
  info.exists = true;
  info.regular = S_ISREG(st.st_mode);
  return info;
}

FilePtr OpenRegularFile(const char* path, OpenFailure* failure) {
  // Without O_NONBLOCK, opening a pipe waits for a writer; the flag is dropped again once the file is
  // known to be regular, where it means nothing anyway.
  const int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    *failure = errno == ENOENT || errno == ENOTDIR ? OpenFailure::kMissing : OpenFailure::kCannotOpen;
    return nullptr;
  }
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    *failure = OpenFailure::kNotRegular;
    return nullptr;
  }
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  FilePtr file(fdopen(fd, "rb"));
  if (!file) {
    close(fd);
    *failure = OpenFailure::kCannotOpen;
    return nullptr;
  }
  *failure = OpenFailure::kNone;
  return file;
}

bool StampOf(std::FILE* f, FileStamp* stamp) {
  struct stat st;
  if (fstat(fileno(f), &st) != 0) return false;
  stamp->device = static_cast<std::uint64_t>(st.st_dev);
  stamp->file = static_cast<std::uint64_t>(st.st_ino);
  stamp->size = static_cast<std::int64_t>(st.st_size);
  stamp->modified = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  return true;
}

bool SeekTo(std::FILE* f, std::int64_t offset) { return fseeko(f, static_cast<off_t>(offset), SEEK_SET) == 0; }

std::int64_t FileSize(std::FILE* f) {
  if (fseeko(f, 0, SEEK_END) != 0) return -1;
  return static_cast<std::int64_t>(ftello(f));
}

#ifdef __linux__
CopyResult KernelCopy(std::FILE* source, std::int64_t offset, std::int64_t length, std::FILE* out,
                      std::int64_t* copied) {
  *copied = 0;
  off_t from = static_cast<off_t>(offset);
  while (*copied < length) {
    const ssize_t n =
        copy_file_range(fileno(source), &from, fileno(out), nullptr, static_cast<std::size_t>(length - *copied), 0);
    if (n > 0) {
      *copied += n;
      continue;
    }
    if (n == 0) return CopyResult::kReadFailed;  // the source ends early
    if (errno == EINTR) continue;
    if (errno == ENOSPC || errno == EFBIG || errno == EDQUOT) return CopyResult::kWriteFailed;
    if (errno == EIO) return CopyResult::kReadFailed;
    return CopyResult::kCopyUnsupported;
  }
  return CopyResult::kCopied;
}
#else
CopyResult KernelCopy(std::FILE*, std::int64_t, std::int64_t, std::FILE*, std::int64_t* copied) {
  *copied = 0;
  return CopyResult::kCopyUnsupported;
}
#endif

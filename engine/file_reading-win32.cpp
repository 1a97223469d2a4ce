// The C runtime's own calls only: the engine stays free of the Windows headers.
#include "file_reading.h"

#include <sys/stat.h>

#include <cerrno>

PathInfo InspectPath(const char* path) {
  PathInfo info;
  struct _stat64 st;
  if (_stat64(path, &st) != 0) return info;
  info.exists = true;
  info.regular = (st.st_mode & _S_IFMT) == _S_IFREG;
  return info;
}

FilePtr OpenRegularFile(const char* path, OpenFailure* failure) {
  // Opening a device name (CON, COM1, a pipe) does not wait; only reading it would.
  FilePtr file(std::fopen(path, "rb"));
  if (!file) {
    // A folder cannot be opened at all here; it is still no file, rather than a missing one.
    const PathInfo info = InspectPath(path);
    if (!info.exists)
      *failure = errno == ENOENT ? OpenFailure::kMissing : OpenFailure::kCannotOpen;
    else
      *failure = info.regular ? OpenFailure::kCannotOpen : OpenFailure::kNotRegular;
    return nullptr;
  }
  struct _stat64 st;
  if (_fstat64(_fileno(file.get()), &st) != 0 || (st.st_mode & _S_IFMT) != _S_IFREG) {
    *failure = OpenFailure::kNotRegular;
    return nullptr;
  }
  *failure = OpenFailure::kNone;
  return file;
}

bool StampOf(std::FILE* f, FileStamp* stamp) {
  struct _stat64 st;
  if (_fstat64(_fileno(f), &st) != 0) return false;
  // st_dev names no volume here (the C runtime may give the descriptor), so it tells nothing.
  stamp->size = st.st_size;
  stamp->modified = st.st_mtime;
  stamp->created = st.st_ctime;  // on Windows, when the file was made
  return true;
}

bool SeekTo(std::FILE* f, std::int64_t offset) { return _fseeki64(f, offset, SEEK_SET) == 0; }

std::int64_t FileSize(std::FILE* f) {
  if (_fseeki64(f, 0, SEEK_END) != 0) return -1;
  return _ftelli64(f);
}

CopyResult KernelCopy(std::FILE*, std::int64_t, std::int64_t, std::FILE*, std::int64_t* copied) {
  *copied = 0;
  return CopyResult::kCopyUnsupported;
}

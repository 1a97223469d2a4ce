// The C runtime's own calls only: the engine stays free of the Windows headers.
#include "file_io.h"

#include <direct.h>
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

bool ChangeDirectory(const std::string& dir, std::string* err) {
  if (_chdir(dir.c_str()) == 0) return true;
  *err = std::strerror(errno);
  return false;
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

bool SeekTo(std::FILE* f, std::int64_t offset) { return _fseeki64(f, offset, SEEK_SET) == 0; }

std::int64_t FileSize(std::FILE* f) {
  if (_fseeki64(f, 0, SEEK_END) != 0) return -1;
  return _ftelli64(f);
}

CopyResult KernelCopy(std::FILE*, std::int64_t, std::int64_t, std::FILE*, std::int64_t* copied) {
  *copied = 0;
  return CopyResult::kCopyUnsupported;
}

PathInfo InspectPath(const char* path) {
  PathInfo info;
  struct _stat64 st;
  if (_stat64(path, &st) != 0) return info;
  info.exists = true;
  info.regular = (st.st_mode & _S_IFMT) == _S_IFREG;
  return info;
}

// Windows has no sticky folders; who may make a link in a folder is for its access list to say.
bool MayFollowLink(const std::string&) { return true; }

// No permission bits or owner to give: a read-only file is refused before it is replaced.
FilePtr CreateNewFile(const char* path, std::FILE*) {
  // _O_EXCL is CREATE_NEW: nothing already there, a link included, is opened.
  int fd = -1;
  if (_sopen_s(&fd, path, _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _SH_DENYWR,
               _S_IREAD | _S_IWRITE) != 0)
    return nullptr;
  FilePtr file(_fdopen(fd, "wb"));
  if (!file) {
    _close(fd);
    _unlink(path);
  }
  return file;
}

bool FlushToDisk(std::FILE* f) {
  if (std::fflush(f) != 0) return false;
  return _commit(_fileno(f)) == 0;  // FlushFileBuffers
}

// A folder cannot be flushed through the C runtime; the file system journals the rename itself.
bool FlushFolder(const std::string&) { return true; }

void CloseAndRemoveNow(int fd, const char* path) {
  _close(fd);
  _unlink(path);
}

// Reading the script and the sources: what a path names, opening without blocking on anything but a
// regular file, 64-bit seeks and sizes, and copying a stretch of a file inside the kernel.
// The system-specific halves live in file_reading-posix.cpp and file_reading-win32.cpp.
#ifndef ORV_ENGINE_FILE_READING_H_
#define ORV_ENGINE_FILE_READING_H_

#include <cstdint>
#include <cstdio>

#include "file_ptr.h"

// What is known of the file a path names, links followed.
struct PathInfo {
  bool exists = false;
  bool regular = false;
};
PathInfo InspectPath(const char* path);

enum class OpenFailure { kNone, kMissing, kCannotOpen, kNotRegular };

// Opens an existing file for binary reading. A folder, pipe or device is refused (kNotRegular) without
// waiting on it, as a read from a pipe no one writes to would wait for ever. kMissing when nothing has
// the name; kCannotOpen when something does but may not be read.
FilePtr OpenRegularFile(const char* path, OpenFailure* failure);

// Seeks to an absolute offset; works past 2 GiB on every platform.
bool SeekTo(std::FILE* f, std::int64_t offset);

// The file's size in bytes, or -1 when it cannot be told. Leaves the position at the end.
std::int64_t FileSize(std::FILE* f);

// What tells one file, or one state of a file, from another: the file itself where the system numbers
// it, its size, and its last change. Two stamps differ when another file has taken the name, or the file
// was written, between them. Where the C runtime numbers no file and tells times in whole seconds
// (Windows), the time the file was made stands in for its number.
struct FileStamp {
  std::uint64_t device = 0;
  std::uint64_t file = 0;
  std::int64_t size = 0;
  std::int64_t modified = 0;  // nanoseconds where the system tells them
  std::int64_t created = 0;   // Windows only

  bool operator==(const FileStamp& other) const {
    return device == other.device && file == other.file && size == other.size && modified == other.modified &&
           created == other.created;
  }
};

// The open file's stamp; false when the system cannot tell it.
bool StampOf(std::FILE* f, FileStamp* stamp);

enum class CopyResult { kCopied, kReadFailed, kWriteFailed, kCopyUnsupported };

// Copies `length` bytes from `offset` in `source` to the end of what was written to `out`, inside the
// kernel where the system offers it (one copy instead of two). On kCopyUnsupported *copied tells how
// far it got, and the caller copies the rest itself. `out` must have been flushed.
CopyResult KernelCopy(std::FILE* source, std::int64_t offset, std::int64_t length, std::FILE* out,
                      std::int64_t* copied);

#endif  // ORV_ENGINE_FILE_READING_H_

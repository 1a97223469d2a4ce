// Small helpers over stdio files: an owning handle, 64-bit seeks, and little-endian word reads.
#ifndef ORV_ENGINE_FILE_IO_H_
#define ORV_ENGINE_FILE_IO_H_

#include <cstdint>
#include <cstdio>
#include <memory>

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
// Closes the file when it goes out of scope, so no early return forgets to.
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

FilePtr OpenFile(const char* path, const char* mode);

// Seeks to an absolute offset; works past 2 GiB on every platform.
bool SeekTo(std::FILE* f, std::int64_t offset);

// The file's size in bytes, or -1 when it cannot be told. Leaves the position at the end.
std::int64_t FileSize(std::FILE* f);

// Reads the little-endian word at an absolute offset; false when the file does not hold it.
bool ReadWordAt(std::FILE* f, std::int64_t offset, std::int32_t* value);

enum CopyResult { kCopied, kReadFailed, kWriteFailed, kCopyUnsupported };

// Copies `length` bytes from `offset` in `source` to the end of what was written to `out`, inside the
// kernel where the system offers it (one copy instead of two). On kCopyUnsupported *copied tells how
// far it got, and the caller copies the rest itself. `out` must have been flushed.
CopyResult KernelCopy(std::FILE* source, std::int64_t offset, std::int64_t length, std::FILE* out,
                      std::int64_t* copied);

#endif  // ORV_ENGINE_FILE_IO_H_

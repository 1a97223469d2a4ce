// Small helpers over stdio files: an owning handle, opening without blocking on anything but a regular
// file, 64-bit seeks, little-endian word reads, and what replacing a file durably needs of the system.
// The system-specific halves live in file_io-posix.cpp and file_io-win32.cpp.
#ifndef ORV_ENGINE_FILE_IO_H_
#define ORV_ENGINE_FILE_IO_H_

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
// Closes the file when it goes out of scope, so no early return forgets to.
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

FilePtr OpenFile(const char* path, const char* mode);

// Makes dir the current directory; on failure says why in *err.
bool ChangeDirectory(const std::string& dir, std::string* err);

enum class OpenFailure { kNone, kMissing, kCannotOpen, kNotRegular };

// Opens an existing file for binary reading. A folder, pipe or device is refused (kNotRegular) without
// waiting on it, as a read from a pipe no one writes to would wait for ever. kMissing when nothing has
// the name; kCannotOpen when something does but may not be read.
FilePtr OpenRegularFile(const char* path, OpenFailure* failure);

// Seeks to an absolute offset; works past 2 GiB on every platform.
bool SeekTo(std::FILE* f, std::int64_t offset);

// The file's size in bytes, or -1 when it cannot be told. Leaves the position at the end.
std::int64_t FileSize(std::FILE* f);

// Reads the little-endian word at an absolute offset; false when the file does not hold it.
bool ReadWordAt(std::FILE* f, std::int64_t offset, std::int32_t* value);

enum class CopyResult { kCopied, kReadFailed, kWriteFailed, kCopyUnsupported };

// Copies `length` bytes from `offset` in `source` to the end of what was written to `out`, inside the
// kernel where the system offers it (one copy instead of two). On kCopyUnsupported *copied tells how
// far it got, and the caller copies the rest itself. `out` must have been flushed.
CopyResult KernelCopy(std::FILE* source, std::int64_t offset, std::int64_t length, std::FILE* out,
                      std::int64_t* copied);

// --- replacing a file
// Eight hex digits for a temporary name beside a file, that nobody can guess ahead, so nothing can be
// planted there in wait for the program.
std::string RandomNameSuffix();

// What is known of the file a path names, links followed.
struct PathInfo {
  bool exists = false;
  bool regular = false;
};
PathInfo InspectPath(const char* path);

// The link's target when path is a symbolic link, made relative to the link's own folder; else "".
std::string LinkTarget(const std::string& path);

// Whether the link at path may be followed by this process under the rule that keeps links planted in
// shared folders from redirecting it: the link is the process's own, or its folder is not both sticky
// and writable by all, or the link's owner owns that folder too. True where the system has no such
// folders.
bool MayFollowLink(const std::string& path);

// Creates a file that is not there yet for binary writing: fails when anything, a symbolic link
// included, already has the name, and never follows a link. With `like`, an open file the new one is
// to replace, the new file gets its permission bits and access list where the system has them, and its
// owner and group as far as the process may give them; it fails, leaving nothing, when the access list
// cannot be given, as the bits alone would then let in whom the list kept out.
FilePtr CreateNewFile(const char* path, std::FILE* like);

// Writes out what stdio buffers, then makes the system put the file's data on the disk.
bool FlushToDisk(std::FILE* f);

// Makes the system put the folder's entries (a rename into it) on the disk; true where it cannot be
// asked for, or need not be.
bool FlushFolder(const std::string& folder);

// Closes the descriptor and removes the file by name, using only calls that are safe inside a signal
// handler (a file still open cannot be removed everywhere).
void CloseAndRemoveNow(int fd, const char* path);

#endif  // ORV_ENGINE_FILE_IO_H_

// The C runtime's own calls only: the engine stays free of the Windows headers.
#include "replacement_calls.h"

#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>

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

// The C runtime's own calls only: the engine stays free of the Windows headers.
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "output_lock.h"

namespace {

// How often a waiting build tries again: the system tells no one when a file is let go.
constexpr auto kRetryEvery = std::chrono::milliseconds(20);

// A lock file that vanished between a refused open and the look at it was let go just then, and
// another build may take it first again; only a name that keeps refusing and keeps being gone is a
// folder where no file can be made.
constexpr int kVanishedTries = 50;
constexpr auto kVanishedPause = std::chrono::milliseconds(1);

enum class Refusal { kHeld, kVanished, kOther };

// Why the lock file could not be opened: held by another build (a file there that could be written,
// or one whose removal is under way), gone meanwhile, or a folder or file that may not be written.
Refusal WhyRefused(const std::string& path) {
  struct _stat64 st;
  if (_stat64(path.c_str(), &st) != 0) return errno == ENOENT ? Refusal::kVanished : Refusal::kHeld;
  const bool writable = (st.st_mode & _S_IFMT) == _S_IFREG && (st.st_mode & _S_IWRITE) != 0;
  return writable ? Refusal::kHeld : Refusal::kOther;
}

}  // namespace

// The system removes the file with its last handle, whatever ends the build: nothing is left to a
// signal handler.
OutputLock::OutputLock() = default;
OutputLock::~OutputLock() { Release(); }

OutputLock::Result OutputLock::Lock(bool wait) {
  for (int vanished = 0;;) {
    // Shared with no one, and removed with its last handle: no second build opens it while the first
    // has it, and a build that crashed leaves none behind.
    int fd = -1;
    const errno_t error = _sopen_s(&fd, path_.c_str(), _O_CREAT | _O_RDWR | _O_TEMPORARY | _O_BINARY | _O_NOINHERIT,
                                   _SH_DENYRW, _S_IREAD | _S_IWRITE);
    if (error == 0) {
      fd_ = fd;
      return kTaken;
    }
    if (error != EACCES) return kUnavailable;
    switch (WhyRefused(path_)) {
      case Refusal::kHeld:
        if (!wait) return kBusy;
        std::this_thread::sleep_for(kRetryEvery);
        continue;
      case Refusal::kVanished:
        if (++vanished < kVanishedTries) {
          std::this_thread::sleep_for(kVanishedPause);
          continue;
        }
        return kUnavailable;
      case Refusal::kOther:
        return kUnavailable;
    }
  }
}

void OutputLock::Release() {
  if (fd_ < 0) return;
  _close(fd_);
  fd_ = -1;
}

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "output_lock.h"

namespace {

// A lock file gone from under the name once it was held means another build held it meanwhile. A build
// that only tries says it is busy after so many; one that waits goes on, pausing between passes after
// so many, so a build that lets go and takes the lock again at once cannot keep the others out.
constexpr int kPasses = 100;
constexpr useconds_t kPauseUs = 1000;

// Whether the name still holds the open file, not one made after it was removed.
bool NamesFile(const std::string& path, int fd) {
  struct stat held, named;
  return fstat(fd, &held) == 0 && lstat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
         held.st_ino == named.st_ino;
}

}  // namespace

OutputLock::Result OutputLock::Lock(bool wait) {
  for (int pass = 0;; ++pass) {
    if (pass >= kPasses) {
      if (!wait) return kBusy;
      usleep(kPauseUs);
    }
    // Read-only is enough for flock, and lets another user's build in a shared folder open it too. A link
    // planted under the name is never followed.
    const int fd = open(path_.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0644);
    if (fd < 0) {
      if (errno == EINTR) continue;
      return kUnavailable;
    }
    int locked;
    do locked = flock(fd, wait ? LOCK_EX : LOCK_EX | LOCK_NB);
    while (locked != 0 && errno == EINTR);
    if (locked != 0) {
      const bool busy = errno == EWOULDBLOCK;
      close(fd);
      return busy ? kBusy : kUnavailable;
    }
    // The holder before removed its file before it let go: a lock on that file guards nothing any more,
    // and the next pass takes the one under the name now.
    if (NamesFile(path_, fd)) {
      fd_ = fd;
      return kTaken;
    }
    close(fd);
  }
}

void OutputLock::Release() {
  if (fd_ < 0) return;
  // Removed while still held, so a build waiting on this file finds it gone once it has it.
  if (NamesFile(path_, fd_)) unlink(path_.c_str());
  close(fd_);
  fd_ = -1;
}

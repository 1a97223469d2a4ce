#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "output_lock.h"
#include "signal_guard.h"

namespace {

// A lock file gone from under the name once it was held means another build held it meanwhile. A build
// that only tries says it is busy after so many; one that waits goes on, pausing between passes after
// so many, so a build that lets go and takes the lock again at once cannot keep the others out.
constexpr int kPasses = 100;
constexpr useconds_t kPauseUs = 1000;

// Every lock held, for the signal handler to remove their files. Linked through the locks themselves, so
// the handler needs no allocation; changed only while the signals are held.
OutputLock* volatile g_held = nullptr;

// Whether the name still holds the open file, not one made after it was removed. Only calls that are
// safe inside a signal handler.
bool NamesFile(const char* path, int fd) {
  struct stat held, named;
  return fstat(fd, &held) == 0 && lstat(path, &named) == 0 && held.st_dev == named.st_dev &&
         held.st_ino == named.st_ino;
}

}  // namespace

OutputLock::OutputLock() = default;
OutputLock::~OutputLock() { Release(); }

// Removing the file from the handler keeps the lock's rule, so two builds never hold it at once: a
// build takes the lock only when, with the file locked, the name still names that file, and only the
// holder removes it, before it lets go. The handler runs in the holder, which still has the file locked
// (the system lets go of it only when the process has ended, after the name is gone), and the name
// still names the file, since no other build removes or makes a file there while it is held. So, as in
// Release: a build waiting on this file wakes once the process is gone and finds it no longer named,
// and one that comes after the removal makes a new file, while this process, about to end, touches
// nothing of the folder's but its own temporary files. The name is checked all the same, and a lock
// of this process not yet taken, or already let go, is not on the list at all.
void OutputLock::RemoveHeldNow() {
  for (OutputLock* lock = g_held; lock != nullptr; lock = lock->nextHeld_)
    if (NamesFile(lock->path_.c_str(), lock->fd_)) unlink(lock->path_.c_str());
}

OutputLock::Result OutputLock::Lock(bool wait) {
  // There before any file is made, so the handler knows every lock file of this build's.
  guard_ = std::make_unique<SignalGuard>(RemoveHeldNow);
  for (int pass = 0;; ++pass) {
    const Try found = TryOnce();
    if (found == kGot) return kTaken;
    if (found == kNoFile || (!wait && (found == kHeld || pass + 1 >= kPasses))) {
      guard_.reset();
      return found == kNoFile ? kUnavailable : kBusy;
    }
    if (found == kHeld) {
      // Waits for the holder to let go, on its file, which is never this build's to remove; then tries
      // again under the name.
      const int fd = open(path_.c_str(), O_RDONLY | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
      if (fd >= 0) {
        while (flock(fd, LOCK_EX) != 0 && errno == EINTR) {
        }
        close(fd);
      }
    }
    if (pass + 1 >= kPasses) usleep(kPauseUs);
  }
}

OutputLock::Try OutputLock::TryOnce() {
  guard_->Hold();
  // Read-only is enough for flock, and lets another user's build in a shared folder open it too. A link
  // planted under the name is never followed.
  int fd;
  do fd = open(path_.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0644);
  while (fd < 0 && errno == EINTR);
  Try found = kNoFile;
  if (fd >= 0) {
    int locked;
    do locked = flock(fd, LOCK_EX | LOCK_NB);
    while (locked != 0 && errno == EINTR);
    if (locked != 0) {
      found = errno == EWOULDBLOCK ? kHeld : kNoFile;
      close(fd);
    } else if (NamesFile(path_.c_str(), fd)) {
      fd_ = fd;
      nextHeld_ = g_held;
      g_held = this;
      found = kGot;
    } else {
      // The holder before removed its file before it let go: a lock on that file guards nothing any
      // more, and the next pass takes the one under the name now.
      close(fd);
      found = kGone;
    }
  }
  guard_->Release();
  return found;
}

void OutputLock::Release() {
  if (fd_ < 0) return;
  guard_->Hold();
  // Removed while still held, so a build waiting on this file finds it gone once it has it.
  if (NamesFile(path_.c_str(), fd_)) unlink(path_.c_str());
  close(fd_);
  fd_ = -1;
  OutputLock* volatile* link = &g_held;
  while (*link != nullptr && *link != this) link = &(*link)->nextHeld_;
  if (*link == this) *link = nextHeld_;
  nextHeld_ = nullptr;
  guard_->Release();
  guard_.reset();
}

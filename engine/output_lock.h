// Builds that write one output take turns: each holds the output's lock, a file "<output>.lock" beside
// it, for as long as it may touch what another build reads or writes there (the dialog from setting the
// user's script.txt aside until it is back, orvtool for its whole build). The system frees the lock
// with its holder, even one that crashed; a holder ended by a signal it may catch removes the file
// first, so nothing of the build's own stays in the folder. The system-specific halves live in
// output_lock-posix.cpp and output_lock-win32.cpp.
#ifndef ORV_ENGINE_OUTPUT_LOCK_H_
#define ORV_ENGINE_OUTPUT_LOCK_H_

#include <functional>
#include <memory>
#include <string>

class SignalGuard;

class OutputLock {
 public:
  enum Result {
    kTaken,        // held until Release
    kBusy,         // another build holds it
    kUnavailable,  // no lock file can be made there (a folder that may not be written): build without
  };

  OutputLock();
  // Releases it.
  ~OutputLock();
  OutputLock(const OutputLock&) = delete;
  OutputLock& operator=(const OutputLock&) = delete;

  // Takes the lock of `output` if no other build holds it; never waits.
  Result TryTake(const std::string& output) {
    Release();
    path_ = output + ".lock";
    return Lock(false);
  }
  // Takes it, waiting as long as another build holds it; `waiting` runs once, before the first wait.
  // kTaken or kUnavailable.
  Result Take(const std::string& output, const std::function<void()>& waiting) {
    const Result first = TryTake(output);
    if (first != kBusy) return first;
    if (waiting) waiting();
    return Lock(true);
  }
  // Removes the lock file and lets the next build have its turn; nothing when not held.
  void Release();

 private:
  // One attempt, waiting for the holder to let go where `wait` says so.
  Result Lock(bool wait);

  std::string path_;
  // What the signal handler reads, changed only while the signals are held.
  volatile int fd_ = -1;
#ifndef _WIN32
  // Removes the lock files of the locks held: safe inside a signal handler.
  static void RemoveHeldNow();
  // What one try under the name found: the lock taken, held by another build, its file gone from under
  // the name meanwhile, or no lock file to be had.
  enum Try { kGot, kHeld, kGone, kNoFile };
  // Tries once, with the signals held, so that a lock file is either the handler's to remove or not
  // this build's at all.
  Try TryOnce();

  std::unique_ptr<SignalGuard> guard_;
  OutputLock* nextHeld_ = nullptr;
#endif
};

#endif  // ORV_ENGINE_OUTPUT_LOCK_H_

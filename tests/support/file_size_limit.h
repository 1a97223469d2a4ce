// A full disk for tests, where Linux offers one cheaply: while this object lives, no file of the
// process may grow past the given size. Writing past it raises SIGXFSZ, which ends the process unless
// the code under test ignores it; kIgnoreSignal ignores it for code that does not, so the write fails.
#ifndef ORV_TESTS_FILE_SIZE_LIMIT_H_
#define ORV_TESTS_FILE_SIZE_LIMIT_H_

#ifdef __linux__
#include <signal.h>
#include <sys/resource.h>

class FileSizeLimit {
 public:
  enum Signal { kLeaveSignal, kIgnoreSignal };

  FileSizeLimit(rlim_t bytes, Signal signalAction) {
    getrlimit(RLIMIT_FSIZE, &previous_);
    oldHandler_ = signal(SIGXFSZ, signalAction == kIgnoreSignal ? SIG_IGN : SIG_DFL);
    rlimit limit = previous_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    signal(SIGXFSZ, oldHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit previous_{};
  sighandler_t oldHandler_;
};
#endif

#endif  // ORV_TESTS_FILE_SIZE_LIMIT_H_

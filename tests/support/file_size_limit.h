// A full disk for tests, where Linux offers one cheaply: while this object lives, no file of the
// process may grow past the given size, and writing past it fails instead of raising SIGXFSZ.
#ifndef ORV_TESTS_FILE_SIZE_LIMIT_H_
#define ORV_TESTS_FILE_SIZE_LIMIT_H_

#ifdef __linux__
#include <signal.h>
#include <sys/resource.h>

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &previous_);
    oldHandler_ = signal(SIGXFSZ, SIG_IGN);
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

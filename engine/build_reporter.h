// What a build tells as it runs, and to whom: the caller hands the build a reporter, and only the
// reporter prints or shows anything. The dialog puts a failure in its status line and an error box,
// orvtool on standard error, the tests in a list.
#ifndef ORV_ENGINE_BUILD_REPORTER_H_
#define ORV_ENGINE_BUILD_REPORTER_H_

#include <cstdio>
#include <string>

#include "file_reading.h"

class BuildReporter {
 public:
  virtual ~BuildReporter() = default;

  // One progress line, its line end included. By default on standard output, flushed at once: the
  // lines are seen only where standard output is redirected, and must keep in step with the failures.
  virtual void Progress(const std::string& line) {
    std::fputs(line.c_str(), stdout);
    std::fflush(stdout);
  }

  // The failure that stops the build, in the words the user sees. Returns once the user has seen it:
  // the build closes its files and removes its partial output only after that.
  virtual void Failure(const std::string& text) = 0;

  // The script `script` could not be opened, missing (kMissing) or there but unreadable (kCannotOpen):
  // the build ends without a line and touches nothing. By default nothing is said, as the dialog has
  // just written the script; a caller that has not says so.
  virtual void ScriptNotOpened(const std::string& /*script*/, OpenFailure /*why*/) {}
};

#endif  // ORV_ENGINE_BUILD_REPORTER_H_

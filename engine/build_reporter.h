// What a build tells as it runs, and to whom: the caller hands the build a reporter, and only the
// reporter prints or shows anything. The dialog puts a failure in its status line and an error box,
// orvtool on standard error, the tests in a list.
#ifndef ORV_ENGINE_BUILD_REPORTER_H_
#define ORV_ENGINE_BUILD_REPORTER_H_

#include <cstdio>
#include <string>

#include "file_reading.h"
#include "script_file.h"

// The files a build writes, as a failure names one: its output, and the file its caller writes from
// the outcome (BuildFiles::callerFile).
enum class WrittenFile { kNone, kOutput, kCallerFile };

// Why a build stopped: the text the user sees, and what a reporter that tells more may add to it.
struct BuildFailure {
  std::string text;      // in the words the dialog shows
  int line = 0;          // the script's line the failure is about, counted from 1; 0 when it is about none
  std::string reason{};  // the system's own reason the output could not be made or written, or ""
  // A file the build was to write that is one it reads, found before anything was written: which it
  // writes, and which it reads, the source as the script gives it, or "" for the script itself.
  WrittenFile writesInput = WrittenFile::kNone;
  std::string input{};
};

class BuildReporter {
 public:
  virtual ~BuildReporter() = default;

  // One progress line, its line end included. By default on standard output, flushed at once: the
  // lines are seen only where standard output is redirected, and must keep in step with the failures.
  virtual void Progress(const std::string& line) {
    std::fputs(line.c_str(), stdout);
    std::fflush(stdout);
  }

  // The failure that stops the build. Returns once the user has seen it: the build closes its files
  // and removes its partial output only after that.
  virtual void Failure(const BuildFailure& failure) = 0;

  // A line of the script the build reads all the same, but which is likely a slip. True to go on;
  // false ends the build once the whole script is read, every warning told, with nothing written and
  // no failure of its own: the reporter says why. By default nothing is said, as the dialog writes no
  // such line.
  virtual bool Warning(const ScriptWarning& /*warning*/) { return true; }

  // A source the script names at `line`, by the path the build will open it by, before it is opened:
  // false stops the build with nothing written and no failure of its own, the reporter having said why.
  // By default every source is taken.
  virtual bool Source(const std::string& /*path*/, int /*line*/) { return true; }

  // The script `script` could not be opened, missing (kMissing) or there but unreadable (kCannotOpen):
  // the build ends without a line and touches nothing. By default nothing is said, as the dialog has
  // just written the script; a caller that has not says so.
  virtual void ScriptNotOpened(const std::string& /*script*/, OpenFailure /*why*/) {}
};

#endif  // ORV_ENGINE_BUILD_REPORTER_H_

// Runs the real orvtool program in a folder, as a user's console would, and collects what it printed:
// for the command-line tests and for the end-to-end tests that read what the dialog built.
#ifndef ORV_TESTS_RUN_ORVTOOL_H_
#define ORV_TESTS_RUN_ORVTOOL_H_

#include <memory>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/types.h>
#endif

#include "temp_dir.h"

struct ToolRun {
  int status = -1;  // the exit status; -1 when it did not start, or did not end by itself
  std::string out;  // line ends as LF, whatever the platform wrote
  std::string err;
};

// orvtool started and left running, as one of a build system's jobs: several may run at once.
class OrvtoolProcess {
 public:
  // Starts orvtool with args (UTF-8, each quoted, so none may hold a quote) in the folder workDir, after
  // the words of `runner` where given (a shell command that runs another, as another user; POSIX only).
  OrvtoolProcess(const std::vector<std::string>& args, const std::string& workDir, const std::string& runner = "");
  // Waits for it, if Finish was not called.
  ~OrvtoolProcess();
  OrvtoolProcess(const OrvtoolProcess&) = delete;
  OrvtoolProcess& operator=(const OrvtoolProcess&) = delete;

  // What it has written so far, as written: to standard output, and to standard error.
  std::string OutputSoFar() const { return ReadText(capture_.Path("stdout.txt")); }
  std::string ErrorsSoFar() const { return ReadText(capture_.Path("stderr.txt")); }
  // Waits for it to end; what it came to. A run that does not end in a minute is ended and fails the test.
  ToolRun Finish();

 private:
  TempDir capture_;
  bool started_ = false;
#ifdef _WIN32
  PROCESS_INFORMATION process_ = {};
#else
  pid_t pid_ = -1;
#endif
};

// Runs orvtool to its end, as OrvtoolProcess starts it.
ToolRun RunOrvtool(const std::vector<std::string>& args, const std::string& workDir, const std::string& runner = "");

#endif  // ORV_TESTS_RUN_ORVTOOL_H_

// Runs the real orvtool program in a folder, as a user's console would, and collects what it printed:
// for the command-line tests and for the end-to-end tests that read what the dialog built.
#ifndef ORV_TESTS_RUN_ORVTOOL_H_
#define ORV_TESTS_RUN_ORVTOOL_H_

#include <string>
#include <vector>

struct ToolRun {
  int status = -1;  // the exit status; -1 when it did not start, or did not end by itself
  std::string out;  // line ends as LF, whatever the platform wrote
  std::string err;
};

// Runs orvtool with args (UTF-8, each quoted, so none may hold a quote) in the folder workDir, after
// the words of `runner` where given (a shell command that runs another, as another user; POSIX only).
ToolRun RunOrvtool(const std::vector<std::string>& args, const std::string& workDir, const std::string& runner = "");

#endif  // ORV_TESTS_RUN_ORVTOOL_H_

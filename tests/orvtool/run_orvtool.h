// Runs the real orvtool program in a folder and collects what it printed, for the command-line tests.
#ifndef ORVTOOL_TESTS_RUN_ORVTOOL_H_
#define ORVTOOL_TESTS_RUN_ORVTOOL_H_

#include <string>
#include <vector>

struct ToolRun {
  int status = -1;
  std::string out;  // line ends as LF, whatever the platform wrote
  std::string err;
};

// Runs orvtool with args (each quoted, so none may hold a quote) in the folder workDir, after the words
// of `runner` where given (a command that runs another, as another user).
ToolRun RunOrvtool(const std::vector<std::string>& args, const std::string& workDir, const std::string& runner = "");

#endif  // ORVTOOL_TESTS_RUN_ORVTOOL_H_

// orvtool's commands, each a function from its arguments (those after the command's name) to an exit
// status, listed once in a table that the command line is matched against.
#ifndef ORVTOOL_SUBTOOLS_H_
#define ORVTOOL_SUBTOOLS_H_

#include <string>
#include <vector>

enum ExitStatus {
  kExitOk = 0,
  kExitFailed = 1,  // the command ran and found the build or the file at fault; for diff, the files differ
  kExitUsage = 2,   // the command line, or an input that it names, could not be used
};

struct Subtool {
  const char* name;
  const char* arguments;
  const char* description;
  int (*run)(const std::vector<std::string>& args);
};

int RunBuildCommand(const std::vector<std::string>& args);
int RunCheckCommand(const std::vector<std::string>& args);
int RunInfoCommand(const std::vector<std::string>& args);
int RunTraceCommand(const std::vector<std::string>& args);
int RunGraphCommand(const std::vector<std::string>& args);
int RunDiffCommand(const std::vector<std::string>& args);

// The table, in the order --help lists it.
const std::vector<Subtool>& Subtools();

// Reports a wrong command line: the message and then the usage text, both on standard error.
int UsageError(const std::string& message);

// Ends a command whose report goes to standard output: status, unless the report could not all be
// written (a full disk, a closed pipe on Windows), which is said on standard error and gives kExitUsage,
// so a pipeline never takes a cut report for a whole one.
int FinishReport(const char* command, int status);

// Takes a first --json out of ARGS, setting *json; the rest are the command's operands, in order.
std::vector<std::string> TakeJsonFlag(const std::vector<std::string>& args, bool* json);

#endif  // ORVTOOL_SUBTOOLS_H_

// orvtool's command line: the table of commands matched against it, each command's arguments read by
// the command's own description, and the one voice every command speaks in on standard error:
// "orvtool COMMAND: ..." for what went wrong, and "orvtool: COMMAND: ..." with the usage text after it for
// a command line that cannot be used.
#ifndef ORVTOOL_ORVTOOL_COMMAND_LINE_H_
#define ORVTOOL_ORVTOOL_COMMAND_LINE_H_

#include <string>
#include <utility>
#include <vector>

enum ExitStatus {
  kExitOk = 0,
  kExitFailed = 1,  // the command ran and found the build or the file at fault; for diff, the files differ
  kExitUsage = 2,   // the command line, or an input that it names, could not be used
};

class Invocation;

// An option of a command, given once anywhere among its arguments: a flag such as --json, or one with a
// value such as -C DIR.
struct CommandOption {
  const char* name;
  const char* value;               // "DIR", or nullptr for a flag
  const char* missing;             // what a message calls the value: "a directory"
  const char* longName = nullptr;  // "--quiet" beside "-q": the same option, known by `name`
};

// How a command's last operand may be given.
enum class LastOperand { kOnce, kRepeated, kOptional };  // FILE, EVENT..., [SCRIPT]

// One command and the arguments it takes: its options, and operands in order. --help shows the same
// description.
struct Command {
  const char* name;
  std::vector<CommandOption> options;
  std::vector<const char*> operands;
  LastOperand last;
  const char* description;
  int (*run)(const Invocation& command);
};

// What one command was given, and how it speaks.
class Invocation {
 public:
  Invocation(const Command& command, const std::vector<Command>& commands) : command_(command), commands_(commands) {}

  // Reads the arguments after the command's name. kExitOk, or kExitUsage with the fault said.
  int Read(const std::vector<std::string>& args);

  // Whether the option was given, and its value ("" for a flag, or one not given).
  bool Given(const std::string& option) const;
  const std::string& Value(const std::string& option) const;
  const std::vector<std::string>& operands() const { return operands_; }

  // "orvtool COMMAND: text" on standard error, after what standard output holds so far.
  void Say(const std::string& text) const;
  // The same, returning status.
  int Fail(const std::string& text, int status) const;
  // "orvtool: COMMAND: text", then the usage text, on standard error; kExitUsage.
  int UsageError(const std::string& text) const;
  // Ends a command whose report goes to standard output: status, unless the report could not all be
  // written (a full disk, a closed pipe on Windows), which is said and gives kExitUsage, so a pipeline
  // never takes a cut report for a whole one.
  int FinishReport(int status) const;

 private:
  const Command& command_;
  const std::vector<Command>& commands_;
  // Each option given, with its value.
  std::vector<std::pair<std::string, std::string>> given_;
  std::vector<std::string> operands_;
};

// Runs the command the command line names from `commands`, or --help, or --version.
int RunCommandLine(int argc, char** argv, const std::vector<Command>& commands);

#endif  // ORVTOOL_ORVTOOL_COMMAND_LINE_H_

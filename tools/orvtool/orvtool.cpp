// orvtool: builds an ORV file from a script without the dialog, and shows what is inside an ORV file and
// what the game plays from it. Here are its table of commands and main; each command's run has a file of
// its own in commands/.
#include <cstdio>
#include <cstring>
#include <exception>
#include <new>
#include <vector>

#include "commands/commands.h"
#include "orvtool_command_line.h"

namespace {

// In the order --help lists them.
const std::vector<Command>& Commands() {
  static const CommandOption kDir = {"-C", "DIR", "a directory"};
  static const CommandOption kOut = {"-o", "OUT", "a file"};
  static const CommandOption kJson = {"--json", nullptr, nullptr};
  static const CommandOption kWarningsAsErrors = {"--warnings-as-errors", nullptr, nullptr};
  static const std::vector<Command> table = {
      {"build",
       {kDir,
        kOut,
        {"--depfile", "FILE", "a file"},
        {"--depfile-phony", nullptr, nullptr},
        {"-q", nullptr, nullptr, "--quiet"},
        kWarningsAsErrors},
       {"SCRIPT"},
       LastOperand::kOptional,
       "build OUT from SCRIPT (out.orv beside script.txt), and a depfile FILE of what it read",
       RunBuild},
      {"check",
       {kDir, kOut, kWarningsAsErrors},
       {"SCRIPT"},
       LastOperand::kOptional,
       "run a build up to writing OUT: its errors, the file's figures, music that runs on",
       RunCheck},
      {"info",
       {kJson},
       {"FILE"},
       LastOperand::kOnce,
       "show an ORV file's header, states and chunks, and check its layout",
       RunInfo},
      {"trace",
       {},
       {"FILE", "EVENT"},
       LastOperand::kRepeated,
       "play the file's chunks as the game would for events (ID, or ID*COUNT)",
       RunTrace},
      {"graph",
       {},
       {"FILE"},
       LastOperand::kOnce,
       "write the file's flow between Begin and Loop pieces as Graphviz DOT",
       RunGraph},
      {"diff",
       {kJson},
       {"OLD", "NEW"},
       LastOperand::kOnce,
       "show what the game plays differently from OLD to NEW: pieces, payloads, transitions",
       RunDiff},
  };
  return table;
}

// A command that runs out of memory, or meets any other fault it has no answer for, still ends in the
// one voice with the status of trouble, never by a signal a caller would take for a crash. Nothing here
// allocates, as memory may be what ran out.
int EndByFault(int argc, char** argv, const char* text, const char* detail = "") {
  std::fflush(stdout);
  const char* command = nullptr;
  for (const Command& known : Commands())
    if (argc > 1 && std::strcmp(argv[1], known.name) == 0) command = known.name;
  if (command != nullptr)
    std::fprintf(stderr, "orvtool %s: %s%s\n", command, text, detail);
  else
    std::fprintf(stderr, "orvtool: %s%s\n", text, detail);
  return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return RunCommandLine(argc, argv, Commands());
  } catch (const std::bad_alloc&) {
    return EndByFault(argc, argv, "out of memory");
  } catch (const std::exception& fault) {
    return EndByFault(argc, argv, "stopped by an unforeseen fault: ", fault.what());
  } catch (...) {
    return EndByFault(argc, argv, "stopped by an unforeseen fault");
  }
}

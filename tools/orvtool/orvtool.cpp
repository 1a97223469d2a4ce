// orvtool: builds an ORV file from a script without the dialog, and shows what is inside an ORV file and
// what the game plays from it. Here are its table of commands, the runs of build and check, and main;
// each other command's run has a file of its own in commands/.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <functional>
#include <new>
#include <string>
#include <vector>

#include "build_engine.h"
#include "commands/commands.h"
#include "file_replacement.h"
#include "orvtool_command_line.h"
#include "output_lock.h"
#include "play/flow.h"
#include "play/run_on_warnings.h"
#include "read/layout.h"
#include "read/planned_layout.h"
#include "report/depfile.h"
#include "script_folder.h"
#include "script_reader.h"

#ifdef _WIN32
#include <direct.h>
#else
#include <unistd.h>
#endif

namespace {

// --- build and check: the engine's build of SCRIPT into OUT, in the folder -C names

// kExitOk once in the folder, or the status with the reason said.
int EnterBuildFolder(const Invocation& in) {
  if (!in.Given("-C")) return kExitOk;
  const std::string& dir = in.Value("-C");
#ifdef _WIN32
  const int entered = _chdir(dir.c_str());
#else
  const int entered = chdir(dir.c_str());
#endif
  if (entered == 0) return kExitOk;
  const std::string why = std::strerror(errno);
  return in.Fail("cannot enter directory '" + dir + "': " + why, kExitUsage);
}

// SCRIPT as given, or script.txt; OUT as given, or out.orv beside SCRIPT. Both as the current folder
// reaches them, after -C.
BuildFiles FilesOf(const Invocation& in) {
  BuildFiles files;
  if (!in.operands().empty()) files.script = in.operands()[0];
  files.output = in.Given("-o") ? in.Value("-o") : BesideScript(files.script, kOutputFileName);
  return files;
}

// The build's progress on standard output, its failure on standard error, one a line, and whether it
// failed, for the command's exit status.
class CommandReporter : public BuildReporter {
 public:
  void Failure(const std::string& text) override {
    // Progress before the failure should reach a shared terminal before the failure does.
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
    failed_ = true;
  }
  // The engine passes over a script it cannot open in silence, as the dialog always writes one; here it
  // is the user's to supply, so that is said: a missing script is a usage error, said by the command,
  // and one that is there but may not be read fails as a read error would.
  void ScriptNotOpened(const std::string& script, OpenFailure why) override {
    scriptMissing_ = why == OpenFailure::kMissing;
    failed_ = true;
    if (!scriptMissing_) Failure(ReadErrorText(script));
  }

  bool failed() const { return failed_; }
  bool scriptMissing() const { return scriptMissing_; }

 private:
  bool failed_ = false;
  bool scriptMissing_ = false;
};

// The status of a failed build, which has said why itself unless its script is missing.
int BuildFailed(const Invocation& in, const BuildFiles& files, const CommandReporter& reporter) {
  if (!reporter.scriptMissing()) return kExitFailed;
  const std::string where = !in.Given("-C") ? "the current directory" : "'" + in.Value("-C") + "'";
  return in.Fail("no " + files.script + (IsRootedPath(files.script) ? "" : " in " + where), kExitUsage);
}

// Builds of one output take turns, the dialog's among them, whose hand-over script.txt stands in the
// user's place only for its turn; so check takes its turn too, and reads the user's script. Where no lock
// can be made (a folder that may not be written) the command goes on without one.
void TakeTurn(const Invocation& in, const BuildFiles& files, OutputLock* turn) {
  turn->Take(files.output, [&] { in.Say("waiting for another build of " + files.output + " to end"); });
}

// Written only after OUT was: a depfile that claims a build the build system never got would hide the
// failure from it. A depfile that cannot be written fails the command, so the build system runs it again.
int WriteDepfile(const Invocation& in, const BuildFiles& files, const BuildOutcome& outcome) {
  std::vector<std::string> read = {files.script};
  read.insert(read.end(), outcome.sources.begin(), outcome.sources.end());
  const std::string& depfile = in.Value("--depfile");
  if (ReplaceFileWith(depfile, DepfileRule(files.output, read))) return kExitOk;
  return in.Fail("cannot write the depfile '" + depfile + "'", kExitFailed);
}

using BuildStep = std::function<BuildOutcome(BuildReporter*, const BuildFiles&)>;
using AfterBuild = std::function<int(const BuildFiles&, const BuildOutcome&)>;

// The frame of build and check: SCRIPT and OUT resolved in the folder -C names, then `build` run on
// them and, when it did not fail, `after`, both in the output's turn, so what `after` writes or tells
// belongs to this build and no other. A missing script is said here, every other failure as it came.
int RunInBuildTurn(const Invocation& in, const BuildStep& build, const AfterBuild& after) {
  const int status = EnterBuildFolder(in);
  if (status != kExitOk) return status;
  const BuildFiles files = FilesOf(in);
  // A path with a line end is a command line no depfile can answer; said before anything is built.
  if (in.Given("--depfile"))
    for (const std::string& path : {files.output, files.script})
      if (!DepfileCanName(path)) return in.UsageError("a depfile cannot name '" + path + "', which holds a line end");
  OutputLock turn;
  TakeTurn(in, files, &turn);
  CommandReporter reporter;
  const BuildOutcome outcome = build(&reporter, files);
  std::fflush(stdout);
  return reporter.failed() ? BuildFailed(in, files, reporter) : after(files, outcome);
}

int RunBuild(const Invocation& in) {
  return RunInBuildTurn(in, BuildWithOutcome, [&in](const BuildFiles& files, const BuildOutcome& outcome) {
    return in.Given("--depfile") ? WriteDepfile(in, files, outcome) : kExitOk;
  });
}

// What the planned build would write, and the music in it that runs on.
int ReportPlan(const Invocation& in, const BuildFiles& files, const BuildPlan& plan) {
  OrvLayout layout;
  std::string err;
  if (!LayoutOfPlan(plan, &layout, &err))
    return in.Fail("the header a build would write breaks the layout: " + err, kExitFailed);
  std::printf("%s would be %llu bytes: stateCount %d, chunkCount %d\n", files.output.c_str(),
              static_cast<unsigned long long>(layout.fileSize), static_cast<int>(layout.stateCount),
              static_cast<int>(layout.chunkCount));
  for (const std::string& warning : RunOnWarnings(OrvFlow(layout), plan.entries, plan.entryCount))
    in.Say("warning: " + warning);
  return kExitOk;
}

int RunCheck(const Invocation& in) {
  BuildPlan plan;
  return RunInBuildTurn(
      in, [&plan](BuildReporter* reporter, const BuildFiles& files) { return DryRunBuild(&plan, reporter, files); },
      [&in, &plan](const BuildFiles& files, const BuildOutcome&) { return ReportPlan(in, files, plan); });
}

// In the order --help lists them.
const std::vector<Command>& Commands() {
  static const CommandOption kDir = {"-C", "DIR", "a directory"};
  static const CommandOption kOut = {"-o", "OUT", "a file"};
  static const CommandOption kJson = {"--json", nullptr, nullptr};
  static const std::vector<Command> table = {
      {"build",
       {kDir, kOut, {"--depfile", "FILE", "a file"}},
       {"SCRIPT"},
       LastOperand::kOptional,
       "build OUT from SCRIPT (out.orv beside script.txt), and a depfile FILE of what it read",
       RunBuild},
      {"check",
       {kDir, kOut},
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

#include "commands/build_turn.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "output_lock.h"
#include "report/depfile.h"
#include "script_folder.h"
#include "script_reader.h"

#ifdef _WIN32
#include <direct.h>
#else
#include <unistd.h>
#endif

namespace {

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
  explicit CommandReporter(bool quiet) : quiet_(quiet) {}

  // A build system's log wants the failures alone: with -q the progress is left unsaid.
  void Progress(const std::string& line) override {
    if (!quiet_) BuildReporter::Progress(line);
  }
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
  bool quiet_;
  bool failed_ = false;
  bool scriptMissing_ = false;
};

// The status of a failed build, which has said why itself unless its script is missing.
int BuildFailed(const Invocation& in, const BuildFiles& files, const CommandReporter& reporter) {
  if (!reporter.scriptMissing()) return kExitFailed;
  const std::string where = !in.Given("-C") ? "the current directory" : "'" + in.Value("-C") + "'";
  return in.Fail("no " + files.script + (IsRootedPath(files.script) ? "" : " in " + where), kExitUsage);
}

}  // namespace

int RunInBuildTurn(const Invocation& in, const BuildStep& build, const AfterBuild& after) {
  const int status = EnterBuildFolder(in);
  if (status != kExitOk) return status;
  const BuildFiles files = FilesOf(in);
  // A path with a line end is a command line no depfile can answer; said before anything is built.
  if (in.Given("--depfile"))
    for (const std::string& path : {files.output, files.script})
      if (!DepfileCanName(path)) return in.UsageError("a depfile cannot name '" + path + "', which holds a line end");
  const bool quiet = in.Given("-q");
  // Builds of one output take turns, the dialog's among them, whose hand-over script.txt stands in the
  // user's place only for its turn; so check takes its turn too, and reads the user's script. Where no
  // lock can be made (a folder that may not be written) the command goes on without one. Waiting is no
  // failure: a quiet build waits without a word.
  OutputLock turn;
  turn.Take(files.output, [&] {
    if (!quiet) in.Say("waiting for another build of " + files.output + " to end");
  });
  CommandReporter reporter(quiet);
  const BuildOutcome outcome = build(&reporter, files);
  std::fflush(stdout);
  return reporter.failed() ? BuildFailed(in, files, reporter) : after(files, outcome);
}

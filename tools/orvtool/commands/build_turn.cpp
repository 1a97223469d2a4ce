#include "commands/build_turn.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "output_lock.h"
#include "report/depfile.h"
#include "same_file.h"
#include "script_file.h"

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

// SCRIPT as given, or script.txt; OUT as given, or out.orv beside SCRIPT; the depfile as given. All as
// the current folder reaches them, after -C.
BuildFiles FilesOf(const Invocation& in) {
  BuildFiles files;
  if (!in.operands().empty()) files.script = in.operands()[0];
  files.output = in.Given("-o") ? in.Value("-o") : BesideScript(files.script, kOutputFileName);
  files.callerFile = in.Value("--depfile");
  return files;
}

// Said once a build or check has stopped for its warnings alone.
const char kWarningsFail[] = "warnings treated as errors (--warnings-as-errors)";

// The build's progress on standard output; its failure, and the warnings of its script, on standard
// error, one a line, those about a line of the script after "SCRIPT:LINE: ", as compilers give them;
// and whether it failed, for the command's exit status.
class CommandReporter : public BuildReporter {
 public:
  CommandReporter(const Invocation& in, const BuildFiles& files, bool quiet)
      : in_(in), files_(files), warningsFail_(in.Given("--warnings-as-errors")), quiet_(quiet) {}

  // A build system's log wants the failures alone: with -q the progress is left unsaid.
  void Progress(const std::string& line) override {
    if (!quiet_) BuildReporter::Progress(line);
  }
  void Failure(const BuildFailure& failure) override {
    failed_ = true;
    // A command line that would write over an input is the command's to tell, in its own voice.
    if (failure.writesInput != WrittenFile::kNone) {
      refused_ = true;
      in_.Say(WritesInputText(failure));
      return;
    }
    told_ = true;
    Tell(AtLine(failure.line) + failure.text);
    if (!failure.reason.empty()) in_.Say(files_.output + ": " + failure.reason);
  }
  bool Warning(const ScriptWarning& warning) override {
    Tell(AtLine(warning.line) + "warning: " + warning.text);
    if (warningsFail_) failed_ = true;
    return !warningsFail_;
  }
  // A source the depfile would have to name, but that Make or Ninja would misread there, is refused
  // before anything is written: in a script from a shared repository it could run a command on the next
  // build.
  bool Source(const std::string& path, int line) override {
    const std::string misreading = in_.Given("--depfile") ? DepfileMisreading(path) : "";
    if (misreading.empty()) return true;
    failed_ = refused_ = true;
    in_.Say(AtLine(line) + "a depfile cannot name the source '" + path + "', which " + misreading);
    return false;
  }
  // The engine passes over a script it cannot open in silence, as the dialog always writes one; here it
  // is the user's to supply, so that is said: a missing script is a usage error, said by the command,
  // and one that is there but may not be read fails as a read error would.
  void ScriptNotOpened(const std::string& script, OpenFailure why) override {
    scriptMissing_ = why == OpenFailure::kMissing;
    failed_ = true;
    if (!scriptMissing_) Failure({ReadErrorText(script)});
  }

  bool failed() const { return failed_; }
  bool scriptMissing() const { return scriptMissing_; }
  // Whether the command refused the build in its own voice, as one it cannot use.
  bool refused() const { return refused_; }
  // Whether the build stopped for its warnings, and nothing else has said so.
  bool stoppedByWarnings() const { return failed_ && !told_ && !refused_ && !scriptMissing_; }

 private:
  std::string AtLine(int line) const { return line > 0 ? files_.script + ":" + std::to_string(line) + ": " : ""; }

  // "the output out/l.orv is the source l.orv at out/script.txt:1"
  std::string WritesInputText(const BuildFailure& failure) const {
    const std::string written = failure.writesInput == WrittenFile::kOutput ? "the output " + files_.output
                                                                            : "the depfile " + files_.callerFile;
    if (failure.input.empty()) return written + " is the script " + files_.script;
    return written + " is the source " + failure.input + " at " + files_.script + ":" + std::to_string(failure.line);
  }

  // Progress before the text should reach a shared terminal before the text does.
  static void Tell(const std::string& text) {
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
  }

  const Invocation& in_;
  const BuildFiles& files_;
  const bool warningsFail_;
  const bool quiet_;
  bool failed_ = false;
  bool told_ = false;
  bool scriptMissing_ = false;
  bool refused_ = false;
};

// The status of a failed build, which has said why itself unless its script is missing or its warnings
// alone stopped it.
int BuildFailed(const Invocation& in, const BuildFiles& files, const CommandReporter& reporter) {
  if (reporter.refused()) return kExitUsage;
  if (reporter.stoppedByWarnings()) return FailForWarnings(in);
  if (!reporter.scriptMissing()) return kExitFailed;
  const std::string where = !in.Given("-C") ? "the current directory" : "'" + in.Value("-C") + "'";
  return in.Fail("no " + files.script + (IsRootedPath(files.script) ? "" : " in " + where), kExitUsage);
}

}  // namespace

int FailForWarnings(const Invocation& in) { return in.Fail(kWarningsFail, kExitFailed); }

int RunInBuildTurn(const Invocation& in, const BuildStep& build, const AfterBuild& after) {
  const int status = EnterBuildFolder(in);
  if (status != kExitOk) return status;
  const BuildFiles files = FilesOf(in);
  // A path Make or Ninja would misread is a command line no depfile can answer; said before anything is
  // built.
  if (in.Given("--depfile")) {
    for (const std::string& path : {files.output, files.script}) {
      const std::string misreading = DepfileMisreading(path);
      if (!misreading.empty()) return in.UsageError("a depfile cannot name '" + path + "', which " + misreading);
    }
    // The build itself refuses to write over what it reads; this pair is the command line's alone.
    if (NameOneFile(files.callerFile, files.output))
      return in.Fail("the depfile " + files.callerFile + " is the output " + files.output, kExitUsage);
  }
  const bool quiet = in.Given("-q");
  // Builds of one output take turns, the dialog's among them, whose hand-over script.txt stands in the
  // user's place only for its turn; so check takes its turn too, and reads the user's script. Where no
  // lock can be made (a folder that may not be written) the command goes on without one. Waiting is no
  // failure: a quiet build waits without a word.
  OutputLock turn;
  turn.Take(files.output, [&] {
    if (!quiet) in.Say("waiting for another build of " + files.output + " to end");
  });
  CommandReporter reporter(in, files, quiet);
  const BuildOutcome outcome = build(&reporter, files);
  std::fflush(stdout);
  return reporter.failed() ? BuildFailed(in, files, reporter) : after(files, outcome);
}

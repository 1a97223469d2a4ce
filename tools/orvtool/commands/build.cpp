// `orvtool build`: the engine's build of SCRIPT into OUT, then the depfile of what it read.
#include <string>
#include <vector>

#include "build_engine.h"
#include "commands/build_turn.h"
#include "commands/commands.h"
#include "file_replacement.h"
#include "report/depfile.h"

namespace {

// Written only after OUT was: a depfile that claims a build the build system never got would hide the
// failure from it. A depfile that cannot be written fails the command, so the build system runs it again.
int WriteDepfile(const Invocation& in, const BuildFiles& files, const BuildOutcome& outcome) {
  std::vector<std::string> read = {files.script};
  read.insert(read.end(), outcome.sources.begin(), outcome.sources.end());
  std::string text = DepfileRule(files.output, read);
  if (in.Given("--depfile-phony")) text += DepfilePhonyRules(outcome.sources);
  const std::string& depfile = in.Value("--depfile");
  if (ReplaceFileWith(depfile, text)) return kExitOk;
  return in.Fail("cannot write the depfile '" + depfile + "'", kExitFailed);
}

}  // namespace

int RunBuild(const Invocation& in) {
  if (in.Given("--depfile-phony") && !in.Given("--depfile")) return in.UsageError("--depfile-phony needs --depfile");
  return RunInBuildTurn(in, BuildFromScript, [&in](const BuildFiles& files, const BuildOutcome& outcome) {
    return in.Given("--depfile") ? WriteDepfile(in, files, outcome) : kExitOk;
  });
}

// `orvtool build [-C DIR]`: the dialog's Build ORV without the dialog.
#include <cstdio>
#include <string>
#include <vector>

#include "build_engine.h"
#include "build_folder.h"
#include "subtools.h"

int RunBuildCommand(const std::vector<std::string>& args) {
  std::string dir;
  const int status = EnterBuildFolder("build", args, &dir);
  if (status != kExitOk) return status;

  const BuildOutcome outcome = BuildWithOutcome();
  std::fflush(stdout);
  return outcome.written ? kExitOk : ReportFailedBuild("build", outcome, dir);
}

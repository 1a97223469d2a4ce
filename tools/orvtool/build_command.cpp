// `orvtool build [-C DIR]`: the dialog's Build ORV without the dialog.
#include <cstdio>
#include <string>
#include <vector>

#include "build_engine.h"
#include "build_folder.h"
#include "error_box.h"
#include "subtools.h"

int RunBuildCommand(const std::vector<std::string>& args) {
  const int status = EnterBuildFolder("build", args);
  if (status != kExitOk) return status;

  const BuildOutcome outcome = BuildWithOutcome();
  std::fflush(stdout);
  if (outcome.written) return kExitOk;
  // The engine passes over a script it cannot open in silence; here the user must hear of it.
  if (!outcome.failureShown) ShowErrorBox(outcome.failure);
  return kExitFailed;
}

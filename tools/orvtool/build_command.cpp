// `orvtool build [-C DIR]`: the dialog's Build ORV without the dialog.
#include <cstdio>
#include <string>
#include <vector>

#include "build_engine.h"
#include "build_folder.h"
#include "error_count.h"
#include "subtools.h"

int RunBuildCommand(const std::vector<std::string>& args) {
  const int status = EnterBuildFolder("build", args);
  if (status != kExitOk) return status;

  const int errorsBefore = ErrorBoxCount();
  const bool written = BuildFromScript();
  std::fflush(stdout);
  if (written) return kExitOk;
  if (ErrorBoxCount() == errorsBefore) std::fprintf(stderr, "orvtool build: the build failed without a message\n");
  return kExitFailed;
}

// `orvtool check [-C DIR]`: a build up to the point where it would write out.orv, whether it could write
// it there, and what that file would hold and do. Leaves nothing written.
#include <cstdio>
#include <string>
#include <vector>

#include "build_check.h"
#include "build_engine.h"
#include "build_failure.h"
#include "build_folder.h"
#include "orv_flow.h"
#include "orv_writer.h"
#include "subtools.h"

int RunCheckCommand(const std::vector<std::string>& args) {
  const int status = EnterBuildFolder("check", args);
  if (status != kExitOk) return status;

  ForgetBuildFailure();
  BuildPlan plan;
  std::string err;
  // Placing the tables in the file only moves offsets in memory; a file too large for them would stop
  // the build there, so it stops the check too.
  const bool planned = PlanBuild(&plan);
  if (planned && !plan.tables->PlaceInFile(&err)) ShowBuildFailure(err);
  // Then the output side, as the build would begin to write: a folder named out.orv, a folder that may
  // not be written.
  const bool replaceable = planned && err.empty() && CheckOutputReplaceable();
  std::fflush(stdout);
  if (!replaceable) {
    if (LastBuildFailure().empty()) std::fprintf(stderr, "orvtool check: the build failed without a message\n");
    return kExitFailed;
  }

  OrvLayout layout;
  if (!LayoutOfPlan(plan, &layout, &err)) {
    std::fprintf(stderr, "orvtool check: the header a build would write breaks the layout: %s\n", err.c_str());
    return kExitFailed;
  }
  std::printf("out.orv would be %llu bytes: stateCount %d, chunkCount %d\n",
              static_cast<unsigned long long>(layout.fileSize), static_cast<int>(layout.stateCount),
              static_cast<int>(layout.chunkCount));
  std::fflush(stdout);
  const OrvFlow flow(layout);
  for (const std::string& warning : RunOnWarnings(flow, plan.entries, plan.entryCount))
    std::fprintf(stderr, "orvtool check: warning: %s\n", warning.c_str());
  return kExitOk;
}

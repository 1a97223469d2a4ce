// `orvtool check [-C DIR]`: a build up to the point where it would write out.orv, whether it could write
// it there, and what that file would hold and do. Leaves nothing written.
#include <cstdio>
#include <string>
#include <vector>

#include "build_engine.h"
#include "build_folder.h"
#include "check_plan.h"
#include "flow.h"
#include "subtools.h"

int RunCheckCommand(const std::vector<std::string>& args) {
  std::string dir;
  const int status = EnterBuildFolder("check", args, &dir);
  if (status != kExitOk) return status;

  BuildPlan plan;
  const BuildOutcome outcome = DryRunBuild(&plan);
  std::fflush(stdout);
  if (outcome.failed()) return ReportFailedBuild("check", outcome, dir);

  std::string err;
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

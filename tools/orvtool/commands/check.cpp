// `orvtool check`: the build up to writing OUT, then the figures OUT would have and the music that runs on.
#include <cstdio>
#include <string>
#include <vector>

#include "build_engine.h"
#include "commands/build_turn.h"
#include "commands/commands.h"
#include "orv_writer.h"
#include "play/flow.h"
#include "play/run_on_warnings.h"
#include "read/layout.h"

namespace {

// What the planned build would write, and the music in it that runs on. Its header is read and checked
// as info reads a file; a build should never write one that breaks a rule.
int ReportPlan(const Invocation& in, const BuildFiles& files, const BuildPlan& plan) {
  MemorySource header(OrvHeaderBytes(*plan.tables), static_cast<std::uint64_t>(plan.tables->fileLength()));
  OrvLayout layout;
  std::string err;
  if (!InspectOrv(&header, &layout, &err))
    return in.Fail("the header a build would write breaks the layout: " + err, kExitFailed);
  std::printf("%s would be %llu bytes: stateCount %d, chunkCount %d\n", files.output.c_str(),
              static_cast<unsigned long long>(layout.fileSize), static_cast<int>(layout.stateCount),
              static_cast<int>(layout.chunkCount));
  const std::vector<std::string> warnings = RunOnWarnings(OrvFlow(layout), plan.entries, plan.entryCount);
  for (const std::string& warning : warnings) in.Say("warning: " + warning);
  return warnings.empty() || !in.Given("--warnings-as-errors") ? kExitOk : FailForWarnings(in);
}

}  // namespace

int RunCheck(const Invocation& in) {
  BuildPlan plan;
  return RunInBuildTurn(
      in, [&plan](BuildReporter* reporter, const BuildFiles& files) { return DryRunBuild(&plan, reporter, files); },
      [&in, &plan](const BuildFiles& files, const BuildOutcome&) { return ReportPlan(in, files, plan); });
}

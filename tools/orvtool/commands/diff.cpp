// `orvtool diff`: what the game plays differently from one file to another.
#include <memory>
#include <string>

#include "commands/commands.h"
#include "play/flow_diff.h"
#include "report/diff_report.h"

// The exit status of cmp and diff: 0 the same, 1 different, 2 trouble, a file that cannot be read or
// breaks a layout rule among it.
int RunDiff(const Invocation& in) {
  const std::string& oldPath = in.operands()[0];
  const std::string& newPath = in.operands()[1];
  FileSource oldFile, newFile;
  OrvLayout oldLayout, newLayout;
  if (ReadValidOrv(in, oldPath, &oldFile, &oldLayout) != kExitOk ||
      ReadValidOrv(in, newPath, &newFile, &newLayout) != kExitOk)
    return kExitUsage;
  const OrvFlow oldFlow(oldLayout), newFlow(newLayout);
  const std::unique_ptr<DiffSink> report = in.Given("--json") ? MakeJsonDiffReport(ToStandardOutput, oldPath, newPath)
                                                              : MakeTextDiffReport(ToStandardOutput, oldPath, newPath);
  DiffCounts counts;
  std::string err;
  const bool compared =
      DiffOrv({oldFlow, &oldFile, oldPath}, {newFlow, &newFile, newPath}, report.get(), &counts, &err);
  const int status = in.FinishReport(counts.Same() ? kExitOk : kExitFailed);
  return status != kExitUsage && !compared ? in.Fail(err, kExitUsage) : status;
}

// `orvtool diff [--json] OLD NEW`: what the game plays differently from OLD to NEW, with the exit status
// of cmp and diff: 0 the same, 1 different, 2 trouble.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "byte_source.h"
#include "diff.h"
#include "diff_report.h"
#include "flow.h"
#include "read_orv_file.h"
#include "subtools.h"

int RunDiffCommand(const std::vector<std::string>& args) {
  bool json = false;
  const std::vector<std::string> files = TakeJsonFlag(args, &json);
  if (files.size() < 2) return UsageError(files.empty() ? "diff: missing OLD and NEW" : "diff: missing NEW");
  if (files.size() > 2) return UsageError("diff: unexpected argument '" + files[2] + "'");

  FileSource oldFile, newFile;
  OrvLayout oldLayout, newLayout;
  // A file that cannot be read or breaks a layout rule is trouble here, not a difference.
  if (ReadSoundOrv("diff", files[0], &oldFile, &oldLayout) != kExitOk ||
      ReadSoundOrv("diff", files[1], &newFile, &newLayout) != kExitOk)
    return kExitUsage;
  const OrvFlow oldFlow(oldLayout), newFlow(newLayout);

  const TextSink out = [](const std::string& text) { std::fputs(text.c_str(), stdout); };
  const std::unique_ptr<DiffSink> report =
      json ? MakeJsonDiffReport(out, files[0], files[1]) : MakeTextDiffReport(out, files[0], files[1]);
  DiffCounts counts;
  std::string err;
  const bool compared =
      DiffOrv({oldFlow, &oldFile, files[0]}, {newFlow, &newFile, files[1]}, report.get(), &counts, &err);
  const int status = FinishReport("diff", counts.Same() ? kExitOk : kExitFailed);
  if (status == kExitUsage || compared) return status;
  std::fprintf(stderr, "orvtool diff: %s\n", err.c_str());
  return kExitUsage;
}

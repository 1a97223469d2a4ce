// `orvtool info FILE`: shows an ORV file and checks its layout.
#include <cstdio>
#include <string>
#include <vector>

#include "byte_source.h"
#include "orv_layout.h"
#include "orv_report.h"
#include "subtools.h"

int RunInfoCommand(const std::vector<std::string>& args) {
  if (args.empty()) return UsageError("info: missing FILE");
  if (args.size() > 1) return UsageError("info: unexpected argument '" + args[1] + "'");
  const std::string& path = args[0];

  FileSource file;
  std::string err;
  if (!file.Open(path, &err)) {
    std::fprintf(stderr, "orvtool info: %s\n", err.c_str());
    return kExitUsage;
  }

  OrvLayout layout;
  std::string fault;
  const bool valid = InspectOrv(&file, &layout, &fault);
  std::int32_t payloadEnd = 0;
  std::string why;
  const bool source = CheckBuildSource(&file, &payloadEnd, &why);

  std::string text = "file: " + path + "\n" + FormatOrvLayout(layout) +
                     FormatSourceVerdict(layout, source, payloadEnd, why) +
                     (valid ? "layout: ok\n" : "layout: broken\n");
  std::fputs(text.c_str(), stdout);
  std::fflush(stdout);
  if (valid) return kExitOk;
  std::fprintf(stderr, "orvtool info: %s: %s\n", path.c_str(), fault.c_str());
  return kExitFailed;
}

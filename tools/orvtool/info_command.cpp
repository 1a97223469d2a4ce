// `orvtool info [--json] FILE`: shows an ORV file and checks its layout.
#include <cstdio>
#include <string>
#include <vector>

#include "byte_source.h"
#include "orv_json.h"
#include "orv_layout.h"
#include "orv_report.h"
#include "read_orv_file.h"
#include "subtools.h"

int RunInfoCommand(const std::vector<std::string>& args) {
  bool json = false;
  std::vector<std::string> files;
  for (const std::string& arg : args) {
    if (arg == "--json" && !json)
      json = true;
    else
      files.push_back(arg);
  }
  if (files.empty()) return UsageError("info: missing FILE");
  if (files.size() > 1) return UsageError("info: unexpected argument '" + files[1] + "'");
  const std::string& path = files[0];

  FileSource file;
  if (!OpenOrvFile("info", path, &file)) return kExitUsage;

  OrvLayout layout;
  std::string fault;
  const bool valid = InspectOrv(&file, &layout, &fault);
  std::int32_t payloadEnd = 0;
  std::string why;
  const bool source = CheckBuildSource(&file, &payloadEnd, &why);

  const std::string text = json ? FormatOrvJson(path, layout, valid ? std::string() : fault, source)
                                : "file: " + path + "\n" + FormatOrvLayout(layout) +
                                      FormatSourceVerdict(layout, source, payloadEnd, why) +
                                      (valid ? "layout: ok\n" : "layout: broken\n");
  std::fputs(text.c_str(), stdout);
  std::fflush(stdout);
  if (valid) return kExitOk;
  ReportBrokenLayout("info", path, fault);
  return kExitFailed;
}

// `orvtool info [--json] FILE`: shows an ORV file and checks its layout. The file is walked again for
// each rule and for the report, which is printed as it is made: memory stays flat whatever its counts.
#include <cstdio>
#include <string>
#include <vector>

#include "byte_source.h"
#include "info_json.h"
#include "info_text.h"
#include "layout.h"
#include "layout_tables.h"
#include "read_orv_file.h"
#include "subtools.h"

int RunInfoCommand(const std::vector<std::string>& args) {
  bool json = false;
  const std::vector<std::string> files = TakeJsonFlag(args, &json);
  if (files.empty()) return UsageError("info: missing FILE");
  if (files.size() > 1) return UsageError("info: unexpected argument '" + files[1] + "'");
  const std::string& path = files[0];

  FileSource file;
  if (!OpenOrvFile("info", path, &file)) return kExitUsage;

  OrvLayout layout;
  std::string fault;
  const bool valid = InspectOrvCounts(&file, &layout, &fault);
  const SourceVerdict source = JudgeSourceOf(&file);

  const TextSink out = [](const std::string& text) { std::fputs(text.c_str(), stdout); };
  FileTables tables(&file, layout);
  if (json) {
    WriteOrvJson(&tables, path, valid ? std::string() : fault, source.accepted(), out);
  } else {
    out("file: " + path + "\n");
    WriteOrvLayout(&tables, out);
    out(FormatSourceVerdict(layout, source, valid));
    for (const std::string& warning : LayoutWarnings(layout)) out("warning: " + warning + "\n");
    out(valid ? "layout: ok\n" : "layout: broken\n");
  }
  if (FinishReport("info", kExitOk) != kExitOk) return kExitUsage;
  if (valid) return kExitOk;
  ReportBrokenLayout("info", path, fault);
  return kExitFailed;
}

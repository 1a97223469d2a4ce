// `orvtool info`: a file's header, states and chunk rows, its verdict as a source, and its layout checked.
#include <string>

#include "commands/commands.h"
#include "read/layout_tables.h"
#include "read/source_verdict.h"
#include "report/info_json.h"
#include "report/info_text.h"

// The file is walked again for each rule and for the report, which is printed as it is made: memory
// stays flat whatever its counts.
int RunInfo(const Invocation& in) {
  const std::string& path = in.operands()[0];
  FileSource file;
  if (!OpenOrvFile(in, path, &file)) return kExitUsage;
  OrvLayout layout;
  std::string fault;
  const bool valid = InspectOrvHoldingNothing(&file, &layout, &fault);
  const SourceVerdict source = JudgeSourceOf(&file);
  FileTables tables(&file, layout);
  if (in.Given("--json"))
    WriteOrvJson(&tables, path, valid ? std::string() : fault, source.accepted(), ToStandardOutput);
  else
    WriteInfoText(&tables, path, source, valid, ToStandardOutput);
  const int status = in.FinishReport(kExitOk);
  return status != kExitOk || valid ? status : in.Fail(path + ": " + fault, kExitFailed);
}

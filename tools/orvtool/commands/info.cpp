// `orvtool info`: a file's header, states and chunk rows, its verdict as a source, and its layout checked.
#include <string>

#include "commands/commands.h"
#include "read/source_verdict.h"
#include "report/info_json.h"
#include "report/info_text.h"

int RunInfo(const Invocation& in) {
  const std::string& path = in.operands()[0];
  FileSource file;
  if (!OpenOrvFile(in, path, &file)) return kExitUsage;
  OrvLayout layout;
  std::string fault;
  const bool valid = InspectOrv(&file, &layout, &fault);
  const SourceVerdict source = JudgeSourceOf(&file);
  if (in.Given("--json"))
    WriteOrvJson(layout, path, valid ? std::string() : fault, source.accepted(), ToStandardOutput);
  else
    WriteInfoText(layout, path, source, valid, ToStandardOutput);
  const int status = in.FinishReport(kExitOk);
  return status != kExitOk || valid ? status : in.Fail(path + ": " + fault, kExitFailed);
}

// `orvtool graph`: a file's flow between its pieces, as Graphviz DOT.
#include <string>

#include "commands/commands.h"
#include "read/layout_tables.h"
#include "report/graph_dot.h"

int RunGraph(const Invocation& in) {
  const std::string& path = in.operands()[0];
  FileSource file;
  OrvLayout layout;
  const int status = ReadSoundOrv(in, path, &file, &layout);
  if (status != kExitOk) return status;
  FileTables tables(&file, layout);
  const OrvFlow flow(&tables);
  WriteGraph(flow, path, ToStandardOutput);
  return FinishReadAgain(in, flow, path, in.FinishReport(kExitOk));
}

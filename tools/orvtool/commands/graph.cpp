// `orvtool graph`: a file's flow between its pieces, as Graphviz DOT.
#include <string>

#include "commands/commands.h"
#include "report/graph_dot.h"

int RunGraph(const Invocation& in) {
  const std::string& path = in.operands()[0];
  FileSource file;
  OrvLayout layout;
  const int status = ReadValidOrv(in, path, &file, &layout);
  if (status != kExitOk) return status;
  WriteGraph(OrvFlow(layout), path, ToStandardOutput);
  return in.FinishReport(kExitOk);
}

// `orvtool graph FILE`: a file's flow as Graphviz DOT on standard output.
#include <cstdio>
#include <string>
#include <vector>

#include "flow.h"
#include "graph.h"
#include "read_orv_file.h"
#include "subtools.h"

int RunGraphCommand(const std::vector<std::string>& args) {
  if (args.empty()) return UsageError("graph: missing FILE");
  if (args.size() > 1) return UsageError("graph: unexpected argument '" + args[1] + "'");

  FileSource file;
  OrvLayout layout;
  const int status = ReadSoundOrv("graph", args[0], &file, &layout);
  if (status != kExitOk) return status;
  WriteGraph(OrvFlow(layout), args[0], [](const std::string& text) { std::fputs(text.c_str(), stdout); });
  return FinishReport("graph", kExitOk);
}

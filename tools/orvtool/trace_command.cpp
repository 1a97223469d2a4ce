// `orvtool trace FILE EVENT...`: what the game plays from a file for a run of events.
#include <cstdio>
#include <string>
#include <vector>

#include "event_table.h"
#include "flow.h"
#include "read_orv_file.h"
#include "subtools.h"
#include "trace.h"

int RunTraceCommand(const std::vector<std::string>& args) {
  if (args.empty()) return UsageError("trace: missing FILE");
  if (args.size() == 1) return UsageError("trace: missing EVENT");
  std::vector<TraceEvent> events;
  for (std::size_t i = 1; i < args.size(); ++i) {
    TraceEvent event;
    if (!ParseTraceEvent(args[i], &event))
      return UsageError("trace: '" + args[i] + "' is no event id; give one from 0 to " +
                        std::to_string(kMaxPairedEventId) + ", or ID*COUNT for COUNT chunk ends in a row (COUNT 1 to " +
                        std::to_string(kMaxTraceCount) + ")");
    events.push_back(event);
  }

  FileSource file;
  OrvLayout layout;
  const int status = ReadSoundOrv("trace", args[0], &file, &layout);
  if (status != kExitOk) return status;
  TraceOrv(OrvFlow(layout), events, [](const std::string& line) { std::fputs(line.c_str(), stdout); });
  return FinishReport("trace", kExitOk);
}

// `orvtool trace`: the chunks the game plays from a file for the events given.
#include <string>
#include <vector>

#include "commands/commands.h"
#include "event_table.h"
#include "report/trace_text.h"

int RunTrace(const Invocation& in) {
  const std::vector<std::string>& words = in.operands();
  std::vector<TraceEvent> events;
  for (std::size_t i = 1; i < words.size(); ++i) {
    TraceEvent event;
    if (!ParseTraceEvent(words[i], &event))
      return in.UsageError(
          "'" + words[i] + "' is no event id; give one from 0 to " + std::to_string(kMaxPairedEventId) +
          ", or ID*COUNT for COUNT chunk ends in a row (COUNT 1 to " + std::to_string(kMaxTraceCount) + ")");
    events.push_back(event);
  }
  FileSource file;
  OrvLayout layout;
  const int status = ReadValidOrv(in, words[0], &file, &layout);
  if (status != kExitOk) return status;
  TraceOrv(OrvFlow(layout), events, ToStandardOutput);
  return in.FinishReport(kExitOk);
}

#include "script_warnings.h"

#include <algorithm>

#include "ascii_case.h"
#include "event_table.h"

std::vector<ScriptWarning> ScriptWarnings::Of(const ScriptEntry& entry, const char* typeWord) {
  std::vector<ScriptWarning> warnings;
  auto warn = [&](const std::string& text) { warnings.push_back({entry.line, text}); };
  if (!entry.loop && !EqualsIgnoringAsciiCase(typeWord, "begin"))
    warn("the type word \"" + std::string(typeWord) + "\" is neither begin nor loop: the entry is read as a Begin");

  auto seen = std::find_if(events_.begin(), events_.end(), [&](const Event& e) { return e.id == entry.eventId; });
  if (seen == events_.end()) {
    if (entry.eventId < 0 || entry.eventId > kMaxPairedEventId)
      warn("event " + std::to_string(entry.eventId) + " lies outside 0 to " + std::to_string(kMaxPairedEventId) +
           ", which the state table never lists");
    events_.push_back({entry.eventId, 0, 0});
    seen = events_.end() - 1;
  }
  int& first = entry.loop ? seen->loopLine : seen->beginLine;
  if (first != 0)
    warn(EventLabel(entry.eventId) + " has a " + (entry.loop ? "Loop" : "Begin") + " already, on line " +
         std::to_string(first));
  else
    first = entry.line;
  return warnings;
}

#include "play/run_on_warnings.h"

#include <algorithm>
#include <set>

#include "event_table.h"

namespace {

using std::to_string;

bool OwnRow(const OrvFlow& flow, int row, std::int32_t eventId) {
  const FlowEntry* entry = flow.EntryOf(row);
  return entry && entry->haveEvent && entry->eventId == eventId;
}

// Why an event's music leaves it, as far as its script entries tell; "" when they do not.
std::string WhyTheMusicLeaves(const ScriptEntry* entries, int n, std::int32_t eventId) {
  bool beginPayload = false, loopPayload = false, loopNamed = false;
  for (int i = 0; i < n; ++i) {
    if (entries[i].eventId != eventId) continue;
    if (entries[i].loop) {
      loopPayload = loopPayload || entries[i].payloadLength > 0;
      loopNamed = loopNamed || !IsNullPath(entries[i].path);
    } else {
      beginPayload = beginPayload || entries[i].payloadLength > 0;
    }
  }
  if (!beginPayload && !loopPayload) return "; neither its Begin nor its Loop has any payload";
  if (!loopPayload) return loopNamed ? "; its Loop source has no payload" : "; it has no Loop source";
  return "";
}

// Follows the player from `row` with the event held, until the music loops within the event's own
// entries, leaves them, or ends. Empty when it stays.
std::string FollowHeldEvent(const OrvFlow& flow, int row, std::int32_t eventId) {
  std::vector<bool> seen(static_cast<std::size_t>(flow.trailingRow()) + 1, false);
  const FlowEntry* last = nullptr;
  for (;;) {
    if (row == 0) row = flow.Start(eventId).row;
    std::string outcome;
    if (row == 0) {
      outcome = "the music goes back to the leading row, which the player then never leaves";
    } else if (row == flow.trailingRow()) {
      outcome = "the music ends";
    } else if (!OwnRow(flow, row, eventId)) {
      const FlowEntry* entry = flow.EntryOf(row);
      outcome = "the music runs on into " + (entry ? EntryLabel(*entry) : std::string("a row of no entry")) +
                " (chunk " + to_string(row) + ")";
    } else if (seen[static_cast<std::size_t>(row)]) {
      return "";
    }
    if (!outcome.empty()) {
      const std::string where =
          !last ? "as soon as it comes" : std::string("after its ") + (last->loop ? "Loop" : "Begin");
      return where + " " + outcome;
    }
    seen[static_cast<std::size_t>(row)] = true;
    last = flow.EntryOf(row);
    row = flow.Next(row, eventId).row;
  }
}

}  // namespace

std::vector<std::string> RunOnWarnings(const OrvFlow& flow, const ScriptEntry* entries, int n) {
  std::vector<std::string> warnings;
  std::set<std::int32_t> done;
  for (int i = 0; i < n; ++i) {
    const std::int32_t eventId = entries[i].eventId;
    // No state lists an event outside the table's: the script's own warning says so, at its line.
    if (!done.insert(eventId).second || eventId < 0 || eventId > kMaxPairedEventId) continue;
    const std::string who = EventLabel(eventId) + ": ";
    // Where the event takes the music when it comes during another event's entry, or at the start.
    std::set<int> starts;
    for (int row = 1; row < flow.trailingRow(); ++row) {
      if (OwnRow(flow, row, eventId)) continue;
      const FlowStep step = flow.Next(row, eventId);
      if (step.byPair) starts.insert(step.row);
    }
    const int first = flow.Start(eventId).row;
    if (OwnRow(flow, first, eventId)) starts.insert(first);
    if (starts.empty()) {
      warnings.push_back(who + "no state sends the music to it" + WhyTheMusicLeaves(entries, n, eventId));
      continue;
    }
    for (int start : starts) {
      const std::string outcome = FollowHeldEvent(flow, start, eventId);
      if (outcome.empty()) continue;
      const std::string text = who + outcome + WhyTheMusicLeaves(entries, n, eventId);
      if (std::find(warnings.begin(), warnings.end(), text) == warnings.end()) warnings.push_back(text);
    }
  }
  return warnings;
}

#include "report/trace_text.h"

#include <string>

#include "event_table.h"

namespace {

using std::to_string;

bool ParseNumber(const std::string& digits, std::int64_t limit, std::int64_t* value) {
  if (digits.empty() || digits.size() > 7) return false;
  *value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return false;
    *value = *value * 10 + (c - '0');
  }
  return *value <= limit;
}

// A row as trace names it: `row 0, the leading row`, `chunk 3`.
std::string ChunkName(const OrvFlow& flow, int row) {
  return RowName(static_cast<std::size_t>(row), flow.rowCount(), {"chunk ", ", the leading row", ", the trailing row"});
}

std::string ChunkLine(const OrvFlow& flow, int row) {
  std::string line = "chunk " + to_string(row) + ": ";
  const FlowEntry* entry = flow.EntryOf(row);
  if (entry)
    line +=
        EntryLabel(*entry) + ", piece " + to_string(row - entry->firstRow + 1) + " of " + to_string(entry->rowCount);
  else
    line += "state " + to_string(flow.Row(row).stateIndex) + ", of no entry";
  return line + ", " + to_string(flow.RowLength(row)) + " bytes\n";
}

// Passes the leading row with the event that the next chunk end will have, and says where to. False when
// state 0 sends that event back to the leading row, which the player would then never leave.
bool PassLeadingRow(const OrvFlow& flow, std::int32_t eventId, int* row, const TextSink& emit) {
  const FlowStep step = flow.Start(eventId);
  if (flow.EveryEventStartsAtRowOne())
    emit("start: the leading row sends every event to " + ChunkName(flow, 1) + "\n");
  else if (step.byPair)
    emit("start: state 0 sends " + EventLabel(eventId) + " to " + ChunkName(flow, step.row) + "\n");
  else
    emit("start: " + EventLabel(eventId) + " is not in state 0, on to the next row, " + ChunkName(flow, 1) + "\n");
  *row = step.row;
  return step.row != 0;
}

std::string Unused(std::int64_t left) {
  if (left == 0) return "";
  return ", " + to_string(left) + (left == 1 ? " chunk end given goes unused" : " chunk ends given go unused");
}

}  // namespace

bool ParseTraceEvent(const std::string& word, TraceEvent* event) {
  const std::size_t star = word.find('*');
  std::int64_t id = 0;
  std::int64_t count = 1;
  if (!ParseNumber(word.substr(0, star), kMaxPairedEventId, &id)) return false;
  if (star != std::string::npos && (!ParseNumber(word.substr(star + 1), kMaxTraceCount, &count) || count < 1))
    return false;
  event->eventId = static_cast<std::int32_t>(id);
  event->count = count;
  return true;
}

void TraceOrv(const OrvFlow& flow, const std::vector<TraceEvent>& events, const TextSink& emit) {
  std::int64_t left = 0;
  for (const TraceEvent& event : events) left += event.count;
  // The event of the next chunk end; once all are used, the last one stays current.
  std::size_t at = 0;
  std::int64_t usedOfAt = 0;
  auto current = [&]() -> std::int32_t {
    while (at < events.size() && usedOfAt >= events[at].count) {
      ++at;
      usedOfAt = 0;
    }
    if (at < events.size()) return events[at].eventId;
    return events.empty() ? 0 : events.back().eventId;
  };

  int row = 0;
  while (row == 0) {
    if (!PassLeadingRow(flow, current(), &row, emit)) {
      emit("end: state 0 sends it back to the leading row, which the player then never leaves" + Unused(left) + "\n");
      return;
    }
    for (; left > 0 && row != 0 && row != flow.trailingRow(); --left, ++usedOfAt) {
      const std::int32_t eventId = current();
      emit(ChunkLine(flow, row));
      const FlowStep step = flow.Next(row, eventId);
      const std::string who = "  " + EventLabel(eventId) + ": ";
      if (step.byPair)
        emit(who + "state " + to_string(step.stateIndex) + " sends it to " + ChunkName(flow, step.row) + "\n");
      else
        emit(who + "not in state " + to_string(step.stateIndex) + ", on to the next row, " + ChunkName(flow, step.row) +
             "\n");
      row = step.row;
    }
    // Only a file this tool did not build sends the music back to the leading row.
  }
  if (row != flow.trailingRow()) {
    emit("next: " + ChunkLine(flow, row));
    return;
  }
  emit("end" + Unused(left) + "\n");
}

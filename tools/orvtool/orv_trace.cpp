#include "orv_trace.h"

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

std::string RowName(const OrvFlow& flow, int row) {
  if (row == 0) return "row 0, the leading row";
  if (row == flow.trailingRow()) return "row " + to_string(row) + ", the trailing row";
  return "chunk " + to_string(row);
}

std::string ChunkLine(const OrvFlow& flow, int row) {
  std::string line = "chunk " + to_string(row) + ": ";
  const FlowEntry* entry = flow.EntryOf(row);
  if (entry != nullptr)
    line +=
        EntryLabel(*entry) + ", piece " + to_string(row - entry->firstRow + 1) + " of " + to_string(entry->rowCount);
  else
    line += "state " + to_string(flow.layout().rows[static_cast<std::size_t>(row)].stateIndex) + ", of no entry";
  return line + ", " + to_string(flow.RowLength(row)) + " bytes\n";
}

std::string StartLine(const OrvFlow& flow) {
  return "start: the leading row sends every event to " + RowName(flow, 1) + "\n";
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

void TraceOrv(const OrvFlow& flow, const std::vector<TraceEvent>& events,
              const std::function<void(const std::string& line)>& emit) {
  std::int64_t left = 0;
  for (const TraceEvent& event : events) left += event.count;

  emit(StartLine(flow));
  int row = 1;
  for (const TraceEvent& event : events) {
    for (std::int64_t i = 0; i < event.count && row != flow.trailingRow(); ++i, --left) {
      emit(ChunkLine(flow, row));
      const FlowStep step = flow.Next(row, event.eventId);
      const std::string who = "  " + EventLabel(event.eventId) + ": ";
      if (step.byPair)
        emit(who + "state " + to_string(step.stateIndex) + " sends it to " + RowName(flow, step.row) + "\n");
      else
        emit(who + "not in state " + to_string(step.stateIndex) + ", on to the next row, " + RowName(flow, step.row) +
             "\n");
      row = step.row;
      // Only a file this tool did not build sends the music back to the leading row.
      if (row == 0) {
        emit(StartLine(flow));
        row = 1;
      }
    }
  }
  if (row != flow.trailingRow()) {
    emit("next: " + ChunkLine(flow, row));
    return;
  }
  std::string end = "end";
  if (left > 0)
    end += ", " + to_string(left) + (left == 1 ? " chunk end given goes unused" : " chunk ends given go unused");
  emit(end + "\n");
}

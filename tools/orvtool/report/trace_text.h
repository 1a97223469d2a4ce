// `orvtool trace`: the chunks the game's player plays from a file for a given run of events, one line
// a chunk with the entry it belongs to, then the transition taken.
#ifndef ORVTOOL_REPORT_TRACE_TEXT_H_
#define ORVTOOL_REPORT_TRACE_TEXT_H_

#include <cstdint>
#include <string>
#include <vector>

#include "play/flow.h"
#include "report/text_sink.h"

// One EVENT word: `count` chunk ends in a row with this event current.
struct TraceEvent {
  std::int32_t eventId = 0;
  std::int64_t count = 1;
};

constexpr std::int64_t kMaxTraceCount = 1000000;

// Parses `ID` or `ID*COUNT`, ID 0 to kMaxPairedEventId (the events a built file can tell apart), COUNT 1
// to kMaxTraceCount. False for anything else.
bool ParseTraceEvent(const std::string& word, TraceEvent* event);

// The player starts at the leading row, which holds no bytes: state 0 sends the first event on (a built
// file sends every event to chunk 1), and no chunk end is used there. At the end of each chunk played the
// next event decides; after the last one the chunk that would play next is shown. Reaching the trailing
// row ends the music. Each line goes to `emit` as it is made, so a long run of events is never held in
// memory.
void TraceOrv(const OrvFlow& flow, const std::vector<TraceEvent>& events, const TextSink& emit);

#endif  // ORVTOOL_REPORT_TRACE_TEXT_H_

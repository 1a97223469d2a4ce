#include "event_table.h"

const char* const kEventNames[kEventCount] = {
    "Cruising", "Combat", "Combat / Dmg", "caps alive, fght dead", "Mission Accomplished", "Mission Failed",
};

const char* EventName(int eventId) { return eventId < 0 || eventId >= kEventCount ? nullptr : kEventNames[eventId]; }

std::string EventLabel(int eventId, EventNameIn style) {
  const char* name = EventName(eventId);
  const std::string label = "event " + std::to_string(eventId);
  if (name == nullptr) return label;
  if (style == EventNameIn::kNameOnly) return name;
  const std::string quoted = std::string("\"") + name + "\"";
  if (style == EventNameIn::kQuotesOnly) return quoted;
  return label + (style == EventNameIn::kParentheses ? " (" + quoted + ")" : " " + quoted);
}

#include "event_table.h"

namespace {
const char* const kEventNames[kEventCount] = {
    "Cruising", "Combat", "Combat / Dmg", "caps alive, fght dead", "Mission Accomplished", "Mission Failed",
};
}  // namespace

const char* EventName(int eventId) {
  if (eventId < 0 || eventId >= kEventCount) return nullptr;
  return kEventNames[eventId];
}

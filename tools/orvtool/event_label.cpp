#include "event_label.h"

#include "event_table.h"

std::string EventLabel(std::int32_t eventId) {
  const char* name = EventName(eventId);
  std::string label = "event " + std::to_string(eventId);
  if (name != nullptr) label += std::string(" \"") + name + "\"";
  return label;
}

std::string EventShortName(std::int32_t eventId) {
  const char* name = EventName(eventId);
  return name != nullptr ? std::string(name) : "event " + std::to_string(eventId);
}

std::string EventQuotedName(std::int32_t eventId) {
  const char* name = EventName(eventId);
  return name != nullptr ? "\"" + std::string(name) + "\"" : "event " + std::to_string(eventId);
}

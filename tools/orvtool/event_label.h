// How orvtool names an event in what it prints: by its number, and by its name where it has one.
#ifndef ORVTOOL_EVENT_LABEL_H_
#define ORVTOOL_EVENT_LABEL_H_

#include <cstdint>
#include <string>

// `event 1 "Combat"`, or `event 9` for an event without a name.
std::string EventLabel(std::int32_t eventId);
// `Combat`, or `event 9` for an event without a name.
std::string EventShortName(std::int32_t eventId);
// `"Combat"`, or `event 9` for an event without a name.
std::string EventQuotedName(std::int32_t eventId);

#endif  // ORVTOOL_EVENT_LABEL_H_

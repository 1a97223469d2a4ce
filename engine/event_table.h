// The game events an author can give a handler; an event's index here is its identifier.
#ifndef ORV_ENGINE_EVENT_TABLE_H_
#define ORV_ENGINE_EVENT_TABLE_H_

#include <string>

constexpr int kEventCount = 6;

// The highest event id a build's states list pairs for: events 0 to 14 can be told apart in a built
// file, though only the first kEventCount have names. Entries of other ids get no pairs.
constexpr int kMaxPairedEventId = 14;

// The event's display name, or nullptr for an identifier outside 0 to kEventCount - 1.
const char* EventName(int eventId);

// An event as a text names it: by its number and name, `event 1 "Combat"` in orvtool's reports and
// `event 1 ("Combat")` in the dialog's sentences; by its name alone where that stands for the event,
// `"Combat"`, or `Combat` in a picture's caption. `event 9`, in every wording, for one without a name.
enum class EventNameIn { kQuotes, kParentheses, kQuotesOnly, kNameOnly };
std::string EventLabel(int eventId, EventNameIn style = EventNameIn::kQuotes);

#endif  // ORV_ENGINE_EVENT_TABLE_H_

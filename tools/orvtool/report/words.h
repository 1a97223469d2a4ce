// How orvtool's reports are written: where they go, a piece at a time, and the words every command
// writes alike.
#ifndef ORVTOOL_REPORT_WORDS_H_
#define ORVTOOL_REPORT_WORDS_H_

#include <cstdint>
#include <functional>
#include <string>

// Where a report goes, a piece at a time: standard output (ToStandardOutput), or a string (AppendTo).
using TextSink = std::function<void(const std::string& text)>;

void ToStandardOutput(const std::string& text);

// The sink that adds each piece to the end of *text, which must outlive it.
TextSink AppendTo(std::string* text);

// `1 byte`, `2 bytes`.
std::string Plural(std::int64_t n, const char* one, const char* many);

// `0x3f35c28f`: eight digits, as the word's bits.
std::string Hex(std::int32_t word);

// `event 1 "Combat"`, or `event 9` for an event without a name.
std::string EventLabel(std::int32_t eventId);
// `Combat`, or `event 9` for an event without a name.
std::string EventShortName(std::int32_t eventId);
// `"Combat"`, or `event 9` for an event without a name.
std::string EventQuotedName(std::int32_t eventId);

// A text as a double-quoted literal with backslash escapes, which both JSON and Graphviz DOT read:
// bytes that are not UTF-8 (a path in a local code page) become replacement characters, so neither
// refuses nor warns of the text.
std::string QuotedText(const std::string& text);

#endif  // ORVTOOL_REPORT_WORDS_H_

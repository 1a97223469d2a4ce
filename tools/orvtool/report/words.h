// How orvtool's reports are written: where they go, a piece at a time, and the words every command
// writes alike.
#ifndef ORVTOOL_REPORT_WORDS_H_
#define ORVTOOL_REPORT_WORDS_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// Where a report goes, a piece at a time: standard output (ToStandardOutput), or a string (AppendTo).
using TextSink = std::function<void(const std::string& text)>;

void ToStandardOutput(const std::string& text);

// The sink that adds each piece to the end of *text, which must outlive it.
TextSink AppendTo(std::string* text);

// `0x3f35c28f`: eight digits, as the word's bits.
std::string Hex(std::int32_t word);

// A row of a chunk table of rowCount rows by its number, in the caller's words: the leading and the
// trailing row as `row N` and the end named after it, the rows between by the word before N.
struct RowWords {
  const char* chunk;     // "chunk " gives `chunk 3`
  const char* leading;   // " (leading)" gives `row 0 (leading)`
  const char* trailing;  // ", the trailing row" gives `row 5, the trailing row`
};
std::string RowName(std::size_t row, std::size_t rowCount, const RowWords& words);

// `Combat`, or `event 9` for an event without a name.
std::string EventShortName(std::int32_t eventId);
// `"Combat"`, or `event 9` for an event without a name.
std::string EventQuotedName(std::int32_t eventId);

// A text as a double-quoted literal with backslash escapes, which both JSON and Graphviz DOT read:
// bytes that are not UTF-8 (a path in a local code page) become replacement characters, so neither
// refuses nor warns of the text.
std::string QuotedText(const std::string& text);

#endif  // ORVTOOL_REPORT_WORDS_H_

// Where orvtool's reports go, a piece at a time as they are made, and text quoted for the formats that
// carry it.
#ifndef ORVTOOL_REPORT_TEXT_SINK_H_
#define ORVTOOL_REPORT_TEXT_SINK_H_

#include <functional>
#include <string>

// Where a report goes: standard output (ToStandardOutput), or a string (AppendTo).
using TextSink = std::function<void(const std::string& text)>;

void ToStandardOutput(const std::string& text);

// The sink that adds each piece to the end of *text, which must outlive it.
TextSink AppendTo(std::string* text);

// A text as a double-quoted literal with backslash escapes, which both JSON and Graphviz DOT read:
// bytes that are not UTF-8 (a path in a local code page) become replacement characters, so neither
// refuses nor warns of the text.
std::string QuotedText(const std::string& text);

#endif  // ORVTOOL_REPORT_TEXT_SINK_H_

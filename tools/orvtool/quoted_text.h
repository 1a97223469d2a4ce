// A text as a double-quoted literal with backslash escapes, which both JSON and Graphviz DOT read:
// bytes that are not UTF-8 (a path in a local code page) become replacement characters, so neither
// refuses nor warns of the text.
#ifndef ORVTOOL_QUOTED_TEXT_H_
#define ORVTOOL_QUOTED_TEXT_H_

#include <nlohmann/json.hpp>

#include <string>

std::string QuotedText(const std::string& text);

// A whole JSON value on one line, its texts quoted by the same rule.
std::string OneLineJson(const nlohmann::ordered_json& value);

#endif  // ORVTOOL_QUOTED_TEXT_H_

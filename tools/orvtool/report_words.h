// How orvtool's reports write a count with its noun and a layout word in hex, so every command writes
// them alike.
#ifndef ORVTOOL_REPORT_WORDS_H_
#define ORVTOOL_REPORT_WORDS_H_

#include <cstdint>
#include <string>

// `1 byte`, `2 bytes`.
std::string Plural(std::int64_t n, const char* one, const char* many);

// `0x3f35c28f`: eight digits, as the word's bits.
std::string Hex(std::int32_t word);

#endif  // ORVTOOL_REPORT_WORDS_H_

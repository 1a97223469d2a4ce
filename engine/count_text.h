// Counts as the dialog's texts and orvtool's reports write them: the count, then the word that fits it.
#ifndef ORV_ENGINE_COUNT_TEXT_H_
#define ORV_ENGINE_COUNT_TEXT_H_

#include <cstdint>
#include <string>

// The count with a comma between each group of three digits: "109,764".
std::string WithThousands(std::int64_t count);

// The count so written and the word that fits it, `one` for 1 and `many` otherwise, as the dialog
// writes counts for the author: "109,764 bytes", "3 handlers".
std::string Counted(std::int64_t count, const char* one, const char* many);
// The same with the digits plain, as orvtool's reports write them: "109764 bytes", "1 byte".
std::string Plural(std::int64_t count, const char* one, const char* many);

#endif  // ORV_ENGINE_COUNT_TEXT_H_

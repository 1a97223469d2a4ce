// Counts as the dialog's texts write them for the author: digits in groups of three, and the word that
// fits the count.
#ifndef ORV_FRONTEND_MODEL_COUNT_TEXT_H_
#define ORV_FRONTEND_MODEL_COUNT_TEXT_H_

#include <cstdint>
#include <string>

// The count with a comma between each group of three digits: "109,764".
std::string WithThousands(std::int64_t count);

// The count so written and the word that fits it, `one` for 1 and `many` otherwise: "3 handlers".
std::string Counted(std::int64_t count, const char* one, const char* many);

#endif  // ORV_FRONTEND_MODEL_COUNT_TEXT_H_

#include "count_text.h"

std::string WithThousands(std::int64_t count) {
  std::string digits = std::to_string(count);
  const std::size_t first = digits[0] == '-' ? 1 : 0;
  for (std::size_t at = digits.size(); at > first + 3; at -= 3) digits.insert(at - 3, ",");
  return digits;
}

std::string Counted(std::int64_t count, const char* one, const char* many) {
  return WithThousands(count) + " " + (count == 1 ? one : many);
}

std::string Plural(std::int64_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

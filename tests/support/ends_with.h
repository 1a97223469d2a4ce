// Whether a text ends with another: for the last lines of a long output, or a status line after its time.
#ifndef ORV_TESTS_ENDS_WITH_H_
#define ORV_TESTS_ENDS_WITH_H_

#include <string>
#include <type_traits>

// `end`'s type is taken from `text`'s, so a literal of either width serves for it.
template <typename Char>
bool EndsWith(const std::basic_string<Char>& text, const std::common_type_t<std::basic_string<Char>>& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

#endif  // ORV_TESTS_ENDS_WITH_H_

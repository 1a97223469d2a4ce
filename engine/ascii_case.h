// Letters compared without regard to case, A to Z only, whatever the locale: the script's type words and
// Windows' file names match so, and a locale's own rules (a Turkish dotless i) must not change what does.
#ifndef ORV_ENGINE_ASCII_CASE_H_
#define ORV_ENGINE_ASCII_CASE_H_

inline char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

inline bool EqualsIgnoringAsciiCase(const char* a, const char* b) {
  for (; *a != '\0' && *b != '\0'; ++a, ++b)
    if (LowerAscii(*a) != LowerAscii(*b)) return false;
  return *a == *b;
}

#endif  // ORV_ENGINE_ASCII_CASE_H_

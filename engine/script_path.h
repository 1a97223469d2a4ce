// Whether a text can stand as one source path of a script, the one rule that Add, Save, Browse and a
// drop hold paths to, so that the reader takes every path they put in a script.
#ifndef ORV_ENGINE_SCRIPT_PATH_H_
#define ORV_ENGINE_SCRIPT_PATH_H_

#include <string>

enum class PathFit {
  kFits,
  kTooLong,     // more than kMaxPathLength bytes
  kHoldsSpace,  // white space, which ends a token, or a NUL (and a negative length, which no text has)
};

// What keeps the text from standing as one path token; the text need not be NUL-terminated.
PathFit FitOfScriptPath(const char* text, int length);

inline bool IsScriptablePath(const char* text, int length) { return FitOfScriptPath(text, length) == PathFit::kFits; }
bool IsScriptablePath(const std::string& path);

#endif  // ORV_ENGINE_SCRIPT_PATH_H_

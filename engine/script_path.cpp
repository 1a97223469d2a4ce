#include "script_path.h"

#include "script_reader.h"

PathFit FitOfScriptPath(const char* text, int length) {
  if (length > kMaxPathLength) return PathFit::kTooLong;
  if (length < 0) return PathFit::kHoldsSpace;
  for (int i = 0; i < length; ++i) {
    const char c = text[i];
    if (c == '\0' || IsScriptSpace(static_cast<unsigned char>(c))) return PathFit::kHoldsSpace;
  }
  return PathFit::kFits;
}

bool IsScriptablePath(const std::string& path) {
  return path.size() <= static_cast<std::size_t>(kMaxPathLength) &&
         IsScriptablePath(path.data(), static_cast<int>(path.size()));
}

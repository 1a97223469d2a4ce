#include "script_path.h"

#include "script_reader.h"

bool IsScriptablePath(const char* text, int length) {
  if (length < 0 || length > kMaxPathLength) return false;
  for (int i = 0; i < length; ++i) {
    const char c = text[i];
    if (c == '\0' || IsScriptSpace(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

std::string PathProblem(const char* label, const char* text, int length) {
  // The text comes in UTF-8, where a character can take up to four of the script's bytes.
  if (length > kMaxPathLength)
    return std::string("The ") + label + " path is longer than " + std::to_string(kMaxPathLength) +
           " bytes, more than a build can take (an accented or non-Latin character takes two to four). Please use "
           "a shorter path.";
  if (!IsScriptablePath(text, length))
    return std::string("The ") + label +
           " path contains a space or other white space, which a build cannot take. Please rename or move the file.";
  return std::string();
}

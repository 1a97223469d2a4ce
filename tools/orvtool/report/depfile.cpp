#include "report/depfile.h"

#include <cstdio>
#include <cstring>

namespace {

// A Windows drive's colon, at the start of "C:/" or "C:\", which Make and Ninja take as the path's own.
bool IsDriveColon(const std::string& path, std::size_t i) {
  const bool letter = (path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z');
  return i == 1 && letter && path.size() > 2 && (path[2] == '\\' || path[2] == '/');
}

}  // namespace

std::string DepfilePath(const std::string& path) {
  std::string escaped;
  for (std::size_t i = 0; i < path.size(); ++i) {
    const char c = path[i];
    // Make would end the path at a blank and read a second colon as a pattern rule's.
    if (c == ' ' || c == '\t' || (c == ':' && !IsDriveColon(path, i))) {
      for (std::size_t j = i; j > 0 && path[j - 1] == '\\'; --j) escaped += '\\';
      escaped += '\\';
    } else if (c == '#') {
      escaped += '\\';
    } else if (c == '$') {
      escaped += '$';
    }
    escaped += c;
  }
  return escaped;
}

std::string DepfileMisreading(const std::string& path) {
  for (const char c : path) {
    if (c == '\n' || c == '\r') return "holds a line end";
    if ((c > 0 && c < ' ') || c == 0x7f) {
      char code[8];
      std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned>(c));
      return std::string("holds the control character ") + code;
    }
    if (std::strchr(";|=%*?[&'\"<>^`", c) != nullptr) return std::string("holds '") + c + "'";
  }
  if (!path.empty() && path[0] == '~') return "begins with '~'";
  if (!path.empty() && path.back() == ')' && path.find('(') != std::string::npos) return "ends in '(...)'";
  // Escaped or not, a backslash before the line end or the next path's blank joins what follows.
  if (!path.empty() && path.back() == '\\') return "ends in '\\'";
  return "";
}

std::string DepfileRule(const std::string& output, const std::vector<std::string>& inputs) {
  std::string rule = DepfilePath(output) + ":";
  for (std::size_t i = 0; i < inputs.size(); ++i) rule += (i == 0 ? " " : " \\\n  ") + DepfilePath(inputs[i]);
  return rule + "\n";
}

std::string DepfilePhonyRules(const std::vector<std::string>& sources) {
  std::string rules;
  for (const std::string& source : sources) rules += "\n" + DepfilePath(source) + ":\n";
  return rules;
}

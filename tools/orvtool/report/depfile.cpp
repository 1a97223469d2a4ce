#include "report/depfile.h"

std::string DepfilePath(const std::string& path) {
  std::string escaped;
  for (std::size_t i = 0; i < path.size(); ++i) {
    const char c = path[i];
    if (c == ' ' || c == '\t') {
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

bool DepfileCanName(const std::string& path) { return path.find_first_of("\r\n") == std::string::npos; }

std::string DepfileRule(const std::string& output, const std::vector<std::string>& inputs) {
  std::string rule = DepfilePath(output) + ":";
  for (std::size_t i = 0; i < inputs.size(); ++i) rule += (i == 0 ? " " : " \\\n  ") + DepfilePath(inputs[i]);
  return rule + "\n";
}

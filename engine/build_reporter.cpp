#include "build_reporter.h"

#include <cstdio>

void BuildReporter::Progress(const std::string& line) {
  std::fputs(line.c_str(), stdout);
  std::fflush(stdout);
}

#include "build_reporter.h"

#include <cstdio>

BuildReporter::~BuildReporter() = default;

void BuildReporter::Progress(const std::string& line) {
  std::fputs(line.c_str(), stdout);
  std::fflush(stdout);
}

void BuildReporter::ScriptNotOpened(const std::string&, OpenFailure) {}

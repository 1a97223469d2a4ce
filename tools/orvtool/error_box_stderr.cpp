// orvtool's error box: the engine's failure texts go to standard error, one a line.
#include <cstdio>
#include <string>

#include "error_box.h"
#include "error_count.h"

namespace {
int g_errorBoxes = 0;
}  // namespace

void ShowErrorBox(const std::string& text) {
  ++g_errorBoxes;
  // Progress before the failure should reach a shared terminal before the failure does.
  std::fflush(stdout);
  std::fprintf(stderr, "%s\n", text.c_str());
  std::fflush(stderr);
}

int ErrorBoxCount() { return g_errorBoxes; }

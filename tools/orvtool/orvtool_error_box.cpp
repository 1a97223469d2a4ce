// orvtool's error box: the engine's failure texts go to standard error, one a line.
#include <cstdio>
#include <string>

#include "error_box.h"

void ShowErrorBox(const std::string& text) {
  // Progress before the failure should reach a shared terminal before the failure does.
  std::fflush(stdout);
  std::fprintf(stderr, "%s\n", text.c_str());
  std::fflush(stderr);
}

#include "build_failure.h"

#include "error_box.h"

namespace {
// One build at a time, on one thread, as the engine's tables are.
std::string g_lastFailure;
}  // namespace

void ShowBuildFailure(const std::string& text) {
  g_lastFailure = text;
  ShowErrorBox(text);
}

const std::string& LastBuildFailure() { return g_lastFailure; }

void ForgetBuildFailure() { g_lastFailure.clear(); }

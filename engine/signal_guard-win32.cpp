#include "signal_guard.h"

#include <csignal>

namespace {

// Windows raises SIGINT and SIGBREAK for Ctrl+C and Ctrl+Break in a console; SIGTERM only when a
// program raises it itself. A windowed program gets none of them.
const int kEndingSignals[] = {SIGINT, SIGBREAK, SIGTERM};
constexpr int kSignalCount = sizeof kEndingSignals / sizeof kEndingSignals[0];

void (*volatile g_cleanup)() = nullptr;
void (*g_previous[kSignalCount])(int);

void OnEndingSignal(int sig) {
  void (*cleanup)() = g_cleanup;
  g_cleanup = nullptr;
  if (cleanup != nullptr) cleanup();
  std::signal(sig, SIG_DFL);
  std::raise(sig);
}

}  // namespace

SignalGuard::SignalGuard(void (*cleanup)()) {
  g_cleanup = cleanup;
  for (int i = 0; i < kSignalCount; ++i) {
    g_previous[i] = std::signal(kEndingSignals[i], OnEndingSignal);
    if (g_previous[i] == SIG_IGN) std::signal(kEndingSignals[i], SIG_IGN);
  }
}

SignalGuard::~SignalGuard() {
  for (int i = 0; i < kSignalCount; ++i)
    if (g_previous[i] != SIG_ERR) std::signal(kEndingSignals[i], g_previous[i]);
  g_cleanup = nullptr;
}

// The C runtime runs a console's handler on a thread of its own, which nothing here can hold back.
void SignalGuard::Hold() {}
void SignalGuard::Release() {}

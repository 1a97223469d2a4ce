#include "signal_guard.h"

#include <csignal>

namespace {

// Windows raises SIGINT and SIGBREAK for Ctrl+C and Ctrl+Break in a console; SIGTERM only when a
// program raises it itself. A windowed program gets none of them.
const int kEndingSignals[] = {SIGINT, SIGBREAK, SIGTERM};
constexpr int kSignalCount = sizeof kEndingSignals / sizeof kEndingSignals[0];

void (*g_previous[kSignalCount])(int);

void OnEndingSignal(int sig) {
  RunCleanupsNow();
  std::signal(sig, SIG_DFL);
  std::raise(sig);
}

}  // namespace

SignalGuard::SignalGuard(void (*cleanup)()) : cleanup_(cleanup) {
  if (!AddCleanup(cleanup)) return;
  for (int i = 0; i < kSignalCount; ++i) {
    g_previous[i] = std::signal(kEndingSignals[i], OnEndingSignal);
    // What the process set for itself, ignoring the signal or a handler of its own, is its to keep.
    if (g_previous[i] != SIG_DFL && g_previous[i] != SIG_ERR) std::signal(kEndingSignals[i], g_previous[i]);
  }
}

SignalGuard::~SignalGuard() {
  if (!RemoveCleanup(cleanup_)) return;
  for (int i = 0; i < kSignalCount; ++i)
    if (g_previous[i] != SIG_ERR) std::signal(kEndingSignals[i], g_previous[i]);
}

// The C runtime runs a console's handler on a thread of its own, which nothing here can hold back.
void SignalGuard::Hold() {}
void SignalGuard::Release() {}

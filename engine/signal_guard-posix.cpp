#include "signal_guard.h"

#include <signal.h>

namespace {

const int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr int kSignalCount = sizeof kEndingSignals / sizeof kEndingSignals[0];

void (*volatile g_cleanup)() = nullptr;
struct sigaction g_previous[kSignalCount];
bool g_installed[kSignalCount];
struct sigaction g_previousFileSize;

extern "C" void OnEndingSignal(int sig) {
  void (*cleanup)() = g_cleanup;
  g_cleanup = nullptr;
  if (cleanup != nullptr) cleanup();
  // The signal is blocked while its handler runs, so it is delivered again, to the default action,
  // as soon as the handler returns.
  signal(sig, SIG_DFL);
  raise(sig);
}

}  // namespace

SignalGuard::SignalGuard(void (*cleanup)()) {
  g_cleanup = cleanup;
  struct sigaction action = {};
  action.sa_handler = OnEndingSignal;
  sigemptyset(&action.sa_mask);
  for (int i = 0; i < kSignalCount; ++i) {
    g_installed[i] = false;
    if (sigaction(kEndingSignals[i], nullptr, &g_previous[i]) != 0 || g_previous[i].sa_handler == SIG_IGN) continue;
    g_installed[i] = sigaction(kEndingSignals[i], &action, nullptr) == 0;
  }
  struct sigaction ignore = {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  sigaction(SIGXFSZ, &ignore, &g_previousFileSize);
}

SignalGuard::~SignalGuard() {
  sigaction(SIGXFSZ, &g_previousFileSize, nullptr);
  for (int i = 0; i < kSignalCount; ++i)
    if (g_installed[i]) sigaction(kEndingSignals[i], &g_previous[i], nullptr);
  g_cleanup = nullptr;
}

namespace {
sigset_t EndingSet() {
  sigset_t set;
  sigemptyset(&set);
  for (int sig : kEndingSignals) sigaddset(&set, sig);
  return set;
}
}  // namespace

void SignalGuard::Hold() {
  const sigset_t set = EndingSet();
  sigprocmask(SIG_BLOCK, &set, nullptr);
}

void SignalGuard::Release() {
  const sigset_t set = EndingSet();
  sigprocmask(SIG_UNBLOCK, &set, nullptr);
}

#include "signal_guard.h"

#include <signal.h>

namespace {

struct sigaction g_previous[NSIG];
bool g_installed[NSIG];
struct sigaction g_previousFileSize;

// Every signal whose default action ends the process and that a handler may catch, the real-time ones
// included. Left out are the faults a bug of the program itself raises (SIGSEGV, SIGBUS, SIGFPE,
// SIGILL, and SIGABRT from abort): the memory the clean-up would trust may be what broke, and the
// sanitizers and debuggers report those through handlers of their own.
sigset_t EndingSet() {
  static const int kNamed[] = {
      SIGHUP,    SIGINT,  SIGQUIT, SIGTRAP,   SIGPIPE, SIGALRM, SIGTERM,
      SIGUSR1,   SIGUSR2, SIGXCPU, SIGVTALRM, SIGPROF, SIGSYS,
#ifdef SIGPOLL
      SIGPOLL,
#endif
#ifdef SIGEMT
      SIGEMT,
#endif
#ifdef SIGSTKFLT
      SIGSTKFLT,
#endif
#ifdef SIGPWR
      SIGPWR,
#endif
  };
  sigset_t set;
  sigemptyset(&set);
  for (int sig : kNamed) sigaddset(&set, sig);
#ifdef SIGRTMIN
  for (int sig = SIGRTMIN; sig <= SIGRTMAX && sig < NSIG; ++sig) sigaddset(&set, sig);
#endif
  return set;
}

extern "C" void OnEndingSignal(int sig) {
  // The other ending signals are held while this runs, so none can cut the clean-up short.
  RunCleanupsNow();
  // Ends the process here, by this signal's own default action (a core dump where it makes one).
  struct sigaction byDefault = {};
  byDefault.sa_handler = SIG_DFL;
  sigemptyset(&byDefault.sa_mask);
  sigaction(sig, &byDefault, nullptr);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, sig);
  sigprocmask(SIG_UNBLOCK, &only, nullptr);
  raise(sig);
}

}  // namespace

SignalGuard::SignalGuard(void (*cleanup)()) : cleanup_(cleanup) {
  sigemptyset(&heldFrom_);
  if (!AddCleanup(cleanup)) return;
  const sigset_t ending = EndingSet();
  struct sigaction action = {};
  action.sa_handler = OnEndingSignal;
  action.sa_mask = ending;
  for (int sig = 1; sig < NSIG; ++sig) {
    g_installed[sig] = false;
    if (sigismember(&ending, sig) != 1 || sigaction(sig, nullptr, &g_previous[sig]) != 0) continue;
    // What the process set for itself, ignoring the signal or a handler of its own, is its to keep.
    if ((g_previous[sig].sa_flags & SA_SIGINFO) != 0 || g_previous[sig].sa_handler != SIG_DFL) continue;
    g_installed[sig] = sigaction(sig, &action, nullptr) == 0;
  }
  struct sigaction ignore = {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  sigaction(SIGXFSZ, &ignore, &g_previousFileSize);
}

SignalGuard::~SignalGuard() {
  if (!RemoveCleanup(cleanup_)) return;
  sigaction(SIGXFSZ, &g_previousFileSize, nullptr);
  for (int sig = 1; sig < NSIG; ++sig) {
    if (g_installed[sig]) sigaction(sig, &g_previous[sig], nullptr);
    g_installed[sig] = false;
  }
}

void SignalGuard::Hold() {
  const sigset_t ending = EndingSet();
  sigprocmask(SIG_BLOCK, &ending, &heldFrom_);
}

void SignalGuard::Release() { sigprocmask(SIG_SETMASK, &heldFrom_, nullptr); }

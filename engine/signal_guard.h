// While a build writes its temporary file: a signal that would end the process (interrupt, terminate,
// hang-up, quit, a closed pipe, a timer, ...) first runs a clean-up, then ends the process as that
// signal's default action would, so it still ends as the sender meant; and a file-size limit makes
// writes fail instead of ending the process.
#ifndef ORV_ENGINE_SIGNAL_GUARD_H_
#define ORV_ENGINE_SIGNAL_GUARD_H_

#ifndef _WIN32
#include <signal.h>
#endif

class SignalGuard {
 public:
  // `cleanup` must use only calls that are safe inside a signal handler. Only signals left at their
  // default action are taken over: one the process was told to ignore stays ignored, and one it handles
  // itself keeps its handler. Guards may overlap: each distinct clean-up among them runs once (the lock
  // of a build and the temporary files it writes under it), the last guard puts back what each signal
  // did before.
  explicit SignalGuard(void (*cleanup)());
  ~SignalGuard();
  SignalGuard(const SignalGuard&) = delete;
  SignalGuard& operator=(const SignalGuard&) = delete;

  // Between the two, the ending signals wait, so the clean-up never runs on a half-made step (a file
  // created but not yet known to it); Release gives back the signal mask Hold found, so what the caller
  // had blocked stays blocked. Where signals cannot be held, nothing happens.
  void Hold();
  void Release();

 private:
  void (*cleanup_)();
#ifndef _WIN32
  sigset_t heldFrom_;
#endif
};

// For the system-specific halves: the clean-ups of the guards alive, kept where the handler reads them
// without allocating, each distinct one once however many guards hold it. AddCleanup is true for the
// first guard alive, which takes the signals over; RemoveCleanup for the last, which gives them back.
bool AddCleanup(void (*cleanup)());
bool RemoveCleanup(void (*cleanup)());
void RunCleanupsNow();  // inside the handler

#endif  // ORV_ENGINE_SIGNAL_GUARD_H_

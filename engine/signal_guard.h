// While a build writes its temporary file: a signal that ends the process from outside (interrupt,
// terminate, hang-up) first runs a clean-up, then takes its default action, so the process still ends
// as the sender meant; and a file-size limit makes writes fail instead of ending the process.
#ifndef ORV_ENGINE_SIGNAL_GUARD_H_
#define ORV_ENGINE_SIGNAL_GUARD_H_

class SignalGuard {
 public:
  // `cleanup` must use only calls that are safe inside a signal handler. Signals the process was told
  // to ignore stay ignored.
  explicit SignalGuard(void (*cleanup)());
  // Puts back what each signal did before.
  ~SignalGuard();
  SignalGuard(const SignalGuard&) = delete;
  SignalGuard& operator=(const SignalGuard&) = delete;

  // Between the two, the ending signals wait, so the clean-up never runs on a half-made step (a file
  // created but not yet known to it). Where signals cannot be held, nothing happens.
  void Hold();
  void Release();
};

#endif  // ORV_ENGINE_SIGNAL_GUARD_H_

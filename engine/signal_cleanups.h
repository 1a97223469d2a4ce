// The clean-ups of the signal guards alive, shared by the system-specific halves of SignalGuard and kept
// where the handler reads them without allocating: each distinct one once, however many guards hold it.
#ifndef ORV_ENGINE_SIGNAL_CLEANUPS_H_
#define ORV_ENGINE_SIGNAL_CLEANUPS_H_

// A guard's clean-up, counted; true for the first guard alive, which takes the signals over.
bool AddCleanup(void (*cleanup)());
// Its count down again; true for the last guard alive, which gives the signals back.
bool RemoveCleanup(void (*cleanup)());
// Runs each clean-up once: inside the handler.
void RunCleanupsNow();

#endif  // ORV_ENGINE_SIGNAL_CLEANUPS_H_

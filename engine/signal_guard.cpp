#include "signal_guard.h"

#include <cassert>

namespace {

// Distinct clean-ups at once: a build's lock and its replacements need two.
constexpr int kMostCleanups = 4;

struct Cleanup {
  void (*volatile run)();
  int guards;
};
Cleanup g_cleanups[kMostCleanups];
int g_guards = 0;

}  // namespace

bool AddCleanup(void (*cleanup)()) {
  Cleanup* unused = nullptr;
  for (Cleanup& entry : g_cleanups) {
    if (entry.guards > 0 && entry.run == cleanup) {
      ++entry.guards;
      return g_guards++ == 0;
    }
    if (entry.guards == 0 && unused == nullptr) unused = &entry;
  }
  // Every kind of clean-up there is fits; one more would be a file left behind after a signal.
  assert(unused != nullptr);
  if (unused != nullptr) {
    unused->guards = 1;
    // Last, so the handler never runs one half set.
    unused->run = cleanup;
  }
  return g_guards++ == 0;
}

bool RemoveCleanup(void (*cleanup)()) {
  for (Cleanup& entry : g_cleanups)
    if (entry.guards > 0 && entry.run == cleanup) {
      if (--entry.guards == 0) entry.run = nullptr;
      break;
    }
  return --g_guards == 0;
}

void RunCleanupsNow() {
  // Later entries first: the replacements of a build, which begin after it takes its lock, are gone
  // before the lock is. Each is taken off before it runs, so none runs twice.
  for (int i = kMostCleanups - 1; i >= 0; --i) {
    void (*run)() = g_cleanups[i].run;
    g_cleanups[i].run = nullptr;
    if (run != nullptr) run();
  }
}

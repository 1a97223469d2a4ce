// Waiting for what another thread or process does, always with a bound: a program that hangs fails its
// test instead of holding up the run.
#ifndef ORV_TESTS_WAIT_UNTIL_H_
#define ORV_TESTS_WAIT_UNTIL_H_

#include <chrono>
#include <functional>
#include <thread>

// How long the tests give another process for any one step.
constexpr unsigned long kWaitMs = 20000;

// Polls check every few milliseconds; true as soon as it holds, false once timeoutMs have passed.
inline bool WaitUntil(const std::function<bool()>& check, unsigned long timeoutMs = kWaitMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    if (check()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

#endif  // ORV_TESTS_WAIT_UNTIL_H_

#include "output_lock.h"

OutputLock::~OutputLock() { Release(); }

OutputLock::Result OutputLock::TryTake(const std::string& output) {
  Release();
  path_ = output + ".lock";
  return Lock(false);
}

OutputLock::Result OutputLock::Take(const std::string& output, const std::function<void()>& waiting) {
  const Result first = TryTake(output);
  if (first != kBusy) return first;
  if (waiting) waiting();
  return Lock(true);
}

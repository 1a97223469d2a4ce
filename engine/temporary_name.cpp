#include "temporary_name.h"

#include <chrono>
#include <cstdio>
#include <random>

// So many names all taken is no accident; the folder is not one to go on in.
constexpr int kTries = 100;

bool UseTemporaryName(const std::string& name, const std::function<NameTry(const std::string& candidate)>& use) {
  static std::random_device device;
  static unsigned counter = 0;
  for (int attempt = 0; attempt < kTries; ++attempt) {
    const auto now = static_cast<unsigned>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::mt19937 mix(device() ^ now ^ (++counter * 2654435761u));
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(mix()));
    switch (use(name + "." + suffix + ".tmp")) {
      case NameTry::kDone:
        return true;
      case NameTry::kNameTaken:
        break;
      case NameTry::kFailed:
        return false;
    }
  }
  return false;
}

#include "platform/current_folder.h"

#include <windows.h>

#include <vector>

std::string CurrentFolder() {
  // The first call tells the size the path needs, terminator included; the folder may change between
  // the two calls, so a path that outgrew the buffer is asked for again.
  for (int attempt = 0; attempt < 4; ++attempt) {
    const DWORD need = ::GetCurrentDirectoryA(0, nullptr);
    if (need == 0) return std::string();
    std::vector<char> buffer(need);
    const DWORD length = ::GetCurrentDirectoryA(need, buffer.data());
    if (length == 0) return std::string();
    if (length < need) return std::string(buffer.data(), length);
  }
  return std::string();
}

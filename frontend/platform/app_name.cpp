#include "platform/app_name.h"

#include <windows.h>

#include <cctype>
#include <vector>

std::string AppNameFromPath(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  static const char kExe[] = ".exe";
  const size_t ext = sizeof(kExe) - 1;
  if (name.size() > ext) {
    bool isExe = true;
    for (size_t i = 0; i < ext; ++i) {
      const unsigned char c = static_cast<unsigned char>(name[name.size() - ext + i]);
      if (std::tolower(c) != kExe[i]) isExe = false;
    }
    if (isExe) name.resize(name.size() - ext);
  }
  return name;
}

std::string ModuleAppName() {
  // The path may be longer than MAX_PATH; a full buffer means it was cut, so try a larger one.
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD size = static_cast<DWORD>(buffer.size());
    const DWORD length = ::GetModuleFileNameA(nullptr, buffer.data(), size);
    if (length == 0) return std::string();
    if (length < size) return AppNameFromPath(std::string(buffer.data(), length));
    if (buffer.size() >= 32768) return std::string();
    buffer.resize(buffer.size() * 2);
  }
}

#include "platform/app_name.h"

#include <windows.h>

#include <vector>

#include "ascii_case.h"

std::string AppNameFromPath(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  static const char kExe[] = ".exe";
  const size_t ext = sizeof(kExe) - 1;
  if (name.size() > ext && EqualsIgnoringAsciiCase(name.c_str() + name.size() - ext, kExe))
    name.resize(name.size() - ext);
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

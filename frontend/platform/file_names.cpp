#include "platform/file_names.h"

#include <windows.h>

#include "platform/wide_text.h"

namespace {

// Calls a Win32 function of the GetCurrentDirectoryW kind: it returns the size it needs when the
// buffer is too small, and 0 on failure.
template <typename Call>
std::wstring Grown(Call call) {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD got = call(static_cast<DWORD>(buffer.size()), &buffer[0]);
    if (got == 0) return std::wstring();
    if (got < buffer.size()) {
      buffer.resize(got);
      return buffer;
    }
    buffer.resize(got);
  }
}

// path made full against the current folder; empty when Windows cannot make it so.
std::string FullPathName(const std::string& path) {
  const std::wstring wide = WideFromUtf8(path);
  if (wide.empty()) return std::string();
  return Utf8FromWide(
      Grown([&](DWORD size, wchar_t* buffer) { return ::GetFullPathNameW(wide.c_str(), size, buffer, nullptr); }));
}

}  // namespace

std::string CurrentFolder() {
  return Utf8FromWide(Grown([](DWORD size, wchar_t* buffer) { return ::GetCurrentDirectoryW(size, buffer); }));
}

std::string ShortPathName(const std::string& path) {
  const std::wstring wide = WideFromUtf8(path);
  if (wide.empty()) return std::string();
  const std::wstring shortForm =
      Grown([&](DWORD size, wchar_t* buffer) { return ::GetShortPathNameW(wide.c_str(), buffer, size); });
  return shortForm == wide ? std::string() : Utf8FromWide(shortForm);
}

bool IsFolder(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesW(WideFromUtf8(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string ExistingFolderOf(const std::string& path) {
  const std::string full = FullPathName(path);
  const size_t cut = full.find_last_of("\\/");
  if (cut == std::string::npos) return std::string();
  // "C:\a.orv" is in "C:\", not in "C:".
  std::string folder = full.substr(0, cut == 2 && full[1] == ':' ? cut + 1 : cut);
  return IsFolder(folder) ? folder : std::string();
}

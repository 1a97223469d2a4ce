#include "file_io.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>

#include "orv_format.h"

FilePtr OpenFile(const char* path, const char* mode) { return FilePtr(std::fopen(path, mode)); }

bool ReadWordAt(std::FILE* f, std::int64_t offset, std::int32_t* value) {
  unsigned char bytes[orv::kWordBytes];
  if (!SeekTo(f, offset) || std::fread(bytes, 1, sizeof bytes, f) != sizeof bytes) return false;
  *value = orv::GetWord(bytes);
  return true;
}

std::string LinkTarget(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec))) return std::string();
  const std::filesystem::path target = std::filesystem::read_symlink(path, ec);
  if (ec) return std::string();
  if (target.is_absolute()) return target.string();
  return (std::filesystem::path(path).parent_path() / target).string();
}

std::string RandomNameSuffix() {
  static std::random_device device;
  static unsigned counter = 0;
  const auto now = static_cast<unsigned>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
  std::mt19937 mix(device() ^ now ^ (++counter * 2654435761u));
  char text[16];
  std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(mix()));
  return text;
}

#include "replacement_calls.h"

#include <filesystem>

std::string LinkTarget(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec))) return std::string();
  const std::filesystem::path target = std::filesystem::read_symlink(path, ec);
  if (ec) return std::string();
  if (target.is_absolute()) return target.string();
  return (std::filesystem::path(path).parent_path() / target).string();
}

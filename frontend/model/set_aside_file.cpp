#include "set_aside_file.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "temporary_name.h"

namespace fs = std::filesystem;

namespace {

// What is under the name itself, a link not followed.
fs::file_type TypeAt(const std::string& name) {
  std::error_code ec;
  return fs::symlink_status(fs::u8path(name), ec).type();
}

}  // namespace

SetAsideFile::~SetAsideFile() { PutBack(); }

bool SetAsideFile::MoveAside() {
  switch (TypeAt(name_)) {
    case fs::file_type::not_found:
    case fs::file_type::directory:
      return true;
    case fs::file_type::none:  // not told: it may be a file all the same
      return false;
    default:
      break;
  }
  return UseTemporaryName(name_, [this](const std::string& candidate) {
    // Windows' rename never replaces a file; elsewhere a name is taken only if it is free just before.
    if (TypeAt(candidate) != fs::file_type::not_found) return NameTry::kNameTaken;
    if (std::rename(name_.c_str(), candidate.c_str()) != 0) return NameTry::kFailed;
    aside_ = candidate;
    return NameTry::kDone;
  });
}

bool SetAsideFile::PutBack() {
  if (aside_.empty()) return true;
  if (std::rename(aside_.c_str(), name_.c_str()) != 0) return false;
  aside_.clear();
  return true;
}

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

TempDir::TempDir() {
  std::error_code ec;
  const fs::path base = fs::temp_directory_path(ec);
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  for (int attempt = 0; attempt < 100; ++attempt) {
    path_ = base / ("orvtool-test-" + std::to_string(stamp) + "-" + std::to_string(attempt));
    if (fs::create_directory(path_, ec)) return;
  }
  ADD_FAILURE() << "cannot create a temporary folder under " << base.string();
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

std::string TempDir::Path(const std::string& name) const { return name.empty() ? path_.string() : (path_ / name).string(); }

std::string TempDir::Write(const std::string& name, const Bytes& bytes) const {
  std::ofstream out(path_ / name, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  EXPECT_TRUE(out.good()) << name;
  return Path(name);
}

Bytes TempDir::Read(const std::string& name) const {
  std::ifstream in(path_ / name, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool TempDir::Exists(const std::string& name) const {
  std::error_code ec;
  return fs::exists(path_ / name, ec);
}

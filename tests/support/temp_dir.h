// A fresh folder of one test's own under the system's temporary folder, removed with everything in it
// when the test ends; tests that work through relative paths, as a build does, enter it. Beside it,
// the small file helpers the suites share.
#ifndef ORV_TESTS_TEMP_DIR_H_
#define ORV_TESTS_TEMP_DIR_H_

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  EXPECT_TRUE(out.good()) << path;
}

inline void WriteText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  EXPECT_TRUE(out.good()) << path;
}

inline std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The file's bytes as a text, or an empty text when it cannot be read.
inline std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// How many temporary files of a build ("<name>.<random>.tmp") are in the folder.
inline int TemporaryFileCount(const std::filesystem::path& folder) {
  int found = 0;
  std::error_code ec;
  for (const auto& file : std::filesystem::directory_iterator(folder, ec))
    if (file.path().extension() == ".tmp") ++found;
  return found;
}

// Whether `part` occurs in `text`.
inline bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

inline bool FileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

class TempDir {
 public:
  enum Entry { kStayOutside, kEnter };

  explicit TempDir(const std::string& name = "test", Entry entry = kStayOutside) {
    static std::atomic<unsigned> counter{0};
    std::error_code ec;
    const std::filesystem::path base = std::filesystem::temp_directory_path(ec);
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
      const std::filesystem::path candidate =
          base / ("orv-" + name + "-" + std::to_string(stamp) + "-" + std::to_string(counter++));
      if (std::filesystem::create_directories(candidate, ec)) path_ = candidate;
    }
    if (path_.empty()) {
      ADD_FAILURE() << "cannot create a temporary folder under " << base.string();
      return;
    }
    if (entry == kEnter) {
      previous_ = std::filesystem::current_path();
      std::filesystem::current_path(path_);
    }
  }
  ~TempDir() {
    std::error_code ec;
    if (!previous_.empty()) std::filesystem::current_path(previous_, ec);
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The folder, or a file in it.
  std::string Path(const std::string& name = "") const {
    return name.empty() ? path_.string() : (path_ / name).string();
  }

  // Writes name inside the folder; returns its path.
  std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    WriteBytes(Path(name), bytes);
    return Path(name);
  }
  std::vector<std::uint8_t> Read(const std::string& name) const { return ReadBytes(Path(name)); }
  bool Exists(const std::string& name) const { return FileExists(Path(name)); }

 private:
  std::filesystem::path path_;
  std::filesystem::path previous_;
};

#endif  // ORV_TESTS_TEMP_DIR_H_

// A fresh folder under the system's temporary folder for one test, removed with everything in it when
// the test ends.
#ifndef ORVTOOL_TESTS_TEMP_DIR_H_
#define ORVTOOL_TESTS_TEMP_DIR_H_

#include <filesystem>
#include <string>

#include "orv_samples.h"

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::string Path(const std::string& name = "") const;
  // Writes bytes to name inside the folder; returns its path.
  std::string Write(const std::string& name, const Bytes& bytes) const;
  Bytes Read(const std::string& name) const;
  bool Exists(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

#endif  // ORVTOOL_TESTS_TEMP_DIR_H_

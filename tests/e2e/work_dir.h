// A folder of one test's own: the program's working directory, with the file its standard output goes
// to beside it. Made empty, and removed when the test ends.
#ifndef ORV_TESTS_E2E_WORK_DIR_H_
#define ORV_TESTS_E2E_WORK_DIR_H_

#include <filesystem>
#include <string>

#include "orv_bytes.h"
#include "temp_dir.h"

namespace e2e {

class WorkDir {
 public:
  explicit WorkDir(const std::string& name);

  // The program's current directory, and a file in it.
  std::string path() const { return work_.string(); }
  std::string Path(const std::string& name) const { return (work_ / name).string(); }
  // Where a program's standard output goes: beside the working directory, one file a program.
  std::string StdoutPath(const std::string& name = "stdout.txt") const { return root_.Path(name); }

  // Copies the example sources (*.orv) into the working directory.
  void CopyExamples() const;
  void Write(const std::string& name, const Bytes& bytes) const;
  void WriteText(const std::string& name, const std::string& text) const;
  Bytes Read(const std::string& name) const;
  bool Exists(const std::string& name) const;
  std::string ReadStdout(const std::string& name = "stdout.txt") const;

 private:
  TempDir root_;
  std::filesystem::path work_;
};

}  // namespace e2e

#endif  // ORV_TESTS_E2E_WORK_DIR_H_

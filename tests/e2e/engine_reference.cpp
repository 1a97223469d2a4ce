#include "engine_reference.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <string>

#include "build_engine.h"
#include "recording_reporter.h"
#include "temp_dir.h"

namespace e2e {

Bytes EngineBuild(const std::string& script, const WorkDir& sources) {
  const std::filesystem::path from = sources.path();
  TempDir dir("e2e-engine-reference", TempDir::kEnter);
  for (const auto& entry : std::filesystem::directory_iterator(from)) {
    // Kept as a path: a name outside the C library's code page has no narrow string here.
    const std::filesystem::path name = entry.path().filename();
    if (entry.is_regular_file() && entry.path().extension() == ".orv" && name != "out.orv")
      std::filesystem::copy_file(entry.path(), dir.path() / name);
  }
  ::WriteText("script.txt", script);
  RecordingReporter reporter;
  BuildFromScript(&reporter);
  EXPECT_TRUE(reporter.failures.empty()) << "the engine itself failed: " << reporter.failures.front();
  EXPECT_TRUE(FileExists("out.orv")) << "the engine wrote no out.orv for:\n" << script;
  return ReadBytes("out.orv");
}

}  // namespace e2e

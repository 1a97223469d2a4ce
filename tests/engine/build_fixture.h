// Shared set-up for build tests: a scratch folder as the current directory, sources written into it,
// and a build run with its standard output captured and its failures recorded.
#ifndef ORV_TESTS_BUILD_FIXTURE_H_
#define ORV_TESTS_BUILD_FIXTURE_H_

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "build_engine.h"
#include "orv_bytes.h"
#include "recording_reporter.h"
#include "temp_dir.h"

class BuildFixture : public ::testing::Test {
 protected:
  BuildFixture() : dir_(::testing::UnitTest::GetInstance()->current_test_info()->name(), TempDir::kEnter) {}

  void Source(const std::string& path, const Bytes& payload) { WriteBytes(path, SourceFile(payload)); }
  void Script(const std::string& text) { WriteText("script.txt", text); }

  // Runs a build; returns what it printed. What it came to is in outcome_.
  std::string Build() {
    ::testing::internal::CaptureStdout();
    outcome_ = BuildFromScript(&reporter_);
    built_ = outcome_.written;
    return ::testing::internal::GetCapturedStdout();
  }

  // The failures the builds reported, each as the user would have seen it.
  const std::vector<std::string>& ShownErrors() const { return reporter_.failures; }
  void ClearShownErrors() { reporter_.Clear(); }
  // Runs while a failure is shown, before the build goes on.
  void SetWhileErrorShown(std::function<void()> check) { reporter_.whileShown = std::move(check); }

  // A build that must fail with exactly one failure, `text`, and leave "out.orv" as it was.
  void ExpectRefused(const std::string& text) {
    const Bytes previous{'o', 'l', 'd'};
    WriteBytes("out.orv", previous);
    Build();
    EXPECT_FALSE(built_);
    ASSERT_EQ(ShownErrors().size(), 1u);
    EXPECT_EQ(ShownErrors()[0], text);
    EXPECT_EQ(ReadBytes("out.orv"), previous);
    EXPECT_TRUE(NoTemporaryFiles());
  }

  Bytes Output() { return ReadBytes("out.orv"); }

  // No temporary file of any build ("<name>.<random>.tmp") is left in the folder.
  static bool NoTemporaryFiles(const std::string& folder = ".") { return TemporaryFileCount(folder) == 0; }

  TempDir dir_;
  RecordingReporter reporter_;
  BuildOutcome outcome_;
  bool built_ = false;
};

// Walks the state records of a built file by their pair counts; returns the counts, or fails the test.
inline std::vector<int> PairCounts(const Bytes& file) {
  std::vector<int> counts;
  std::size_t at = 0;
  const bool walked = WalkStates(file, &counts, &at);
  EXPECT_TRUE(walked) << "the states run past the end of the file's " << file.size() << " bytes";
  if (!walked) return counts;
  EXPECT_LE(at + 8, file.size()) << "no leading row after the states";
  if (at + 8 > file.size()) return counts;
  // The chunk table follows the last record: its leading row points at the header's end.
  const int chunkCount = WordAt(file, at);
  EXPECT_EQ(static_cast<std::size_t>(WordAt(file, at + 4)), at + 4 + 12 * static_cast<std::size_t>(chunkCount));
  return counts;
}

#endif  // ORV_TESTS_BUILD_FIXTURE_H_

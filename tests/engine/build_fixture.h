// Shared set-up for build tests: a scratch folder as the current directory, sources written into it,
// and a build run with its standard output captured.
#ifndef ORV_TESTS_BUILD_FIXTURE_H_
#define ORV_TESTS_BUILD_FIXTURE_H_

#include <gtest/gtest.h>

#include <string>

#include "build_engine.h"
#include "error_box_recorder.h"
#include "orv_bytes.h"
#include "temp_dir.h"

class BuildTest : public ::testing::Test {
 protected:
  BuildTest() : dir_(::testing::UnitTest::GetInstance()->current_test_info()->name(), TempDir::kEnter) {
    ClearShownErrors();
  }
  ~BuildTest() override { ClearShownErrors(); }

  void Source(const std::string& path, const Bytes& payload) { WriteBytes(path, SourceFile(payload)); }
  void Script(const std::string& text) { WriteText("script.txt", text); }

  // Runs a build; returns what it printed. What it came to is in outcome_.
  std::string Build() {
    ::testing::internal::CaptureStdout();
    outcome_ = BuildWithOutcome();
    built_ = outcome_.written;
    return ::testing::internal::GetCapturedStdout();
  }

  // A build that must fail with exactly one box, showing `text`, and leave "out.orv" as it was.
  void ExpectRefused(const std::string& text) {
    const Bytes previous{'o', 'l', 'd'};
    WriteBytes("out.orv", previous);
    Build();
    EXPECT_FALSE(built_);
    ASSERT_EQ(ShownErrors().size(), 1u);
    EXPECT_EQ(ShownErrors()[0], text);
    EXPECT_EQ(outcome_.failure, text);
    EXPECT_TRUE(outcome_.failureShown);
    EXPECT_EQ(ReadBytes("out.orv"), previous);
    EXPECT_TRUE(NoTemporaryFiles());
  }

  Bytes Output() { return ReadBytes("out.orv"); }

  // No temporary file of any build ("<name>.<random>.tmp") is left in the folder.
  static bool NoTemporaryFiles(const std::string& folder = ".") { return TemporaryFileCount(folder) == 0; }

  TempDir dir_;
  BuildOutcome outcome_;
  bool built_ = false;
};

#endif  // ORV_TESTS_BUILD_FIXTURE_H_

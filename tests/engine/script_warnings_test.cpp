// What a build reads all the same but warns of, each at the line of its entry: the file built is the
// build's as ever, and a reporter that will not go on after a warning ends the build, every warning
// told, with nothing written and no failure of its own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "build_fixture.h"

namespace {

using ScriptWarningsTest = BuildFixture;

std::vector<std::string> Told(const std::vector<ScriptWarning>& warnings) {
  std::vector<std::string> told;
  for (const ScriptWarning& warning : warnings) told.push_back(std::to_string(warning.line) + ": " + warning.text);
  return told;
}

TEST_F(ScriptWarningsTest, SlipsAreToldAtTheirLinesAndBuiltAsBefore) {
  Source("a.orv", PayloadPattern(100, 1));
  Source("b.orv", PayloadPattern(200, 2));
  // Type words in any case are no slip, nor is an event's second handler after its first.
  const std::string head = "0 a.orv BEGIN\n0 b.orv Loop\n\n1 a.orv ";
  const std::string tail = "\n99 b.orv begin\n0 b.orv begin\n1 null loop\n1 a.orv loop\n-1";
  Script(head + "lop" + tail);
  Build();
  ASSERT_TRUE(built_);
  EXPECT_TRUE(ShownErrors().empty());
  EXPECT_EQ(Told(reporter_.warnings),
            (std::vector<std::string>{
                "4: the type word \"lop\" is neither begin nor loop: the entry is read as a Begin",
                "5: event 99 lies outside 0 to 14, which the state table never lists",
                "6: event 0 \"Cruising\" has a Begin already, on line 1",
                "8: event 1 \"Combat\" has a Loop already, on line 7",
            }));
  const Bytes warned = Output();

  // The word that is no kind is read as begin: the same bytes as the script that says so.
  ClearShownErrors();
  Script(head + "begin" + tail);
  Build();
  ASSERT_TRUE(built_);
  EXPECT_EQ(Output(), warned);
  EXPECT_EQ(reporter_.warnings.size(), 3u);

  // A reporter that stops on warnings hears every one, and the old file stays.
  ClearShownErrors();
  reporter_.goOnAfterWarnings = false;
  Script(head + "lop" + tail);
  WriteBytes("out.orv", {'o', 'l', 'd'});
  Build();
  EXPECT_FALSE(built_);
  EXPECT_TRUE(ShownErrors().empty());
  EXPECT_EQ(Output(), (Bytes{'o', 'l', 'd'}));
  EXPECT_TRUE(NoTemporaryFiles());
  EXPECT_EQ(reporter_.warnings.size(), 4u);

  // The dry run stops alike.
  ClearShownErrors();
  BuildPlan plan;
  ::testing::internal::CaptureStdout();
  const BuildOutcome dry = DryRunBuild(&plan, &reporter_);
  ::testing::internal::GetCapturedStdout();
  EXPECT_FALSE(dry.written);
  EXPECT_EQ(dry.fileSize, 0);
  EXPECT_TRUE(ShownErrors().empty());
  EXPECT_EQ(reporter_.warnings.size(), 4u);

  // Nor does a script without slips stop.
  ClearShownErrors();
  Script(head + "begin\n-1");
  Build();
  EXPECT_TRUE(built_);
  EXPECT_TRUE(reporter_.warnings.empty());
}

}  // namespace

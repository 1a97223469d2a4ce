// What a build hands back: the figures of the file it wrote, or the text of the failure that stopped it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "build_fixture.h"
#include "script_reader.h"

namespace {

// chunkCount follows the state words; walk the states to find it.
std::int32_t ChunkCountOf(const Bytes& out) {
  std::vector<int> pairCounts;
  std::size_t at = 0;
  if (!WalkStates(out, &pairCounts, &at)) {
    ADD_FAILURE() << "the states run past the end of the file's " << out.size() << " bytes";
    return -1;
  }
  return WordAt(out, at);
}

// The figures as the written file itself gives them.
void ExpectFiguresOfOutput(const BuildOutcome& outcome, const Bytes& out) {
  ASSERT_TRUE(outcome.written);
  EXPECT_EQ(outcome.fileSize, static_cast<std::int64_t>(out.size()));
  EXPECT_EQ(outcome.handlerCount, (WordAt(out, 8) - 1) / 4) << "two states an entry, two entries a handler";
  EXPECT_EQ(outcome.chunkCount, ChunkCountOf(out));
  EXPECT_TRUE(outcome.failure.empty());
  EXPECT_FALSE(outcome.failureShown);
}

TEST_F(BuildTest, AWrittenBuildTellsTheSizeHandlersAndChunksOfItsFile) {
  struct Case {
    const char* script;
    int handlers;
    int chunks;
  };
  Source("b.orv", PayloadPattern(100, 1));
  Source("l.orv", PayloadPattern(70000, 2));
  Source("c.orv", PayloadPattern(60001, 3));
  const Case cases[] = {
      {"-1", 0, 2},
      {"0 b.orv begin\n0 l.orv loop\n-1", 1, 5},
      {"0 null begin\n0 l.orv loop\n-1", 1, 4},
      {"0 b.orv begin\n0 l.orv loop\n1 c.orv begin\n1 null loop\n4 null begin\n4 b.orv loop\n-1", 3, 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    Script(c.script);
    Build();
    const Bytes out = Output();
    ExpectFiguresOfOutput(outcome_, out);
    EXPECT_EQ(outcome_.handlerCount, c.handlers);
    EXPECT_EQ(outcome_.chunkCount, c.chunks);
  }
}

TEST_F(BuildTest, AFailedBuildTellsTheTextItShowedAndNoFigures) {
  Source("l.orv", PayloadPattern(100, 1));
  Script("0 l.orv begin\n0 l.orv loop\n-1");
  Build();
  ASSERT_TRUE(built_);

  // A failure in the writing, after a build that wrote: nothing of the earlier figures is left.
  std::filesystem::remove("out.orv");
  std::filesystem::create_directory("out.orv");
  Build();
  EXPECT_FALSE(outcome_.written);
  EXPECT_EQ(outcome_.failure, "Error opening out.orv, aborting.");
  EXPECT_TRUE(outcome_.failureShown);
  EXPECT_EQ(outcome_.fileSize, 0);
  EXPECT_EQ(outcome_.handlerCount, 0);
  EXPECT_EQ(outcome_.chunkCount, 0);
  std::filesystem::remove("out.orv");

  // The next build that fails without a box does not hand back the last one's text.
  ClearShownErrors();
  std::filesystem::remove("script.txt");
  Build();
  EXPECT_FALSE(outcome_.written);
  EXPECT_TRUE(ShownErrors().empty());
  EXPECT_FALSE(outcome_.failureShown);
  EXPECT_EQ(outcome_.failure, ReadErrorText());
  EXPECT_EQ(outcome_.scriptFailure, OpenFailure::kMissing);

  // Nor does one that succeeds.
  Script("-1");
  Build();
  ExpectFiguresOfOutput(outcome_, Output());
  EXPECT_EQ(outcome_.scriptFailure, OpenFailure::kNone);
}

// The dry run is the build up to its writing: the same lines, figures and failures, and nothing written.
TEST_F(BuildTest, ADryRunTellsWhatTheBuildWouldComeToAndWritesNothing) {
  Source("b.orv", PayloadPattern(100, 1));
  Source("l.orv", PayloadPattern(70000, 2));
  Script("0 b.orv begin\n0 l.orv loop\n-1");
  BuildPlan plan;
  ::testing::internal::CaptureStdout();
  const BuildOutcome dry = DryRunBuild(&plan);
  const std::string printed = ::testing::internal::GetCapturedStdout();
  EXPECT_FALSE(dry.failed());
  EXPECT_FALSE(dry.written);
  EXPECT_FALSE(std::filesystem::exists("out.orv"));
  EXPECT_TRUE(NoTemporaryFiles());
  ASSERT_EQ(plan.entryCount, 2);
  EXPECT_EQ(plan.tables->chunk(0).dataOffset, plan.tables->headerLength()) << "placed in the file";

  EXPECT_EQ(Build(), printed + "Building interactive ORV\n");
  ExpectFiguresOfOutput(outcome_, Output());
  EXPECT_EQ(dry.fileSize, outcome_.fileSize);
  EXPECT_EQ(dry.handlerCount, outcome_.handlerCount);
  EXPECT_EQ(dry.chunkCount, outcome_.chunkCount);

  std::filesystem::remove("l.orv");
  const BuildOutcome missingSource = DryRunBuild(&plan);
  EXPECT_EQ(missingSource.failure, "Error opening \"l.orv\", aborting.");
  EXPECT_TRUE(missingSource.failureShown);
  Script("-1");
  ClearShownErrors();
  std::filesystem::remove("out.orv");
  std::filesystem::create_directory("out.orv");
  const BuildOutcome unwritable = DryRunBuild(&plan);
  EXPECT_EQ(unwritable.failure, "Error opening out.orv, aborting.");
  EXPECT_EQ(ShownErrors(), std::vector<std::string>{unwritable.failure});
  std::filesystem::remove("script.txt");
  const BuildOutcome noScript = DryRunBuild(&plan);
  EXPECT_EQ(noScript.scriptFailure, OpenFailure::kMissing);
  EXPECT_EQ(noScript.failure, ReadErrorText());
  EXPECT_FALSE(noScript.failureShown);
  EXPECT_TRUE(std::filesystem::is_directory("out.orv"));
  EXPECT_TRUE(NoTemporaryFiles());
}

}  // namespace

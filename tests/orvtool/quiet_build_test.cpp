// orvtool build -q, as a build system's log wants it: not a byte on either stream when the build
// succeeds, the failure's own text and nothing before it when it fails, and the same file either way.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "example_project.h"
#include "orv_examples.h"
#include "output_lock.h"
#include "run_orvtool.h"
#include "temp_dir.h"

namespace {

TEST(OrvtoolQuietBuild, SaysNothingOnSuccessAndOnlyTheFailureOtherwise) {
  TempDir loud, quiet;
  CopyExamples(loud.path(), true);
  CopyExamples(quiet.path(), true);
  ToolRun run = RunOrvtool({"build"}, loud.Path());
  ASSERT_EQ(0, run.status) << run.err;
  ASSERT_NE("", run.out);

  // Either spelling, beside the other options, in any place among them.
  const std::vector<std::vector<std::string>> quietBuilds = {
      {"build", "-q"},
      {"build", "--quiet", "-C", quiet.Path(), "-o", "other.orv", "--depfile", "other.d"},
      {"build", "script.txt", "-q", "--depfile", "out.d"},
  };
  for (const std::vector<std::string>& args : quietBuilds) {
    run = RunOrvtool(args, quiet.Path());
    EXPECT_EQ(0, run.status) << args[1] << ": " << run.err;
    EXPECT_EQ("", run.out) << args[1];
    EXPECT_EQ("", run.err) << args[1];
  }
  EXPECT_EQ(loud.Read("out.orv"), quiet.Read("out.orv"));
  EXPECT_EQ(loud.Read("out.orv"), quiet.Read("other.orv"));
  EXPECT_TRUE(quiet.Exists("other.d") && quiet.Exists("out.d"));

  // The engine's failure alone, and orvtool's own where it is orvtool that fails.
  const Bytes built = quiet.Read("out.orv");
  std::filesystem::remove(quiet.Path("combat_loop.orv"));
  run = RunOrvtool({"build", "-q"}, quiet.Path());
  EXPECT_EQ(1, run.status);
  EXPECT_EQ("", run.out);
  EXPECT_EQ("script.txt:4: Error opening \"combat_loop.orv\", aborting.\n", run.err);
  EXPECT_EQ(built, quiet.Read("out.orv"));
  run = RunOrvtool({"build", "--quiet", "missing.txt"}, quiet.Path());
  EXPECT_EQ(2, run.status);
  EXPECT_EQ("", run.out);
  EXPECT_EQ("orvtool build: no missing.txt in the current directory\n", run.err);
}

// A quiet build that meets another still waits its turn, without a word about it.
TEST(OrvtoolQuietBuild, WaitsForTheHolderWithoutAWord) {
  TempDir dir;
  dir.Write("script.txt", {'-', '1'});
  OutputLock other;
  ASSERT_EQ(OutputLock::kTaken, other.TryTake(dir.Path("out.orv")));
  OrvtoolProcess waiting({"build", "-q"}, dir.Path());
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_FALSE(dir.Exists("out.orv")) << "the quiet build did not wait";
  other.Release();
  const ToolRun run = waiting.Finish();
  EXPECT_EQ(0, run.status) << run.err;
  EXPECT_EQ("", run.out + run.err);
  EXPECT_EQ(EmptyBuild(), dir.Read("out.orv"));
}

}  // namespace

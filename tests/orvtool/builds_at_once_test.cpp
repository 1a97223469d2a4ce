// orvtool builds of one out.orv take turns, with each other and with the dialog's, natively and as
// orvtool.exe: none fails for meeting another, each prints its own build, and a build that must wait
// says so once and goes on when the other is done.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "orv_examples.h"
#include "output_lock.h"
#include "run_orvtool.h"
#include "temp_dir.h"

namespace {

constexpr char kWaiting[] = "waiting for another build of out.orv to end\n";
constexpr char kProgress[] = "Processing script\n\nBuilding table2\nBuilding table1\nBuilding interactive ORV\n";

TEST(OrvtoolBuildsAtOnce, TakeTurnsAndNeitherFailsForMeetingTheOther) {
  TempDir dir;
  dir.Write("script.txt", {'-', '1'});
  // Under Wine, 7 of 60 such pairs failed before builds took turns; kept short here.
  constexpr int kRounds = 12;
  for (int round = 0; round < kRounds; ++round) {
    OrvtoolProcess first({"build"}, dir.Path()), second({"build"}, dir.Path());
    for (const ToolRun& run : {first.Finish(), second.Finish()}) {
      EXPECT_EQ(0, run.status) << "round " << round << ": " << run.err;
      EXPECT_EQ(kProgress, run.out);
      EXPECT_TRUE(run.err.empty() || run.err == std::string("orvtool build: ") + kWaiting) << run.err;
    }
    EXPECT_EQ(EmptyBuild(), dir.Read("out.orv"));
  }
  EXPECT_EQ(0, TemporaryFileCount(dir.path()));
  EXPECT_FALSE(dir.Exists("out.orv.lock"));
}

// While another build holds out.orv's lock, build and check wait, say so, and neither print their
// progress nor touch anything; once it lets go they run as if alone. Check never writes out.orv, so what
// it has printed is what shows that it waited.
TEST(OrvtoolBuildsAtOnce, BuildAndCheckWaitForTheHolder) {
  TempDir dir;
  dir.Write("script.txt", {'-', '1'});
  for (const char* command : {"check", "build"}) {
    OutputLock other;
    ASSERT_EQ(OutputLock::kTaken, other.TryTake(dir.Path("out.orv")));
    OrvtoolProcess waiting({command}, dir.Path());
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_EQ("", waiting.OutputSoFar()) << command << " did not wait";
    EXPECT_FALSE(dir.Exists("out.orv")) << command << " did not wait";
    other.Release();
    const ToolRun run = waiting.Finish();
    EXPECT_EQ(0, run.status) << run.err;
    EXPECT_EQ(std::string("orvtool ") + command + ": " + kWaiting, run.err);
  }
  EXPECT_EQ(EmptyBuild(), dir.Read("out.orv"));
  EXPECT_FALSE(dir.Exists("out.orv.lock"));
}

}  // namespace

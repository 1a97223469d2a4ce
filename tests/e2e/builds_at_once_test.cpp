// Builds in one folder at once take turns: two dialogs pressed at nearly the same moment, a dialog and
// orvtool build. The user's script.txt is back byte for byte after every build, each dialog's status
// line tells its own build, none fails for meeting the other, and out.orv is always one whole build. A
// dialog that must wait says so, keeps answering, and drops the input given meanwhile.
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "builder_test.h"
#include "engine_reference.h"
#include "held_output.h"
#include "run_orvtool.h"

namespace e2e {
namespace {

// The user's own script beside the dialogs, one a build could take for its own by mistake.
const char kUsersScript[] = "5 null begin\r\n5 failed_loop.orv loop\r\n-1";
const char kUsersProgress[] =
    "Processing script\n5 null 0 0\n5 failed_loop.orv 1 7530\n\n"
    "Building table2\nBuilding table1\nBuilding interactive ORV\n";
// What each dialog's handlers make.
const char kFirstScript[] = "0 cruising_begin.orv begin\n0 cruising_loop.orv loop\n-1";
const char kSecondScript[] =
    "1 combat_begin.orv begin\n1 combat_loop.orv loop\n5 null begin\n5 failed_loop.orv loop\n-1";

// What each dialog's status line says after its build, but for the time.
const char kFirstOutcome[] = "out.orv built: 66,540 bytes, 1 handler, 5 chunks";
const char kSecondOutcome[] = "out.orv built: 43,152 bytes, 2 handlers, 5 chunks";

const char kWaitingStatus[] = "Waiting for another build of out.orv to end...";
const char kSecondStdout[] = "second-stdout.txt";

// "14:03:12  out.orv built: ...": a status a build came to, rather than the one before it or one under way.
bool BuildOver(const std::string& status) {
  return !status.empty() && std::isdigit(static_cast<unsigned char>(status[0]));
}

class BuildsAtOnce : public BuilderTest {
 protected:
  // The examples and the user's script; the first program with one handler, a second with two.
  void SetUpFolderAndFirst(HANDLE firstOutput = nullptr) {
    dir().CopyExamples();
    dir().WriteText("script.txt", kUsersScript);
    if (firstOutput != nullptr)
      ASSERT_NO_FATAL_FAILURE(LaunchWithOutput(firstOutput));
    else
      ASSERT_NO_FATAL_FAILURE(Launch());
    Add(kCruising, "cruising_begin.orv", "cruising_loop.orv");
  }
  void LaunchSecond() {
    ASSERT_NO_FATAL_FAILURE(LaunchAnother(&second_, kSecondStdout));
    Add(second_, kCombat, "combat_begin.orv", "combat_loop.orv");
    Add(second_, kFailed, "", "failed_loop.orv");
  }

  void ExpectNothingLeft() {
    EXPECT_EQ(TemporaryFileCount(dir().path()), 0);
    EXPECT_FALSE(dir().Exists("out.orv.lock"));
  }

  BuilderProcess second_;
};

// Rounds in the test; ORV_BUILDS_AT_ONCE_ROUNDS sets another count for a measurement by hand.
int Rounds() {
  const char* rounds = std::getenv("ORV_BUILDS_AT_ONCE_ROUNDS");
  return rounds != nullptr && std::atoi(rounds) > 0 ? std::atoi(rounds) : 30;
}

TEST_F(BuildsAtOnce, TwoDialogsPressedAtOnceTakeTurns) {
  ASSERT_NO_FATAL_FAILURE(SetUpFolderAndFirst());
  ASSERT_NO_FATAL_FAILURE(LaunchSecond());
  const Bytes firstBuild = EngineBuild(kFirstScript, dir());
  const Bytes secondBuild = EngineBuild(kSecondScript, dir());

  // One build each, one after the other: what each status line must say again in every round.
  Build();
  second_.Click(kBuild);
  const std::string firstOutcome = WithoutTime(app().Text(kStatus));
  const std::string secondOutcome = WithoutTime(second_.Text(kStatus));
  EXPECT_EQ(firstOutcome, kFirstOutcome);
  EXPECT_EQ(secondOutcome, kSecondOutcome);

  const int rounds = Rounds();
  int waited = 0;
  for (int round = 1; round <= rounds; ++round) {
    app().SetText(kStatus, "");
    second_.SetText(kStatus, "");
    app().PostClick(kBuild);
    second_.PostClick(kBuild);
    bool oneWaited = false;
    ASSERT_TRUE(WaitUntil([&] {
      const std::string first = app().Text(kStatus), other = second_.Text(kStatus);
      oneWaited = oneWaited || first == kWaitingStatus || other == kWaitingStatus;
      return BuildOver(first) && BuildOver(other);
    })) << "round "
        << round << ": the builds did not end";
    waited += oneWaited ? 1 : 0;
    ExpectNoMessageBox();
    ExpectNoMessageBox(second_);
    EXPECT_EQ(WithoutTime(app().Text(kStatus)), firstOutcome) << "round " << round;
    EXPECT_EQ(WithoutTime(second_.Text(kStatus)), secondOutcome) << "round " << round;
    ExpectUsersScript(kUsersScript, "in round " + std::to_string(round));
    const Bytes out = dir().Read("out.orv");
    EXPECT_TRUE(out == firstBuild || out == secondBuild) << "round " << round << ": out.orv is no one build";
    ExpectNothingLeft();
    if (HasFailure()) break;
  }
  std::cout << rounds << " rounds; in " << waited << " of them a dialog was seen waiting for the other\n";

  Exit();
  Exit(second_);
  // Each printed its own builds only.
  const std::string firstLines = "0 cruising_begin.orv 0 960\r\n0 cruising_loop.orv 1 fa00\r\n";
  const std::string secondLines =
      "1 combat_begin.orv 0 384\r\n1 combat_loop.orv 1 2ee0\r\n5 null 0 0\r\n5 failed_loop.orv 1 7530\r\n";
  std::string firstExpected, secondExpected;
  for (int round = 0; round <= rounds; ++round) {
    firstExpected +=
        "Processing script\r\n" + firstLines + "\r\nBuilding table2\r\nBuilding table1\r\nBuilding interactive ORV\r\n";
    secondExpected += "Processing script\r\n" + secondLines +
                      "\r\nBuilding table2\r\nBuilding table1\r\nBuilding interactive ORV\r\n";
  }
  if (!HasFailure()) {
    EXPECT_EQ(dir().ReadStdout(), firstExpected);
    EXPECT_EQ(dir().ReadStdout(kSecondStdout), secondExpected);
  }
}

// The first dialog's build is held still on its first progress line, holding its turn, with its own
// script in the user's place. A second dialog and orvtool build wait for it: the dialog says so and
// keeps answering, an Enter pressed meanwhile is dropped, not taken for Exit; orvtool says so once.
// Let go, each builds its own, and orvtool the user's script.
TEST_F(BuildsAtOnce, ADialogAndOrvtoolWaitForAHeldBuild) {
  HeldOutput output;
  ASSERT_TRUE(output.ok()) << "no pipe for the program's output";
  ASSERT_NO_FATAL_FAILURE(SetUpFolderAndFirst(output.WriteEnd()));
  output.CloseWriteEnd();
  ASSERT_NO_FATAL_FAILURE(LaunchSecond());

  app().PostClick(kBuild);
  ASSERT_TRUE(WaitUntil([&] { return !app().DialogEnabled(); })) << "a click on Build ORV started no build";
  second_.PostClick(kBuild);
  EXPECT_TRUE(WaitUntil([&] { return second_.Text(kStatus) == kWaitingStatus; })) << second_.Text(kStatus);
  // The waiting status is painted just before the dialog is disabled, not at the same moment.
  EXPECT_TRUE(WaitUntil([&] { return !second_.DialogEnabled(); })) << "the waiting dialog takes input";
  OrvtoolProcess tool({"build"}, dir().path());
  EXPECT_TRUE(WaitUntil([&] { return !tool.ErrorsSoFar().empty(); })) << "orvtool did not say it waits";
  second_.PostKey(second_.Control(kExit), VK_RETURN);
  EXPECT_TRUE(second_.Settle()) << "the waiting dialog does not answer";
  EXPECT_EQ(second_.Text(kStatus), kWaitingStatus);
  EXPECT_TRUE(second_.Running()) << "an Enter given while it waited was carried out";

  ASSERT_TRUE(output.Release());
  const ToolRun run = tool.Finish();
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, kUsersProgress) << "orvtool built another script than the user's";
  EXPECT_EQ(run.err, "orvtool build: waiting for another build of out.orv to end\n");
  ASSERT_TRUE(WaitUntil([&] { return BuildOver(app().Text(kStatus)) && BuildOver(second_.Text(kStatus)); }));
  EXPECT_EQ(WithoutTime(app().Text(kStatus)), kFirstOutcome);
  EXPECT_EQ(WithoutTime(second_.Text(kStatus)), kSecondOutcome);
  EXPECT_TRUE(WaitUntil([&] { return second_.DialogEnabled(); }));
  ExpectNoMessageBox();
  ExpectNoMessageBox(second_);
  ExpectUsersScript(kUsersScript, "after the builds");
  ExpectNothingLeft();
  Exit();
}

// A build that waits on its Error box holds its turn until the box is dismissed: another dialog waits
// as long, saying so, and then builds its own.
TEST_F(BuildsAtOnce, ADialogWaitsWhileTheOtherShowsItsErrorBox) {
  ASSERT_NO_FATAL_FAILURE(SetUpFolderAndFirst());
  Add(kCapsAlive, "missing.orv", "cruising_loop.orv");
  ASSERT_NO_FATAL_FAILURE(LaunchSecond());

  app().PostClick(kBuild);
  const HWND box = app().WaitForMessageBox(kErrorCaption);
  ASSERT_NE(box, nullptr);
  second_.PostClick(kBuild);
  EXPECT_TRUE(WaitUntil([&] { return second_.Text(kStatus) == kWaitingStatus; })) << second_.Text(kStatus);
  EXPECT_FALSE(dir().Exists("out.orv"));

  ASSERT_TRUE(app().DismissMessageBox(box));
  ASSERT_TRUE(WaitUntil([&] { return BuildOver(app().Text(kStatus)) && BuildOver(second_.Text(kStatus)); }));
  EXPECT_EQ(WithoutTime(app().Text(kStatus)), "out.orv was left as it was. Error opening \"missing.orv\", aborting.");
  EXPECT_EQ(WithoutTime(second_.Text(kStatus)), kSecondOutcome);
  EXPECT_EQ(dir().Read("out.orv"), EngineBuild(kSecondScript, dir()));
  ExpectNoMessageBox(second_);
  ExpectUsersScript(kUsersScript, "after the builds");
  ExpectNothingLeft();
  Exit();
}

// A dialog and orvtool build started together, many times: orvtool always builds the user's script,
// never the dialog's hand-over, and neither fails. The click comes later each round, so that it meets
// orvtool's build somewhere along the time the program takes to start.
TEST_F(BuildsAtOnce, ADialogAndOrvtoolBuildAtOnce) {
  ASSERT_NO_FATAL_FAILURE(SetUpFolderAndFirst());
  // A large Loop makes the dialog's build last, its hand-over script there for as long.
  const std::int32_t large = 16 << 20;
  dir().Write("large.orv", MakeOrv(1, {0, 1, 0, 1}, {56, 0, 0, 56 + large, 0, 0}, 0));
  std::filesystem::resize_file(dir().Path("large.orv"), 56 + static_cast<std::uintmax_t>(large));
  Add(kCombat, "combat_begin.orv", "large.orv");
  const Bytes dialogBuild = EngineBuild(
      "0 cruising_begin.orv begin\n0 cruising_loop.orv loop\n1 combat_begin.orv begin\n1 large.orv loop\n-1", dir());
  const Bytes usersBuild = EngineBuild(kUsersScript, dir());
  for (int round = 1; round <= 15; ++round) {
    app().SetText(kStatus, "");
    OrvtoolProcess tool({"build"}, dir().path());
    ::Sleep(static_cast<DWORD>(round * 20));
    app().PostClick(kBuild);
    const ToolRun run = tool.Finish();
    ASSERT_TRUE(WaitUntil([&] { return BuildOver(app().Text(kStatus)); })) << "round " << round;
    EXPECT_EQ(run.status, 0) << "round " << round << ": " << run.err;
    EXPECT_EQ(run.out, kUsersProgress) << "round " << round;
    EXPECT_EQ(WithoutTime(app().Text(kStatus)), "out.orv built: 16,848,140 bytes, 2 handlers, 286 chunks")
        << "round " << round;
    ExpectNoMessageBox();
    ExpectUsersScript(kUsersScript, "in round " + std::to_string(round));
    const Bytes out = dir().Read("out.orv");
    EXPECT_TRUE(out == dialogBuild || out == usersBuild) << "round " << round << ": out.orv is no one build";
    ExpectNothingLeft();
    if (HasFailure()) break;
  }
  Exit();
}

}  // namespace
}  // namespace e2e

// The status line at the dialog's foot: where out.orv goes, the build under way, and what each build
// came to, its figures the ones orvtool reads from the file. And a script.txt of the user's, which
// every build leaves as it was. (A failed build's status: build_errors_test.cpp.)
#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>

#include "builder_test.h"
#include "held_output.h"
#include "run_orvtool.h"
#include "screen_capture.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

// A script of the user's own, as the zip's examples folder holds one: CR LF line ends, no final one.
const char kUsersScript[] = "0 cruising_begin.orv begin\r\n0 cruising_loop.orv loop\r\n-1";

int SecondOfDayNow() {
  SYSTEMTIME now;
  ::GetLocalTime(&now);
  return (now.wHour * 60 + now.wMinute) * 60 + now.wSecond;
}

// Whether the time lies from `from` to `to`, across midnight too.
bool Between(int time, int from, int to) {
  return from <= to ? from <= time && time <= to : time >= from || time <= to;
}

class StatusLine : public BuilderTest {
 protected:
  std::string Status() { return app().Text(kStatus); }

  // Starts the program among the example sources and a script.txt of the user's own.
  void LaunchBesideUsersScript() {
    dir().CopyExamples();
    dir().WriteText("script.txt", kUsersScript);
    ASSERT_NO_FATAL_FAILURE(Launch());
  }

  // The file's reading by `orvtool info --json`.
  nlohmann::json Info(const std::string& name) {
    const ToolRun run = RunOrvtool({"info", "--json", name}, dir().path());
    EXPECT_EQ(run.status, 0) << run.err;
    return nlohmann::json::parse(run.out, nullptr, false);
  }

  void ExpectUsersScriptKept(const char* when) {
    ExpectUsersScript(kUsersScript, when);
    EXPECT_EQ(TemporaryFileCount(dir().path()), 0) << "a file was left aside " << when;
  }

  // Checks that the status tells the time of a build that ended from `from` to `to`; returns the rest.
  std::string AfterTime(const std::string& status, int from, int to) {
    int at = -1;
    const std::string rest = WithoutTime(status, &at);
    if (at >= 0) {
      EXPECT_TRUE(Between(at, from, to)) << "the status's time is not the build's: " << status;
    }
    return rest;
  }
};

TEST_F(StatusLine, TellsTheFolderThenWhatEachBuildWroteAsOrvtoolReadsIt) {
  ASSERT_NO_FATAL_FAILURE(LaunchBesideUsersScript());
  EXPECT_EQ(Status(), "out.orv will be written in " + dir().path());

  Add(kCruising, "cruising_begin.orv", "cruising_loop.orv");
  Add(kCombat, "combat_begin.orv", "combat_loop.orv");
  Add(kFailed, "", "failed_loop.orv");
  const int from = SecondOfDayNow();
  Build();
  ExpectNoMessageBox();
  const std::string built = AfterTime(Status(), from, SecondOfDayNow());
  EXPECT_EQ(built, "out.orv built: 109,764 bytes, 3 handlers, 8 chunks");
  ExpectUsersScriptKept("after a good build");

  // The same figures as orvtool reads them from the file.
  const nlohmann::json info = Info("out.orv");
  ASSERT_TRUE(info.is_object()) << "orvtool info gave no JSON";
  std::smatch figures;
  ASSERT_TRUE(std::regex_match(built, figures,
                               std::regex("out\\.orv built: ([0-9,]+) bytes, (\\d+) handlers?, "
                                          "(\\d+) chunks?")))
      << built;
  const std::string size = std::regex_replace(figures[1].str(), std::regex(","), "");
  EXPECT_EQ(std::stoll(size), info["size"].get<long long>());
  EXPECT_EQ(std::stoi(figures[2]), (info["stateCount"].get<int>() - 1) / 4) << "two states an entry, two a handler";
  EXPECT_EQ(std::stoi(figures[3]), info["chunkCount"].get<int>());

  // Fewer handlers, a smaller file: the status follows the latest build.
  app().SelectListItem(kHandledList, 1);
  app().Click(kRemove);
  app().SelectListItem(kHandledList, 1);
  app().Click(kRemove);
  Build();
  ExpectNoMessageBox();
  EXPECT_EQ(AfterTime(Status(), from, SecondOfDayNow()), "out.orv built: 66,540 bytes, 1 handler, 5 chunks");
  EXPECT_EQ(dir().Read("out.orv").size(), 66540u);
  ExpectUsersScriptKept("after the second build");
  Exit();
}

// A script.txt that the program may not move out of the way, as one held open by an editor, is never
// written over: the build does not start, and the dialog says why.
TEST_F(StatusLine, AUsersScriptThatCannotBeMovedAsideStopsTheBuildWithErrorSavingFile) {
  ASSERT_NO_FATAL_FAILURE(LaunchBesideUsersScript());
  Add(kCruising, "cruising_begin.orv", "cruising_loop.orv");
  // Open for writing by anyone, but not for renaming or deleting.
  const HANDLE held = ::CreateFileW(fs::u8path(dir().Path("script.txt")).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  app().Click(kBuild);
  ExpectProgramBox("Error saving file");
  ::CloseHandle(held);
  EXPECT_EQ(Status(), "Error saving file");
  EXPECT_FALSE(dir().Exists("out.orv"));
  ExpectUsersScriptKept("after \"Error saving file\"");

  // Let go of, the file makes way for the next build, and comes back after it.
  Build();
  ExpectNoMessageBox();
  EXPECT_TRUE(dir().Exists("out.orv"));
  ExpectUsersScriptKept("after the build that followed");
  Exit();
}

// The build computes on the dialog's own thread, which paints nothing meanwhile: its status must be on
// the screen before it starts. The build is held still on its first progress line, which no one reads.
TEST_F(StatusLine, BuildingIsOnTheScreenWhileTheBuildRuns) {
  dir().CopyExamples();
  HeldOutput output;
  ASSERT_TRUE(output.ok()) << "no pipe for the program's output";
  ASSERT_NO_FATAL_FAILURE(LaunchWithOutput(output.WriteEnd()));
  output.CloseWriteEnd();
  app().Settle();
  RECT area;
  ::GetWindowRect(app().Control(kStatus), &area);
  ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == app().dialog(); }, 5000));
  const Image before = CaptureScreen(area);

  app().PostClick(kBuild);
  ASSERT_TRUE(WaitUntil([&] { return !app().DialogEnabled(); })) << "a click on Build ORV started no build";
  // Read without a message, which the busy thread would not answer.
  wchar_t text[64] = {};
  ::GetWindowTextW(app().Control(kStatus), text, 64);
  EXPECT_EQ(std::wstring(text), L"Building out.orv...");
  // The display takes the drawing in its own time, a moment at most.
  EXPECT_TRUE(WaitUntil([&] { return CaptureScreen(area).pixels != before.pixels; }, 2000))
      << "the status line on the screen did not change for the build";

  ASSERT_TRUE(output.Release());
  EXPECT_TRUE(WaitUntil([&] { return app().DialogEnabled(); }));
  EXPECT_TRUE(Status().find("out.orv built: 56 bytes, 0 handlers, 2 chunks") != std::string::npos) << Status();
  Exit();
}

}  // namespace
}  // namespace e2e

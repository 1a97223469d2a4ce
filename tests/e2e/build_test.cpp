// Build ORV from the dialog: the file it leaves, the script it cleans up, the progress it prints,
// and the box when the script cannot be written.
#include <filesystem>
#include <string>
#include <vector>

#include "builder_test.h"
#include "engine_reference.h"

namespace e2e {
namespace {

using Strings = std::vector<std::string>;

// The example sources and the script that their three handlers make.
constexpr char kExampleScript[] =
    "0 cruising_begin.orv begin\n0 cruising_loop.orv loop\n"
    "1 combat_begin.orv begin\n1 combat_loop.orv loop\n"
    "5 null begin\n5 failed_loop.orv loop\n"
    "-1";

// What a build prints after its entry lines; standard output is a text stream, so CR LF.
constexpr char kPhaseLines[] = "\r\nBuilding table2\r\nBuilding table1\r\nBuilding interactive ORV\r\n";

using BuildOrv = BuilderTest;

TEST_F(BuildOrv, OutOrvIsTheEnginesForTheHandlersAndTheUsersScriptComesBack) {
  dir().CopyExamples();
  const std::string users = "0 stale_begin.orv begin\n0 stale_loop.orv loop\n-1";
  dir().WriteText("script.txt", users);
  ASSERT_NO_FATAL_FAILURE(Launch());

  // No handlers yet: the smallest file. The user's own script.txt made way for the build's.
  Build();
  ExpectNoMessageBox();
  ExpectUsersScript(users, "after a build");
  EXPECT_EQ(dir().Read("out.orv"), EngineBuild("-1", dir()));
  std::filesystem::remove(dir().Path("script.txt"));

  // Added out of event order, with an empty Begin path.
  Add(kFailed, "", "failed_loop.orv");
  Add(kCruising, "cruising_begin.orv", "cruising_loop.orv");
  Add(kCombat, "combat_begin.orv", "combat_loop.orv");
  Build();
  ExpectNoMessageBox();
  EXPECT_FALSE(dir().Exists("script.txt"));
  EXPECT_EQ(dir().Read("out.orv"), EngineBuild(kExampleScript, dir()));
  EXPECT_EQ(app().ListItems(kHandledList), (Strings{"Mission Failed", "Cruising", "Combat"}))
      << "a build must leave the handlers as they were";

  // The handlers changed after a build, with an empty Loop path: the next build rewrites out.orv.
  app().SelectListItem(kHandledList, 1);
  app().Click(kRemove);
  Add(kCombatDmg, "combat_begin.orv", "");
  Build();
  ExpectNoMessageBox();
  EXPECT_FALSE(dir().Exists("script.txt"));
  EXPECT_EQ(dir().Read("out.orv"), EngineBuild("1 combat_begin.orv begin\n1 combat_loop.orv loop\n"
                                               "2 combat_begin.orv begin\n2 null loop\n"
                                               "5 null begin\n5 failed_loop.orv loop\n-1",
                                               dir()));

  Exit();
  EXPECT_EQ(dir().ReadStdout(), std::string("Processing script\r\n") + kPhaseLines +
                                    "Processing script\r\n"
                                    "0 cruising_begin.orv 0 960\r\n0 cruising_loop.orv 1 fa00\r\n"
                                    "1 combat_begin.orv 0 384\r\n1 combat_loop.orv 1 2ee0\r\n"
                                    "5 null 0 0\r\n5 failed_loop.orv 1 7530\r\n" +
                                    kPhaseLines +
                                    "Processing script\r\n"
                                    "1 combat_begin.orv 0 384\r\n1 combat_loop.orv 1 2ee0\r\n"
                                    "2 combat_begin.orv 0 384\r\n2 null 1 0\r\n"
                                    "5 null 0 0\r\n5 failed_loop.orv 1 7530\r\n" +
                                    kPhaseLines);
}

TEST_F(BuildOrv, AScriptThatCannotBeWrittenIsReportedAndNothingIsBuilt) {
  dir().CopyExamples();
  std::filesystem::create_directory(dir().Path("script.txt"));
  ASSERT_NO_FATAL_FAILURE(Launch());
  Add(kCruising, "cruising_begin.orv", "cruising_loop.orv");

  app().Click(kBuild);
  ExpectProgramBox("Error saving file");
  EXPECT_EQ(app().Text(kStatus), "Error saving file");
  EXPECT_FALSE(dir().Exists("out.orv"));

  // Once the script can be written, the same handlers build.
  std::filesystem::remove(dir().Path("script.txt"));
  Build();
  ExpectNoMessageBox();
  EXPECT_EQ(dir().Read("out.orv"), EngineBuild("0 cruising_begin.orv begin\n0 cruising_loop.orv loop\n-1", dir()));
  EXPECT_FALSE(dir().Exists("script.txt"));

  Exit();
  EXPECT_EQ(
      dir().ReadStdout(),
      std::string("Processing script\r\n0 cruising_begin.orv 0 960\r\n0 cruising_loop.orv 1 fa00\r\n") + kPhaseLines)
      << "only the second attempt may have printed";
}

TEST_F(BuildOrv, BuildsWhenStartedWithoutStandardOutput) {
  dir().CopyExamples();
  ASSERT_NO_FATAL_FAILURE(Launch(false));
  Add(kCombat, "combat_begin.orv", "combat_loop.orv");
  Build();
  ExpectNoMessageBox();
  EXPECT_EQ(dir().Read("out.orv"), EngineBuild("1 combat_begin.orv begin\n1 combat_loop.orv loop\n-1", dir()));
  EXPECT_FALSE(dir().Exists("script.txt"));
  Exit();
}

}  // namespace
}  // namespace e2e

// A build that fails in the engine: its error box, the dialog held still while the box is up, and
// what is left on disk afterwards.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "box_icon.h"
#include "builder_test.h"
#include "message_box_view.h"

namespace e2e {
namespace {

using Strings = std::vector<std::string>;

struct Failure {
  const char* name;
  std::function<void(const WorkDir&)> prepare;  // sources and obstacles beside the examples
  const char* begin;
  const char* loop;
  const char* text;
};

std::ostream& operator<<(std::ostream& out, const Failure& failure) { return out << failure.name; }

const Failure kFailures[] = {
    {"SourceMissing", nullptr, "missing.orv", "cruising_loop.orv", "Error opening \"missing.orv\", aborting."},
    {"NotAnOrv", [](const WorkDir& d) { d.WriteText("notes.orv", "These are notes, not audio.\r\n"); },
     "cruising_begin.orv", "notes.orv", "Error, \"notes.orv\" is not an ORV."},
    {"MoreThanOneState",
     [](const WorkDir& d) {
       Bytes two = SourceFile(PayloadPattern(40, 3));
       two[8] = 2;  // the state count
       d.Write("two_states.orv", two);
     },
     "two_states.orv", "cruising_loop.orv",
     "\"two_states.orv\" is not an ORV created with the Corvane Audio Tool, aborting to avoid problems."},
    {"SourceCutShort",
     [](const WorkDir& d) {
       Bytes cut = SourceFile(PayloadPattern(100, 4));
       cut.resize(96);
       d.Write("cut.orv", cut);
     },
     "cruising_begin.orv", "cut.orv",
     "Error, \"cut.orv\" is 96 bytes long, shorter than the 156 bytes its header gives, aborting."},
    {"OutOrvIsASource", nullptr, "cruising_begin.orv", "out.orv",
     "Error, \"out.orv\" is the build's output and cannot be one of its sources, aborting."},
    // A folder where out.orv should be: the build may neither write it nor replace it.
    {"OutOrvCannotBeCreated", [](const WorkDir& d) { std::filesystem::create_directory(d.Path("out.orv")); },
     "cruising_begin.orv", "cruising_loop.orv", "Error opening out.orv, aborting."},
};

class BuildFailure : public BuilderTest, public ::testing::WithParamInterface<Failure> {};

TEST_P(BuildFailure, ShowsTheEnginesBoxHoldsTheDialogAndLeavesOutOrvAsItWas) {
  const Failure& failure = GetParam();
  dir().CopyExamples();
  if (failure.prepare) failure.prepare(dir());
  const Bytes previous = SourceFile(PayloadPattern(64, 9));
  const bool outIsFolder = std::filesystem::is_directory(dir().Path("out.orv"));
  if (!outIsFolder) dir().Write("out.orv", previous);
  const std::string usersScript = "-1\r\n";
  dir().WriteText("script.txt", usersScript);
  ASSERT_NO_FATAL_FAILURE(Launch());
  Add(kCruising, failure.begin, failure.loop);
  ExpectNoMessageBox();

  app().Click(kBuild);
  const HWND box = app().WaitForMessageBox(kErrorCaption);
  ASSERT_NE(box, nullptr) << "no \"" << kErrorCaption << "\" box appeared; expected: " << failure.text;
  const MessageBoxView view = ReadMessageBox(box);
  EXPECT_EQ(view.text, failure.text);
  EXPECT_EQ(view.owner, app().dialog()) << "the build's box is not the dialog's";
  EXPECT_EQ(view.buttons, Strings{"OK"});
  std::string why;
  EXPECT_TRUE(ShowsSystemIcon(view.icon, IDI_HAND, &why)) << "no stop icon: " << why;
  EXPECT_FALSE(app().DialogEnabled()) << "the dialog takes input while the build's box is up";
  // The status line says what the build came to while the box is up, the outcome first, and keeps it.
  const std::string status = app().Text(kStatus);
  EXPECT_EQ(WithoutTime(status), std::string("out.orv was left as it was. ") + failure.text);

  // Clicks that reach the dialog anyway start nothing: no second build, no change to the handlers.
  // Cruising's paths are in the edits and Combat is picked, so an Add that got through would list it.
  app().SelectListItem(kHandledList, 0);
  app().SelectListItem(kEventList, kCombat);
  app().Click(kAdd);
  app().Click(kRemove);
  app().Click(kBuild);
  EXPECT_EQ(app().MessageBoxes(kErrorCaption), std::vector<HWND>{box});
  EXPECT_TRUE(app().MessageBoxes(kProgramCaption).empty());
  EXPECT_EQ(app().ListItems(kHandledList), Strings{"Cruising"});

  ASSERT_TRUE(app().DismissMessageBox(box));
  EXPECT_TRUE(WaitUntil([&] { return app().DialogEnabled(); })) << "the dialog stays disabled";
  EXPECT_TRUE(WaitUntil([&] { return ::IsChild(app().dialog(), app().Focus()) != FALSE; }, 2000))
      << "the keyboard focus did not come back to the dialog";
  app().Settle();
  ExpectNoMessageBox();
  ExpectUsersScript(usersScript, "after a failed build");
  EXPECT_EQ(app().Text(kStatus), status) << "the status line changed once the box was dismissed";
  if (outIsFolder)
    EXPECT_TRUE(std::filesystem::is_directory(dir().Path("out.orv"))) << "a failed build replaced out.orv";
  else
    EXPECT_EQ(dir().Read("out.orv"), previous) << "a failed build touched out.orv";
  EXPECT_EQ(app().ListItems(kHandledList), Strings{"Cruising"});
}

INSTANTIATE_TEST_SUITE_P(Engine, BuildFailure, ::testing::ValuesIn(kFailures),
                         [](const ::testing::TestParamInfo<Failure>& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace e2e

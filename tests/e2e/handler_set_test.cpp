// A set of handlers kept in a file, with real keys under the window manager: Ctrl+S saves it through the
// Save dialog with its paths relative to the file's own folder; the next run opens it with Ctrl+O and
// shows the same handlers and paths; and the file builds with orvtool as the dialog builds it. Handlers
// never saved are asked about on the way out, and saved there on Yes.
#include <filesystem>
#include <string>
#include <vector>

#include "builder_test.h"
#include "file_dialog_input.h"
#include "run_orvtool.h"
#include "x_display.h"

namespace e2e {
namespace {

using Strings = std::vector<std::string>;

class HandlerSets : public RealInputTest {
 protected:
  // Real keys for the window (the dialog, whatever has the focus in it), once the window manager has
  // handed it the keyboard.
  void PressFor(HWND window, const char* keys) {
    std::string err;
    EXPECT_TRUE(WaitForWindowManager(&err)) << err;
    std::string why;
    EXPECT_TRUE(WaitUntil([&] { return ActiveForWindowManager(window, &why); }, 5000)) << why;
    EXPECT_TRUE(PressKeys(keys, &err)) << err;
  }
  // The same for the dialog; returns the file dialog the keys opened.
  HWND PressForFileDialog(const char* keys, const char* title) {
    PressFor(app().dialog(), keys);
    return WaitForFileDialog(app(), title);
  }

  // Selects each handled event in turn: the Begin and Loop paths it shows.
  Strings ShownPaths() {
    Strings paths;
    for (int i = 0; i < static_cast<int>(app().ListItems(kHandledList).size()); ++i) {
      app().SelectListItem(kHandledList, i);
      paths.push_back(app().Text(kBeginEdit) + " | " + app().Text(kLoopEdit));
    }
    return paths;
  }
};

// The README's example: the sources in music\, the set saved as sets\script.txt.
TEST_F(HandlerSets, SavedWithCtrlSOpenedNextRunWithCtrlOAndBuiltByOrvtoolAlike) {
  dir().CopyExamples();
  std::filesystem::create_directories(dir().Path("music"));
  std::filesystem::create_directories(dir().Path("sets"));
  for (const char* name :
       {"cruising_begin.orv", "cruising_loop.orv", "combat_begin.orv", "combat_loop.orv", "failed_loop.orv"})
    std::filesystem::rename(dir().Path(name), dir().Path(std::string("music\\") + name));
  ASSERT_NO_FATAL_FAILURE(Launch());
  Add(kCombat, "music\\combat_begin.orv", "music\\combat_loop.orv");
  Add(kFailed, "", "music\\failed_loop.orv");
  Add(kCruising, "music\\cruising_begin.orv", "music\\cruising_loop.orv");
  ASSERT_EQ(app().ListItems(kHandledList), (Strings{"Combat", "Mission Failed", "Cruising"}));

  // Ctrl+S with the focus in a source edit, which takes Ctrl and a letter for itself otherwise.
  std::string err;
  EXPECT_TRUE(ClickAt(Centre(app().Control(kBeginEdit)), &err)) << err;
  ASSERT_TRUE(WaitUntil([&] { return app().Focus() == app().Control(kBeginEdit); }));
  const HWND save = PressForFileDialog("ctrl+s", "Save handlers");
  ASSERT_NE(save, nullptr);
  EXPECT_EQ(WindowText(app().Focus()), "handlers.txt") << "the name first proposed";
  AnswerFileDialog(app(), save, "sets\\script.txt", "Return");
  ExpectNoMessageBox();
  const Bytes saved = dir().Read("sets\\script.txt");
  EXPECT_EQ(std::string(saved.begin(), saved.end()),
            "0 ..\\music\\cruising_begin.orv begin\r\n"
            "0 ..\\music\\cruising_loop.orv loop\r\n"
            "1 ..\\music\\combat_begin.orv begin\r\n"
            "1 ..\\music\\combat_loop.orv loop\r\n"
            "5 null begin\r\n"
            "5 ..\\music\\failed_loop.orv loop\r\n"
            "-1");
  EXPECT_EQ(WithoutTime(app().Text(kStatus)), "3 handlers saved to script.txt");
  Exit();

  // The next run starts empty, the focus on Exit; Ctrl+O opens the set in the order of its events.
  ASSERT_NO_FATAL_FAILURE(Launch());
  ASSERT_TRUE(app().ListItems(kHandledList).empty());
  const HWND open = PressForFileDialog("ctrl+o", "Open handlers");
  ASSERT_NE(open, nullptr);
  AnswerFileDialog(app(), open, "sets\\script.txt", "Return");
  ExpectNoMessageBox();
  EXPECT_EQ(app().ListItems(kHandledList), (Strings{"Cruising", "Combat", "Mission Failed"}));
  EXPECT_EQ(WithoutTime(app().Text(kStatus)), "3 handlers opened from script.txt");
  EXPECT_EQ(ShownPaths(), (Strings{"music\\cruising_begin.orv | music\\cruising_loop.orv",
                                   "music\\combat_begin.orv | music\\combat_loop.orv", " | music\\failed_loop.orv"}));

  Build();
  ExpectNoMessageBox();
  const Bytes built = dir().Read("out.orv");
  EXPECT_EQ(built.size(), 109764u) << "not the examples' own build";
  const ToolRun run = RunOrvtool({"build", "-C", "sets"}, dir().path());
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(dir().Read("sets\\out.orv"), built) << "orvtool built the saved set otherwise than the dialog";
  EXPECT_EQ(dir().Read("sets\\script.txt"), saved);

  // Save proposes the file opened last; Escape leaves it alone.
  const std::string status = app().Text(kStatus);
  const HWND again = PressForFileDialog("ctrl+s", "Save handlers");
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(WindowText(app().Focus()), "script.txt");
  AnswerFileDialog(app(), again, std::string(), "Escape");
  EXPECT_EQ(dir().Read("sets\\script.txt"), saved);
  EXPECT_EQ(app().Text(kStatus), status);
  Exit();
}

// Enter in the Loop edit, as in any edit control, and Alt+F4 ask before five handlers never saved go: Cancel
// and Esc keep them all and the focus in the edit; Yes saves them through the Save dialog, then the
// program ends. Opened again and left as it was, the set goes on Esc at once.
TEST_F(HandlerSets, UnsavedHandlersAreAskedAboutOnEnterAndAltF4AndSavedOnYes) {
  dir().CopyExamples();
  ASSERT_NO_FATAL_FAILURE(Launch());
  Add(kCruising, "cruising_begin.orv", "cruising_loop.orv");
  Add(kCombat, "combat_begin.orv", "combat_loop.orv");
  Add(kCombatDmg, "combat_begin.orv", "combat_loop.orv");
  Add(kAccomplished, "cruising_begin.orv", "cruising_loop.orv");
  Add(kFailed, "", "failed_loop.orv");
  ASSERT_EQ(app().ListItems(kHandledList).size(), 5u);
  EXPECT_EQ(WindowText(app().dialog()), "*ORV Builder v1.0");

  std::string err;
  const HWND loop = app().Control(kLoopEdit);
  EXPECT_TRUE(ClickAt(Centre(loop), &err)) << err;
  ASSERT_TRUE(WaitUntil([&] { return app().Focus() == loop; }));
  // Each way out, then its answer: a real click on the question's button, or a real key.
  for (const auto& way : {std::pair<const char*, int>{"Return", IDCANCEL}, {"alt+F4", 0}, {"Return", IDYES}}) {
    SCOPED_TRACE(way.first);
    PressFor(app().dialog(), way.first);
    const HWND box = ExpectSaveQuestion("Save the 5 handlers before closing?");
    ASSERT_NE(box, nullptr);
    if (way.second == 0) {
      PressFor(box, "Escape");
    } else {
      EXPECT_TRUE(WaitForWindowManager(&err) && ClickAt(Centre(::GetDlgItem(box, way.second)), &err)) << err;
    }
    if (way.second == IDYES) break;
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); })) << "the question stays";
    EXPECT_TRUE(WaitUntil([&] { return app().Focus() == loop; }, 5000)) << "the focus left the Loop edit";
    EXPECT_EQ(app().ListItems(kHandledList).size(), 5u);
  }
  const HWND save = WaitForFileDialog(app(), "Save handlers");
  ASSERT_NE(save, nullptr);
  EXPECT_TRUE(PressKeys("End shift+Home", &err)) << err;
  EXPECT_TRUE(TypeText("combat.txt", &err)) << err;
  EXPECT_TRUE(PressKeys("Return", &err)) << err;
  ASSERT_TRUE(app().WaitForExit()) << "the program did not end once the handlers were saved";
  const Bytes saved = dir().Read("combat.txt");
  EXPECT_EQ(std::string(saved.begin(), saved.end()),
            "0 cruising_begin.orv begin\r\n0 cruising_loop.orv loop\r\n"
            "1 combat_begin.orv begin\r\n1 combat_loop.orv loop\r\n"
            "2 combat_begin.orv begin\r\n2 combat_loop.orv loop\r\n"
            "4 cruising_begin.orv begin\r\n4 cruising_loop.orv loop\r\n"
            "5 null begin\r\n5 failed_loop.orv loop\r\n-1");
  EXPECT_FALSE(dir().Exists("script.txt"));

  ASSERT_NO_FATAL_FAILURE(Launch());
  EXPECT_EQ(WindowText(app().dialog()), "ORV Builder v1.0");
  const HWND open = PressForFileDialog("ctrl+o", "Open handlers");
  ASSERT_NE(open, nullptr);
  AnswerFileDialog(app(), open, "combat.txt", "Return");
  EXPECT_EQ(app().ListItems(kHandledList).size(), 5u);
  EXPECT_EQ(WindowText(app().dialog()), "combat.txt - ORV Builder v1.0");
  PressFor(app().dialog(), "Escape");
  EXPECT_TRUE(app().WaitForExit()) << "Esc with nothing unsaved did not end the program at once";
}

}  // namespace
}  // namespace e2e

// Browse... with real clicks and keys under the window manager: the system's Open dialog, titled for
// its piece, opens in the folder of the edit's path; the file chosen lands in the edit relative to the
// current folder, in a form Add takes; Cancel leaves the edit alone.
#include <windows.h>

#include <filesystem>
#include <iostream>
#include <string>

#include "builder_test.h"
#include "file_dialog_input.h"
#include "handler_table.h"
#include "script_file.h"
#include "x_display.h"

namespace e2e {
namespace {

class Browse : public RealInputTest {
 protected:
  // A real click on the Browse button; returns the Open dialog it opened, or null.
  HWND Open(int browseId, const char* title) {
    // The window manager places the dialog once it is mapped: only then is its button where it shows.
    std::string err;
    EXPECT_TRUE(WaitForWindowManager(&err)) << err;
    EXPECT_TRUE(ClickAt(Centre(app().Control(browseId)), &err)) << err;
    return WaitForFileDialog(app(), title);
  }

  void Answer(HWND open, const std::string& name, const char* key) { AnswerFileDialog(app(), open, name, key); }

  // Once the Open dialog is gone, the window manager gives the keyboard back to the builder dialog, its
  // focus on the Browse button pressed, and a real Tab moves it to the next control.
  void ExpectKeyboardBackOn(int browseId) {
    std::string why;
    EXPECT_TRUE(WaitUntil([&] { return ActiveForWindowManager(app().dialog(), &why); }, 5000))
        << "once the Open dialog is gone, " << why;
    ASSERT_TRUE(WaitUntil([&] { return app().Focus() == app().Control(browseId); }, 5000))
        << "the focus is not back on the Browse button";
    const HWND next = ::GetNextDlgTabItem(app().dialog(), app().Focus(), FALSE);
    std::string err;
    ASSERT_TRUE(PressKeys("Tab", &err)) << err;
    EXPECT_TRUE(WaitUntil([&] { return app().Focus() == next; }, 5000))
        << "a real Tab did not move the focus to control " << ::GetDlgCtrlID(next);
  }

  // Picks name in the edit's Open dialog as a user would: the dialog has the focus in its file name edit.
  void Pick(int browseId, const char* title, const std::string& name) {
    const HWND open = Open(browseId, title);
    ASSERT_NE(open, nullptr);
    Answer(open, name, "Return");
  }
};

TEST_F(Browse, TheFileTypedLandsRelativeAndTheNextOpensInItsFolder) {
  dir().CopyExamples();
  std::filesystem::create_directories(dir().Path("pieces"));
  dir().Write("pieces\\first.orv", dir().Read("cruising_begin.orv"));
  dir().Write("pieces\\second.orv", dir().Read("cruising_loop.orv"));
  ASSERT_NO_FATAL_FAILURE(Launch());
  EXPECT_TRUE(::IsWindowVisible(app().Control(kBrowseBegin)));
  EXPECT_TRUE(::IsWindowVisible(app().Control(kBrowseLoop)));

  ASSERT_NO_FATAL_FAILURE(Pick(kBrowseBegin, "Begin ORV source", "pieces\\first.orv"));
  EXPECT_EQ(app().Text(kBeginEdit), "pieces\\first.orv");
  // Opened in pieces, the folder of the Begin path: a bare name there is found.
  app().SetText(kLoopEdit, "pieces\\first.orv");
  ASSERT_NO_FATAL_FAILURE(Pick(kBrowseLoop, "Loop ORV source", "second.orv"));
  EXPECT_EQ(app().Text(kLoopEdit), "pieces\\second.orv");
  EXPECT_EQ(app().Text(kBeginEdit), "pieces\\first.orv");
  ExpectKeyboardBackOn(kBrowseLoop);

  // Browsing left the current folder where it was: the paths build, and out.orv is written there.
  Add(kCruising, app().Text(kBeginEdit), app().Text(kLoopEdit));
  Build();
  ExpectNoMessageBox();
  EXPECT_GT(dir().Read("out.orv").size(), 56u) << "no out.orv with the two sources in the current folder";
  EXPECT_FALSE(dir().Exists("pieces\\out.orv")) << "the build ran in the folder last browsed";
  Exit();
}

TEST_F(Browse, CancelLeavesTheEdit) {
  dir().CopyExamples();
  ASSERT_NO_FATAL_FAILURE(Launch());
  app().SetText(kLoopEdit, "kept.orv");
  const HWND open = Open(kBrowseLoop, "Loop ORV source");
  ASSERT_NE(open, nullptr);
  Answer(open, "combat_loop.orv", "Escape");
  ExpectKeyboardBackOn(kBrowseLoop);
  EXPECT_EQ(app().Text(kLoopEdit), "kept.orv");
  EXPECT_EQ(app().Text(kBeginEdit), "");
  ExpectNoMessageBox();
  Exit();
}

TEST_F(Browse, ANameWithASpaceLandsAsItsShortNameOrIsRefusedInAddsWords) {
  dir().CopyExamples();
  dir().Write("my piece.orv", dir().Read("combat_loop.orv"));
  ASSERT_NO_FATAL_FAILURE(Launch());
  app().SetText(kLoopEdit, "kept.orv");
  ASSERT_NO_FATAL_FAILURE(Pick(kBrowseLoop, "Loop ORV source", "my piece.orv"));

  const std::wstring full = std::filesystem::path(dir().Path("my piece.orv")).wstring();
  wchar_t shortName[MAX_PATH] = {};
  const DWORD length = ::GetShortPathNameW(full.c_str(), shortName, MAX_PATH);
  const std::string shortFile =
      length > 0 ? std::filesystem::path(shortName).filename().string() : std::string("my piece.orv");
  std::cout << "  the volume's short name for \"my piece.orv\": \"" << shortFile << "\"\n";
  if (shortFile.find(' ') == std::string::npos) {
    EXPECT_EQ(app().Text(kLoopEdit), shortFile);
    EXPECT_EQ(dir().Read(app().Text(kLoopEdit)), dir().Read("combat_loop.orv")) << "the short name opens another file";
    ExpectNoMessageBox();
  } else {
    const std::string path = "my piece.orv";
    ExpectProgramBox(PathProblem("Loop ORV", path.data(), static_cast<int>(path.size())));
    EXPECT_EQ(app().Text(kLoopEdit), "kept.orv");
  }
  const std::string inEdit = app().Text(kLoopEdit);
  EXPECT_TRUE(IsScriptablePath(inEdit)) << inEdit;
  Exit();
}

}  // namespace
}  // namespace e2e

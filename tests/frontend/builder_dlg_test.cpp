// Handler sets opened in the real builder dialog, by Open... through the system's Open dialog and by a
// drop: a script the dialog cannot take is refused either way, naming its first line it cannot take,
// the list and the edits as they were; handlers in the list give way only once the user says OK.
#include <filesystem>
#include <string>
#include <vector>

#include "dialog_in_thread.h"
#include "ends_with.h"
#include "message_box_view.h"
#include "resource.h"

namespace {

using Strings = std::vector<std::wstring>;

std::wstring Wide(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

const char kThreeHandlers[] =
    "5 a.orv begin\r\n5 b.orv loop\r\n0 a.orv begin\r\n0 b.orv loop\r\n"
    "1 null begin\r\n1 music\\c.orv loop\r\n-1";

class BuilderDlgTest : public DialogInThread {
 protected:
  Strings Items() const {
    Strings items;
    const int count = static_cast<int>(::SendMessageW(handled_, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      wchar_t text[64] = {};
      ::SendMessageW(handled_, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
      items.push_back(text);
    }
    return items;
  }

  // Opens the file by Open... in the system's Open dialog, its name typed in the file name edit.
  void OpenByDialog(const std::wstring& file) { AnswerFileDialog(IDC_OPEN, L"Open handlers", file); }
  // Saves the file by Save... in the system's Save dialog.
  void SaveByDialog(const std::wstring& file) { AnswerFileDialog(IDC_SAVE, L"Save handlers", file); }

  void AnswerFileDialog(int button, const std::wstring& title, const std::wstring& file) {
    const HWND dialog = TypeInFileDialog(button, title, file);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); })) << "the file dialog did not close";
    Settle();
  }

  // Clicks the button, types the file into the file name edit of the file dialog it opens, and presses OK
  // there; returns that dialog.
  HWND TypeInFileDialog(int button, const std::wstring& title, const std::wstring& file) {
    Click(button);
    const HWND dialog = WaitForBox();
    EXPECT_NE(dialog, nullptr) << "no file dialog appeared";
    if (dialog == nullptr) return nullptr;
    EXPECT_EQ(Text(dialog), title);
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    EXPECT_TRUE(WaitUntil([&] {
      return ::GetGUIThreadInfo(threadId(), &info) && info.hwndFocus != nullptr && ::IsChild(dialog, info.hwndFocus);
    })) << "the file dialog's file name edit did not take the focus";
    ::SendMessageW(info.hwndFocus, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(file.c_str()));
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
    return dialog;
  }
};

TEST_F(BuilderDlgTest, AScriptTheDialogCannotTakeIsRefusedByOpenAndByDropChangingNothing) {
  WriteText(folder_->Path("three.txt"), kThreeHandlers);
  Drop(dialog_, {Full("three.txt")});
  ASSERT_EQ(TakeBox(), L"");
  const Strings three = {L"Cruising", L"Combat", L"Mission Failed"};
  ASSERT_EQ(Items(), three);
  Keep();

  std::filesystem::create_directories(folder_->Path("my sets"));
  const std::string tooLong(200, 'p');
  struct Case {
    const char* name;
    std::string script;
    std::string why;
  } cases[] = {
      {"event9.txt", "0 a begin\n0 b loop\n9 c begin\n9 d loop\n-1",
       "Line 3: event 9 is not one of the dialog's events, 0 to 5."},
      {"twice.txt", "1 a begin\n1 b loop\n1 c begin\n1 d loop\n-1",
       "Line 3: event 1 (\"Combat\") has a handler already, on line 1."},
      {"noloop.txt", "0 a begin\n1 b begin\n1 c loop\n-1",
       "Line 2: the Begin of event 0 (\"Cruising\") on line 1 is not followed by its Loop."},
      {"nobegin.txt", "2 b loop\n-1", "Line 1: the Loop of event 2 (\"Combat / Dmg\") does not follow its Begin."},
      {"long.txt", "0 a begin\n0 " + tooLong + " loop\n-1", "Line 2: the path is longer than 199 bytes."},
      {"my sets\\space.txt", "4 a.orv begin\n4 b.orv loop\n-1",
       "Line 1: the Begin ORV path, seen from the current folder, is my sets\\a.orv, which contains a space or other "
       "white space: Add would refuse it."},
      {"unended.txt", "0 a begin\n0 b loop\n", "Line 3: it ends without the terminator -1."},
      {"binary.txt", std::string("\x8F\xC2\x35\x3F\0\0\0\0", 8),
       "Line 1: it holds the byte 0x00, which no text has: it is not a script."},
      {"huge.txt", std::string(kThreeHandlers),
       "It is 5,368,709,120 bytes long, far longer than a script of 6 handlers."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteText(folder_->Path(c.name), c.script);
    if (std::string(c.name) == "huge.txt") std::filesystem::resize_file(folder_->Path(c.name), 5ull << 30);
    const std::wstring want =
        L"Cannot open " + Wide(std::filesystem::path(c.name).filename().string()) + L". " + Wide(c.why);

    Drop(dialog_, {Full(c.name)});
    EXPECT_EQ(TakeBox(), want) << "by a drop";
    EXPECT_EQ(Items(), three);
    ExpectKept();
    EXPECT_TRUE(EndsWith(Text(::GetDlgItem(dialog_, IDC_STATUS)), L"  " + want));

    ASSERT_NO_FATAL_FAILURE(OpenByDialog(Full(c.name)));
    EXPECT_EQ(TakeBox(), want) << "by Open...";
    EXPECT_EQ(Items(), three);
    ExpectKept();
  }
}

TEST_F(BuilderDlgTest, HandlersInTheListGiveWayOnlyWhenTheUserSaysOK) {
  WriteText(folder_->Path("a.orv"), "a");
  WriteText(folder_->Path("three.txt"), kThreeHandlers);
  WriteText(folder_->Path("five.txt"),
            "0 a begin 0 b loop 1 a begin 1 b loop 2 a begin 2 b loop 3 a begin 3 b loop 4 c begin 4 d loop -1");
  // Into an empty list without a question; the edits then show the first handler's paths.
  ASSERT_NO_FATAL_FAILURE(OpenByDialog(Full("three.txt")));
  ASSERT_EQ(TakeBox(), L"");
  const Strings three = {L"Cruising", L"Combat", L"Mission Failed"};
  EXPECT_EQ(Items(), three);
  EXPECT_EQ(::SendMessageW(handled_, LB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(Text(begin_), L"a.orv");
  EXPECT_EQ(Text(loop_), L"b.orv");
  EXPECT_TRUE(EndsWith(Text(::GetDlgItem(dialog_, IDC_STATUS)), L"  3 handlers opened from three.txt"));

  Keep();
  Drop(begin_, {Full("five.txt")});
  EXPECT_EQ(TakeBox(IDCANCEL), L"Replace the 3 handlers in the list with the 5 of five.txt?");
  EXPECT_EQ(Items(), three);
  ExpectKept();
  EXPECT_TRUE(EndsWith(Text(::GetDlgItem(dialog_, IDC_STATUS)), L"  3 handlers opened from three.txt"));

  ASSERT_NO_FATAL_FAILURE(OpenByDialog(Full("five.txt")));
  EXPECT_EQ(TakeBox(IDOK), L"Replace the 3 handlers in the list with the 5 of five.txt?");
  EXPECT_EQ(Items(),
            (Strings{L"Cruising", L"Combat", L"Combat / Dmg", L"caps alive, fght dead", L"Mission Accomplished"}));
  EXPECT_TRUE(EndsWith(Text(::GetDlgItem(dialog_, IDC_STATUS)), L"  5 handlers opened from five.txt"));
  // Selecting a handler shows its paths.
  ::SendMessageW(handled_, LB_SETCURSEL, 4, 0);
  ::PostMessageW(dialog_, WM_COMMAND, MAKEWPARAM(IDC_HANDLED_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(handled_));
  Settle();
  EXPECT_EQ(Text(begin_), L"c");
  EXPECT_EQ(Text(loop_), L"d");
}

TEST_F(BuilderDlgTest, SaveWritesTheScriptUnderAnyNameOrRefusesAPathItCannotHoldWritingNothing) {
  WriteText(folder_->Path("three.txt"), kThreeHandlers);
  ASSERT_NO_FATAL_FAILURE(OpenByDialog(Full("three.txt")));
  std::filesystem::create_directories(folder_->Path("sets"));
  const std::filesystem::path saved = folder_->path() / "sets" / L"musique_\u00e9t\u00e9.txt";
  ASSERT_NO_FATAL_FAILURE(SaveByDialog(saved.wstring()));
  EXPECT_EQ(TakeBox(), L"");
  EXPECT_EQ(ReadText(saved),
            "0 ..\\a.orv begin\r\n0 ..\\b.orv loop\r\n1 null begin\r\n1 ..\\music\\c.orv loop\r\n"
            "5 ..\\a.orv begin\r\n5 ..\\b.orv loop\r\n-1");
  EXPECT_TRUE(EndsWith(Text(::GetDlgItem(dialog_, IDC_STATUS)), L"  3 handlers saved to musique_\u00e9t\u00e9.txt"));

  // From a current folder inside one whose name holds a space, the way from sets\ passes through it.
  const std::filesystem::path spaced = folder_->path() / "my work";
  std::filesystem::create_directories(spaced);
  std::filesystem::current_path(spaced);
  WriteText((folder_->path() / "sets" / "other.txt").string(), "kept");
  ASSERT_NO_FATAL_FAILURE(SaveByDialog(Full("sets\\refused.txt")));
  const std::wstring want =
      L"Cannot save refused.txt. The Begin ORV path of event 0 (\"Cruising\"), seen from the script's folder, is "
      L"..\\my work\\a.orv, which contains a space or other white space: a script cannot hold it. Nothing was written.";
  EXPECT_EQ(TakeBox(), want);
  EXPECT_FALSE(FileExists(folder_->Path("sets\\refused.txt")));
  EXPECT_EQ(ReadText(folder_->Path("sets\\other.txt")), "kept");
  EXPECT_EQ(TemporaryFileCount(folder_->Path("sets")), 0);
  EXPECT_TRUE(EndsWith(Text(::GetDlgItem(dialog_, IDC_STATUS)), L"  " + want));
  std::filesystem::current_path(folder_->path());
}

// The caption's mark follows the list, which a change undone leaves unmarked; only a marked list is
// asked about, on leaving, when Windows ends the session, and on opening a set, in place of the
// question to replace.
TEST_F(BuilderDlgTest, OnlyAChangeThatStaysIsMarkedAndAskedAbout) {
  WriteText(folder_->Path("three.txt"), kThreeHandlers);
  WriteText(folder_->Path("five.txt"),
            "0 a begin 0 b loop 1 a begin 1 b loop 2 a begin 2 b loop 3 a begin 3 b loop "
            "4 c begin 4 d loop -1");
  const auto sessionMayEnd = [&] {
    DWORD_PTR answer = 2;
    EXPECT_NE(::SendMessageTimeoutW(dialog_, WM_QUERYENDSESSION, 0, 0, SMTO_BLOCK, 5000, &answer), 0);
    Settle();
    return answer;
  };
  const auto remove = [&](const wchar_t* event) {
    const LRESULT at =
        ::SendMessageW(handled_, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(event));
    ::SendMessageW(handled_, LB_SETCURSEL, static_cast<WPARAM>(at), 0);
    Click(IDC_REMOVE);
  };
  ASSERT_NO_FATAL_FAILURE(OpenByDialog(Full("three.txt")));
  EXPECT_EQ(Text(dialog_), L"three.txt - ORV Builder v1.0");
  remove(L"Combat");
  EXPECT_EQ(Text(dialog_), L"*three.txt - ORV Builder v1.0");
  EXPECT_EQ(sessionMayEnd(), static_cast<DWORD_PTR>(FALSE));
  EXPECT_EQ(TakeBox(IDCANCEL), L"Save the 2 handlers to three.txt before closing?");

  ::SendMessageW(::GetDlgItem(dialog_, IDC_EVENT_LIST), LB_SETCURSEL, 1, 0);
  ::SetWindowTextW(begin_, L"");
  ::SetWindowTextW(loop_, L"music\\c.orv");
  Click(IDC_ADD);
  EXPECT_EQ(Text(dialog_), L"three.txt - ORV Builder v1.0") << "added back in another place in the list";
  EXPECT_EQ(sessionMayEnd(), static_cast<DWORD_PTR>(TRUE));

  remove(L"Combat");
  Drop(dialog_, {Full("five.txt")});
  EXPECT_EQ(TakeBox(IDNO), L"Save the 2 handlers to three.txt before opening five.txt?");
  EXPECT_EQ(TakeBox(), L"") << "asked again, to replace";
  EXPECT_EQ(Items().size(), 5u);
  EXPECT_EQ(Text(dialog_), L"five.txt - ORV Builder v1.0");

  // Yes saves into the set's file, with no Save dialog, and the dialog ends. Answered here, for TakeBox
  // waits on the dialog afterwards.
  remove(L"Cruising");
  Click(IDCANCEL);
  const HWND question = FindBox();
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(Text(::GetDlgItem(question, kMessageTextId)), L"Save the 4 handlers to five.txt before closing?");
  ::PostMessageW(question, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), 0);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(dialog_); })) << "the dialog did not end after the save";
  EXPECT_EQ(ReadText(folder_->Path("five.txt")),
            "1 a begin\r\n1 b loop\r\n2 a begin\r\n2 b loop\r\n3 a begin\r\n3 b loop\r\n4 c begin\r\n4 d loop\r\n-1");
}

}  // namespace

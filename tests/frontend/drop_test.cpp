// Files dropped on the real builder dialog, run in this process so each drop can carry a real HDROP:
// on a box it fills that box, on the dialog a pair fills Begin then Loop and one file the focused box,
// else Begin; a folder or more than two files is refused with a box, and nothing changes.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#include <shlobj.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "builder_dlg.h"
#include "message_box_view.h"
#include "posted_mark.h"
#include "resource.h"
#include "temp_dir.h"
#include "wait_until.h"
#include "window_text.h"

namespace {

// A drop as Explorer hands it over: DROPFILES followed by the wide paths, each NUL-terminated, and
// one more NUL. The receiver frees it.
HDROP MakeDrop(const std::vector<std::wstring>& paths) {
  size_t chars = 1;
  for (const std::wstring& path : paths) chars += path.size() + 1;
  const HGLOBAL memory = ::GlobalAlloc(GHND, sizeof(DROPFILES) + chars * sizeof(wchar_t));
  auto* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  wchar_t* out = reinterpret_cast<wchar_t*>(reinterpret_cast<BYTE*>(drop) + sizeof(DROPFILES));
  for (const std::wstring& path : paths) {
    path.copy(out, path.size());
    out += path.size() + 1;
  }
  ::GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

// A visible dialog-class window of the thread other than `dialog`.
struct FoundBox {
  HWND dialog;
  HWND box;
};

BOOL CALLBACK FindBox(HWND hwnd, LPARAM param) {
  auto* found = reinterpret_cast<FoundBox*>(param);
  if (hwnd != found->dialog && ClassName(hwnd) == kDialogClass && ::IsWindowVisible(hwnd)) found->box = hwnd;
  return found->box == nullptr;
}

class DialogDrop : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::make_unique<TempDir>("drop", TempDir::kEnter);
    WriteText(folder_->Path("a.orv"), "a");
    WriteText(folder_->Path("b.orv"), "b");
    std::filesystem::create_directories(folder_->Path("music"));
    WriteText(folder_->Path("music\\c.orv"), "c");
    thread_ = std::thread([this] {
      threadId_ = ::GetCurrentThreadId();
      CBuilderDlg dialog;
      dialog.DoModal();
    });
    ASSERT_TRUE(WaitUntil([&] {
      FoundBox found{nullptr, nullptr};
      if (threadId_ != 0) ::EnumThreadWindows(threadId_, FindBox, reinterpret_cast<LPARAM>(&found));
      dialog_ = found.box;
      return dialog_ != nullptr;
    })) << "the dialog did not appear";
    begin_ = ::GetDlgItem(dialog_, IDC_BEGIN_EDIT);
    loop_ = ::GetDlgItem(dialog_, IDC_LOOP_EDIT);
  }
  void TearDown() override {
    if (dialog_ != nullptr) ::PostMessageW(dialog_, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    if (thread_.joinable()) thread_.join();
    folder_.reset();
  }

  std::wstring Full(const char* name) const { return std::filesystem::path(folder_->Path(name)).wstring(); }

  // Drops the files on target, and returns once the dialog has handled the drop (or shows a box).
  void Drop(HWND target, const std::vector<std::wstring>& paths) {
    ASSERT_TRUE(::PostMessageW(target, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)), 0));
    // Posted after the drop to a window of the same thread, so handled after it.
    ASSERT_TRUE(handled_.Post(::GetDlgItem(dialog_, IDC_EVENT_LIST)));
    ASSERT_TRUE(WaitUntil([&] { return handled_.Handled(); }));
  }

  // The text of the dialog's own box, which is then dismissed; empty when none is shown.
  std::string TakeBox() {
    FoundBox found{dialog_, nullptr};
    ::EnumThreadWindows(threadId_, FindBox, reinterpret_cast<LPARAM>(&found));
    if (found.box == nullptr) return std::string();
    const std::string text = ReadMessageBox(found.box).text;
    ::PostMessageW(found.box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(found.box); }));
    return text;
  }

  void Focus(HWND control) { ::SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE); }

  void Keep() {
    ::SetWindowTextW(begin_, L"kept_begin.orv");
    ::SetWindowTextW(loop_, L"kept_loop.orv");
  }
  void ExpectKept() {
    EXPECT_EQ(WindowText(begin_), "kept_begin.orv");
    EXPECT_EQ(WindowText(loop_), "kept_loop.orv");
  }

  std::unique_ptr<TempDir> folder_;
  std::thread thread_;
  std::atomic<DWORD> threadId_{0};
  HWND dialog_ = nullptr;
  HWND begin_ = nullptr;
  HWND loop_ = nullptr;
  PostedMark handled_;
};

TEST_F(DialogDrop, OnABoxFillsThatBoxRelativeWhereItCan) {
  Keep();
  Drop(loop_, {Full("music\\c.orv")});
  EXPECT_EQ(WindowText(loop_), "music\\c.orv");
  EXPECT_EQ(WindowText(begin_), "kept_begin.orv");
  // The focus on Loop does not take a drop aimed at Begin.
  Focus(loop_);
  Drop(begin_, {Full("a.orv")});
  EXPECT_EQ(WindowText(begin_), "a.orv");
  EXPECT_EQ(WindowText(loop_), "music\\c.orv");

  TempDir elsewhere("drop-elsewhere");
  const std::string outside = elsewhere.Path("far.orv");
  WriteText(outside, "far");
  Drop(begin_, {std::filesystem::path(outside).wstring()});
  EXPECT_EQ(WindowText(begin_), std::filesystem::path(outside).u8string());
  EXPECT_EQ(TakeBox(), "");
}

TEST_F(DialogDrop, OnTheDialogAPairIsBeginThenLoopAndOneFileGoesToTheFocusedBoxElseBegin) {
  Drop(dialog_, {Full("b.orv"), Full("a.orv")});
  EXPECT_EQ(WindowText(begin_), "b.orv");
  EXPECT_EQ(WindowText(loop_), "a.orv");

  Focus(loop_);
  Drop(dialog_, {Full("music\\c.orv")});
  EXPECT_EQ(WindowText(loop_), "music\\c.orv");
  EXPECT_EQ(WindowText(begin_), "b.orv");

  Focus(::GetDlgItem(dialog_, IDOK));
  Drop(dialog_, {Full("a.orv")});
  EXPECT_EQ(WindowText(begin_), "a.orv");
  EXPECT_EQ(WindowText(loop_), "music\\c.orv");
  EXPECT_EQ(TakeBox(), "");
}

TEST_F(DialogDrop, AFolderOrThreeFilesAreRefusedAndChangeNothing) {
  Keep();
  Drop(begin_, {Full("music")});
  EXPECT_NE(TakeBox().find("folder"), std::string::npos);
  ExpectKept();

  Drop(dialog_, {Full("a.orv"), Full("music")});
  EXPECT_NE(TakeBox(), "");
  ExpectKept();

  Drop(loop_, {Full("a.orv"), Full("b.orv"), Full("music\\c.orv")});
  EXPECT_NE(TakeBox().find("two"), std::string::npos);
  ExpectKept();
}

}  // namespace

// Files dropped on the real builder dialog, run in this process so each drop can carry a real HDROP:
// on an edit it fills that edit, on the dialog a pair fills Begin then Loop and one file the focused
// edit, else Begin; a folder or more than two files is refused with a message box, and nothing changes.
#include <filesystem>
#include <string>

#include "dialog_in_thread.h"

namespace {

class SourceEditsTest : public DialogInThread {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(DialogInThread::SetUp());
    WriteText(folder_->Path("a.orv"), "a");
    WriteText(folder_->Path("b.orv"), "b");
    std::filesystem::create_directories(folder_->Path("music"));
    WriteText(folder_->Path("music\\c.orv"), "c");
  }
};

TEST_F(SourceEditsTest, OnAnEditFillsThatEditRelativeWhereItCan) {
  Keep();
  Drop(loop_, {Full("music\\c.orv")});
  EXPECT_EQ(Text(loop_), L"music\\c.orv");
  EXPECT_EQ(Text(begin_), L"kept_begin.orv");
  // The focus on Loop does not take a drop aimed at Begin.
  Focus(loop_);
  Drop(begin_, {Full("a.orv")});
  EXPECT_EQ(Text(begin_), L"a.orv");
  EXPECT_EQ(Text(loop_), L"music\\c.orv");

  TempDir elsewhere("drop-elsewhere");
  const std::string outside = elsewhere.Path("far.orv");
  WriteText(outside, "far");
  Drop(begin_, {std::filesystem::path(outside).wstring()});
  EXPECT_EQ(Text(begin_), std::filesystem::path(outside).wstring());
  EXPECT_EQ(TakeBox(), L"");
}

TEST_F(SourceEditsTest, OnTheDialogAPairIsBeginThenLoopAndOneFileGoesToTheFocusedEditElseBegin) {
  Drop(dialog_, {Full("b.orv"), Full("a.orv")});
  EXPECT_EQ(Text(begin_), L"b.orv");
  EXPECT_EQ(Text(loop_), L"a.orv");

  Focus(loop_);
  Drop(dialog_, {Full("music\\c.orv")});
  EXPECT_EQ(Text(loop_), L"music\\c.orv");
  EXPECT_EQ(Text(begin_), L"b.orv");

  Focus(::GetDlgItem(dialog_, IDOK));
  Drop(dialog_, {Full("a.orv")});
  EXPECT_EQ(Text(begin_), L"a.orv");
  EXPECT_EQ(Text(loop_), L"music\\c.orv");
  EXPECT_EQ(TakeBox(), L"");
}

TEST_F(SourceEditsTest, AFolderOrThreeFilesAreRefusedAndChangeNothing) {
  Keep();
  Drop(begin_, {Full("music")});
  EXPECT_NE(TakeBox().find(L"folder"), std::wstring::npos);
  ExpectKept();

  Drop(dialog_, {Full("a.orv"), Full("music")});
  EXPECT_NE(TakeBox(), L"");
  ExpectKept();

  Drop(loop_, {Full("a.orv"), Full("b.orv"), Full("music\\c.orv")});
  EXPECT_NE(TakeBox().find(L"two"), std::wstring::npos);
  ExpectKept();
}

}  // namespace

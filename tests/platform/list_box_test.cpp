#include "platform/list_box.h"

#include <gtest/gtest.h>

#include <string>

#include "control_host.h"

namespace {

const char* const kEvents[] = {
    "Cruising", "Combat", "Combat / Dmg", "caps alive, fght dead", "Mission Accomplished", "Mission Failed",
};

// An unsorted single-selection list with notifications, as in the builder dialog.
class ListBoxTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(host_.hwnd(), nullptr);
    list_.Attach(host_.AddControl("LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL, 1000));
    ASSERT_NE(list_.GetSafeHwnd(), nullptr);
  }
  void AddEvents() {
    for (const char* name : kEvents) list_.AddString(name);
  }
  ControlHost host_;
  CListBox list_;
};

TEST_F(ListBoxTest, AppendsAtTheEndAndDeletingMovesLaterItemsUp) {
  // "Cruising" before "Combat" shows nothing sorts.
  CListBox& items = list_;
  AddEvents();
  ASSERT_EQ(items.GetCount(), 6);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(items.GetText(i), kEvents[i]) << i;

  items.DeleteString(0);
  ASSERT_EQ(items.GetCount(), 5);
  EXPECT_EQ(items.GetText(0), "Combat");
  EXPECT_EQ(items.GetText(4), "Mission Failed");

  items.DeleteString(2);
  ASSERT_EQ(items.GetCount(), 4);
  EXPECT_EQ(items.GetText(1), "Combat / Dmg");
  EXPECT_EQ(items.GetText(2), "Mission Accomplished");

  items.AddString("Cruising");
  ASSERT_EQ(items.GetCount(), 5);
  EXPECT_EQ(items.GetText(4), "Cruising");
}

TEST_F(ListBoxTest, ReadsTextWholeAndNothingOutsideTheList) {
  const std::string longText(5000, 'x');
  list_.AddString(longText.c_str());
  list_.AddString("");
  list_.AddString(nullptr);
  EXPECT_EQ(list_.GetText(0), longText);
  EXPECT_EQ(list_.GetText(1), "");
  EXPECT_EQ(list_.GetText(2), "");
  EXPECT_EQ(list_.GetText(3), "");
  EXPECT_EQ(list_.GetText(-1), "");
}

TEST_F(ListBoxTest, SelectionIsNegativeWhenNothingIsSelected) {
  EXPECT_LT(list_.GetCurSel(), 0);
  AddEvents();
  EXPECT_LT(list_.GetCurSel(), 0);
  EXPECT_EQ(list_.SelectString(-1, "caps"), 3);
  EXPECT_EQ(list_.GetCurSel(), 3);
}

TEST_F(ListBoxTest, SelectsTheFirstItemFromTheTopThatBeginsWithTheText) {
  AddEvents();
  list_.SelectString(-1, "Mission Failed");
  EXPECT_EQ(list_.SelectString(-1, "Combat"), 1);  // not "Combat / Dmg"
  EXPECT_EQ(list_.GetCurSel(), 1);
  EXPECT_EQ(list_.SelectString(-1, "combat / DMG"), 2);
  EXPECT_EQ(list_.GetCurSel(), 2);
  EXPECT_EQ(list_.SelectString(-1, "c"), 0);  // from the top, though the selection is below
  EXPECT_EQ(list_.SelectString(-1, "MISSION"), 4);
  EXPECT_EQ(list_.SelectString(1, "Combat"), 2);  // after the given index

  EXPECT_LT(list_.SelectString(-1, "Combat !"), 0);
  EXPECT_EQ(list_.GetCurSel(), 2);
}

}  // namespace

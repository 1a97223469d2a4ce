#include "platform/list_box.h"

#include <gtest/gtest.h>

#include <string>

#include "control_host.h"

namespace {

// An unsorted list as in the builder dialog: items read back whole however long, in the order added,
// and nothing outside the list.
TEST(ListBoxTest, ReadsEachItemWholeAndNothingOutsideTheList) {
  ControlHost host;
  CListBox list(CWnd(host.AddControl("LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL, 1000)));
  ASSERT_NE(list.GetSafeHwnd(), nullptr);
  const std::string longText(5000, 'x');
  list.AddString("Cruising");
  list.AddString(longText.c_str());
  list.AddString("");
  list.AddString("Combat");
  list.DeleteString(0);
  EXPECT_EQ(list.GetText(0), longText);
  EXPECT_EQ(list.GetText(1), "");
  EXPECT_EQ(list.GetText(2), "Combat");
  EXPECT_EQ(list.GetText(3), "");
  EXPECT_EQ(list.GetText(-1), "");
}

}  // namespace

// Label fitting on a dialog made from a template: which labels grow, how far, and what stops them.
#include "platform/labels.h"

#include <gtest/gtest.h>

#include <string>

#include "test_resources.h"
#include "window_geometry.h"
#include "window_text.h"

namespace {

INT_PTR CALLBACK PlainProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

class LabelFitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog_ =
        ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_LABELS_DIALOG), nullptr, PlainProc, 0);
    ASSERT_NE(dialog_, nullptr);
  }
  void TearDown() override {
    if (dialog_ != nullptr) ::DestroyWindow(dialog_);
  }

  RECT Place(int id) const { return PlaceIn(dialog_, ::GetDlgItem(dialog_, id)); }
  // The label's text measured in the dialog's font.
  LONG TextWidth(int id) const { return TextSize(WindowText(::GetDlgItem(dialog_, id)), dialog_).cx; }

  HWND dialog_ = nullptr;
};

TEST_F(LabelFitTest, CutLabelsGrowRightAsFarAsTheirTextOrTheFreeSpaceGoesAndNoFurther) {
  struct Control {
    int id;
    bool cut;  // its text does not fit, and there is room to its right
    RECT before;
  };
  Control controls[] = {{IDC_LABEL_FITS, false, {}},      {IDC_LABEL_FREE, true, {}},   {IDC_LABEL_BLOCKED, true, {}},
                        {IDC_LABEL_NEIGHBOUR, false, {}}, {IDC_LABEL_WRAPS, false, {}}, {IDC_LABEL_GROUP, false, {}},
                        {IDC_LABEL_IN_GROUP, true, {}}};
  for (Control& c : controls) {
    c.before = Place(c.id);
    if (c.cut) {
      EXPECT_GT(TextWidth(c.id), c.before.right - c.before.left) << "label " << c.id << " fits already";
    }
  }

  FitLabelsToText(CWnd(dialog_));

  // Left edge, top and height stay; only the cut labels' right edges move.
  for (const Control& c : controls) {
    SCOPED_TRACE("control " + std::to_string(c.id));
    const RECT after = Place(c.id);
    EXPECT_EQ(after.left, c.before.left);
    EXPECT_EQ(after.top, c.before.top);
    EXPECT_EQ(after.bottom, c.before.bottom);
    if (c.cut) {
      EXPECT_GT(after.right, c.before.right);
    } else {
      EXPECT_TRUE(::EqualRect(&after, &c.before)) << Describe(c.before) << " became " << Describe(after);
    }
  }
  // With room to spare, exactly as wide as its text.
  const RECT free = Place(IDC_LABEL_FREE);
  EXPECT_EQ(free.right - free.left, TextWidth(IDC_LABEL_FREE));
  // Up to the edit control beside it, not over it.
  EXPECT_EQ(Place(IDC_LABEL_BLOCKED).right, Place(IDC_LABEL_NEIGHBOUR).left);
  // Clear of the frame of its group box, though its text needs more.
  const RECT inGroup = Place(IDC_LABEL_IN_GROUP);
  EXPECT_LT(inGroup.right, Place(IDC_LABEL_GROUP).right - 1);
  EXPECT_GT(TextWidth(IDC_LABEL_IN_GROUP), inGroup.right - inGroup.left);
}

}  // namespace

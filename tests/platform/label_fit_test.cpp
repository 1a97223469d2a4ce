// Label fitting on a dialog made from a template: which labels grow, how far, and what stops them.
#include "platform/label_fit.h"

#include <gtest/gtest.h>

#include <string>

#include "test_resources.h"

namespace {

INT_PTR CALLBACK PlainProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

class LabelFit : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog_ =
        ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_LABELS_DIALOG), nullptr, PlainProc, 0);
    ASSERT_NE(dialog_, nullptr);
  }
  void TearDown() override {
    if (dialog_ != nullptr) ::DestroyWindow(dialog_);
  }

  // A control's place in the dialog's client area.
  RECT Place(int id) const {
    RECT r;
    ::GetWindowRect(::GetDlgItem(dialog_, id), &r);
    ::MapWindowPoints(HWND_DESKTOP, dialog_, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  // The label's text measured in the dialog's font.
  int TextWidth(int id) const {
    char text[128] = {};
    ::GetDlgItemTextA(dialog_, id, text, sizeof(text));
    HDC dc = ::GetDC(dialog_);
    HGDIOBJ previous = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(dialog_, WM_GETFONT, 0, 0)));
    SIZE size = {};
    ::GetTextExtentPoint32A(dc, text, static_cast<int>(std::string(text).size()), &size);
    ::SelectObject(dc, previous);
    ::ReleaseDC(dialog_, dc);
    return size.cx;
  }

  HWND dialog_ = nullptr;
};

std::string Describe(const RECT& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
         std::to_string(r.bottom) + ")";
}

TEST_F(LabelFit, CutLabelsGrowRightAsFarAsTheirTextOrTheFreeSpaceGoesAndNoFurther) {
  struct Control {
    int id;
    bool cut;  // its text does not fit, and there is room to its right
    RECT before;
  };
  Control controls[] = {{IDC_LABEL_FITS, false, {}},      {IDC_LABEL_FREE, true, {}},   {IDC_LABEL_BLOCKED, true, {}},
                        {IDC_LABEL_NEIGHBOUR, false, {}}, {IDC_LABEL_WRAPS, false, {}}, {IDC_LABEL_GROUP, false, {}},
                        {IDC_LABEL_BOXED, true, {}}};
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
  // Up to the edit box beside it, not over it.
  EXPECT_EQ(Place(IDC_LABEL_BLOCKED).right, Place(IDC_LABEL_NEIGHBOUR).left);
  // Clear of the frame of its group box, though its text needs more.
  const RECT boxed = Place(IDC_LABEL_BOXED);
  EXPECT_LT(boxed.right, Place(IDC_LABEL_GROUP).right - 1);
  EXPECT_GT(TextWidth(IDC_LABEL_BOXED), boxed.right - boxed.left);
}

}  // namespace

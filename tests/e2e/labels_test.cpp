// The labels the program widens where the dialog's font cuts them short, at the display's DPI: one
// whose text fitted the template keeps its place, and the status line at the foot is a whole line high
// and over no other control. That every text shows whole and no two controls overlap is the layout
// test's to check, for every control.
#include <iostream>
#include <string>
#include <vector>

#include "template_copy.h"
#include "window_geometry.h"

namespace e2e {
namespace {

std::vector<HWND> ChildrenOf(HWND dialog) {
  std::vector<HWND> children;
  for (HWND c = ::GetWindow(dialog, GW_CHILD); c != nullptr; c = ::GetWindow(c, GW_HWNDNEXT)) children.push_back(c);
  return children;
}

using Labels = TemplateCopyTest;

TEST_F(Labels, OnlyTheLabelsTheFontCutsShortMove) {
  const std::vector<HWND> before = ChildrenOf(copy());
  const std::vector<HWND> after = ChildrenOf(app().dialog());
  ASSERT_EQ(before.size(), after.size());
  int labels = 0;
  for (size_t i = 0; i < after.size(); ++i) {
    // The status line is cut with an ellipsis where its text is long; it has checks of its own below.
    if (ClassName(after[i]) != "Static" || ::GetDlgCtrlID(after[i]) == kStatus) continue;
    ++labels;
    const std::string text = WindowText(after[i]);
    const SIZE need = TextSize(text, copy());
    RECT was;
    ::GetClientRect(before[i], &was);
    std::cout << "  at " << dpi() << " dpi, \"" << text << "\": text " << need.cx << " px wide, template " << was.right
              << " px\n";
    if (need.cx > was.right) continue;
    const RECT placeWas = PlaceIn(copy(), before[i]);
    const RECT placeNow = PlaceIn(app().dialog(), after[i]);
    EXPECT_TRUE(::EqualRect(&placeWas, &placeNow)) << "the label \"" << text << "\" fitted, yet it has moved";
  }
  EXPECT_EQ(labels, 4);

  // The status line: a whole line of text high, inside the dialog, over no other control, group boxes
  // included.
  const HWND status = app().Control(kStatus);
  ASSERT_NE(status, nullptr);
  const SIZE line = TextSize("Ay", copy());
  RECT statusClient;
  ::GetClientRect(status, &statusClient);
  EXPECT_LE(line.cy, statusClient.bottom) << "the status line is lower than its text";
  const RECT statusPlace = PlaceIn(app().dialog(), status);
  RECT appClient;
  ::GetClientRect(app().dialog(), &appClient);
  EXPECT_TRUE(Contains(appClient, statusPlace)) << "the status line reaches out of the dialog";
  for (HWND other : after) {
    if (other == status || !::IsWindowVisible(other)) continue;
    const RECT place = PlaceIn(app().dialog(), other);
    RECT overlap;
    EXPECT_FALSE(::IntersectRect(&overlap, &statusPlace, &place))
        << "the status line covers control " << ::GetDlgCtrlID(other);
  }

  Exit();
}

}  // namespace
}  // namespace e2e

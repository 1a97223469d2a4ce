// Every label of the dialog shows its whole text once the program has started, at the display's DPI
// (ORV_EXPECT_DPI, when set, names the one the run must have); labels that fitted keep their place.
#include <iostream>
#include <string>
#include <vector>

#include "builder_test.h"
#include "template_copy.h"
#include "window_geometry.h"

namespace e2e {
namespace {

std::vector<HWND> ChildrenOf(HWND dialog) {
  std::vector<HWND> children;
  for (HWND c = ::GetWindow(dialog, GW_CHILD); c != nullptr; c = ::GetWindow(c, GW_HWNDNEXT)) children.push_back(c);
  return children;
}

using Labels = BuilderTest;

TEST_F(Labels, EveryLabelShowsItsWholeTextAndOnlyCutOnesMove) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  int dpi = 0;
  std::string why;
  ASSERT_TRUE(ScreenDpi(&dpi, &why)) << why;
  const HWND copy = TemplateCopy();
  ASSERT_NE(copy, nullptr);
  RECT copyClient;
  RECT appClient;
  ::GetClientRect(copy, &copyClient);
  ::GetClientRect(app().dialog(), &appClient);
  ASSERT_TRUE(::EqualRect(&copyClient, &appClient)) << "the program lays its dialog out at another DPI";
  const std::vector<HWND> before = ChildrenOf(copy);
  const std::vector<HWND> after = ChildrenOf(app().dialog());
  ASSERT_EQ(before.size(), after.size());

  int labels = 0;
  for (size_t i = 0; i < after.size(); ++i) {
    // The status line is cut with an ellipsis where its text is long; it has checks of its own below.
    if (ClassName(after[i]) != "Static" || ::GetDlgCtrlID(after[i]) == kStatus) continue;
    ++labels;
    const std::string text = WindowText(after[i]);
    SCOPED_TRACE("label \"" + text + "\"");
    const SIZE need = TextSize(text, copy);
    RECT was;
    RECT now;
    ::GetClientRect(before[i], &was);
    ::GetClientRect(after[i], &now);
    std::cout << "  at " << dpi << " dpi, \"" << text << "\": text " << need.cx << " x " << need.cy << " px, template "
              << was.right << " x " << was.bottom << ", shown " << now.right << " x " << now.bottom << "\n";
    EXPECT_LE(need.cx, now.right);
    EXPECT_LE(need.cy, now.bottom);

    const RECT placeWas = PlaceIn(copy, before[i]);
    const RECT placeNow = PlaceIn(app().dialog(), after[i]);
    if (need.cx <= was.right) {
      EXPECT_TRUE(::EqualRect(&placeWas, &placeNow)) << "a label that fitted has moved";
    }
    for (size_t j = 0; j < after.size(); ++j) {
      if (j == i || IsGroupBox(after[j]) || !::IsWindowVisible(after[j])) continue;
      RECT other = PlaceIn(app().dialog(), after[j]);
      RECT overlap;
      EXPECT_FALSE(::IntersectRect(&overlap, &placeNow, &other)) << "it covers control " << ::GetDlgCtrlID(after[j]);
    }
  }

  // The status line: a whole line of text high, inside the dialog, over no other control, group boxes
  // included.
  const HWND status = app().Control(kStatus);
  ASSERT_NE(status, nullptr);
  const SIZE line = TextSize("Ay", copy);
  RECT statusClient;
  ::GetClientRect(status, &statusClient);
  EXPECT_LE(line.cy, statusClient.bottom) << "the status line is lower than its text";
  const RECT statusPlace = PlaceIn(app().dialog(), status);
  EXPECT_TRUE(Contains(appClient, statusPlace)) << "the status line reaches out of the dialog";
  for (HWND other : after) {
    if (other == status || !::IsWindowVisible(other)) continue;
    const RECT place = PlaceIn(app().dialog(), other);
    RECT overlap;
    EXPECT_FALSE(::IntersectRect(&overlap, &statusPlace, &place))
        << "the status line covers control " << ::GetDlgCtrlID(other);
  }

  ::DestroyWindow(copy);
  EXPECT_EQ(labels, 4);
  Exit();
}

}  // namespace
}  // namespace e2e

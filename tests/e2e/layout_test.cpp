// The dialog as shown, over all its controls whatever they are: each lies inside the dialog, no two
// overlap, each sits wholly inside a group box or wholly outside it, and every text of a label or a
// button is whole, at the display's DPI (ORV_EXPECT_DPI, when set, names the one the run must have).
#include <iostream>
#include <string>
#include <vector>

#include "template_copy.h"
#include "window_geometry.h"

namespace e2e {
namespace {

struct Control {
  HWND hwnd;
  RECT place;  // in the dialog's client coordinates
  std::string name;
};

std::vector<Control> VisibleControls(HWND dialog) {
  std::vector<Control> controls;
  for (HWND c = ::GetWindow(dialog, GW_CHILD); c != nullptr; c = ::GetWindow(c, GW_HWNDNEXT)) {
    if (!::IsWindowVisible(c)) continue;
    controls.push_back(
        {c, PlaceIn(dialog, c), ClassName(c) + " " + std::to_string(::GetDlgCtrlID(c)) + " \"" + WindowText(c) + "\""});
  }
  return controls;
}

bool Overlap(const RECT& a, const RECT& b) {
  RECT both;
  return ::IntersectRect(&both, &a, &b) != FALSE;
}

using Layout = TemplateCopyTest;

TEST_F(Layout, NothingOverlapsAndEveryTextIsWhole) {
  RECT client;
  ::GetClientRect(app().dialog(), &client);
  const std::vector<Control> controls = VisibleControls(app().dialog());
  ASSERT_GE(controls.size(), 16u);
  // A push button draws its text inside a frame of two edges and the focus rectangle on each side.
  const int buttonMargin = 2 * (2 * ::GetSystemMetrics(SM_CXEDGE) + 1);

  for (size_t i = 0; i < controls.size(); ++i) {
    const Control& c = controls[i];
    SCOPED_TRACE(c.name);
    EXPECT_TRUE(Contains(client, c.place)) << "it reaches outside the dialog";
    for (size_t j = i + 1; j < controls.size(); ++j) {
      const Control& d = controls[j];
      const bool cGroup = IsGroupBox(c.hwnd);
      const bool dGroup = IsGroupBox(d.hwnd);
      if (!cGroup && !dGroup) {
        EXPECT_FALSE(Overlap(c.place, d.place)) << "it overlaps " << d.name;
      } else if (Overlap(c.place, d.place)) {
        // A control in a group box lies wholly within its frame; group boxes nest or stand apart.
        const Control& outer = cGroup ? c : d;
        const Control& inner = cGroup ? d : c;
        RECT frame = outer.place;
        ::InflateRect(&frame, -2, -2);
        EXPECT_TRUE(Contains(frame, inner.place) || (cGroup && dGroup && Contains(inner.place, outer.place)))
            << inner.name << " straddles the frame of " << outer.name;
      }
    }

    const std::string kind = ClassName(c.hwnd);
    const LONG style = ::GetWindowLongW(c.hwnd, GWL_STYLE);
    // A text meant to be cut with an ellipsis where it does not fit is whole by its own rule.
    const bool ellipsis = kind == "Static" && (style & SS_ELLIPSISMASK) != 0;
    if ((kind != "Static" && kind != "Button") || IsGroupBox(c.hwnd) || ellipsis || WindowText(c.hwnd).empty())
      continue;
    const SIZE need = TextSize(WindowText(c.hwnd), copy());
    RECT inside;
    ::GetClientRect(c.hwnd, &inside);
    const int margin = kind == "Button" ? buttonMargin : 0;
    std::cout << "  at " << dpi() << " dpi, " << c.name << ": text " << need.cx << " x " << need.cy << " px in "
              << inside.right << " x " << inside.bottom << "\n";
    EXPECT_LE(need.cx + margin, inside.right) << "its text is cut";
    EXPECT_LE(need.cy, inside.bottom) << "its text is cut";
  }
  Exit();
}

}  // namespace
}  // namespace e2e

// The dialog as shown, over all its controls whatever they are, at its starting size and after the
// user has made it larger, at the display's DPI (ORV_EXPECT_DPI, when set, names the one the run must
// have): each lies inside the dialog, no two overlap, each sits wholly inside a group box or wholly
// outside it, every text of a label or a button is whole, a path of 40 characters shows whole in each
// source edit, the lists show whole rows (the Event list all six), and the status line, a whole line high,
// keeps a failed build's outcome in view. The dialog opens centred on the work area and never gets smaller than it
// started.
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "template_copy.h"
#include "window_geometry.h"
#include "x_display.h"

namespace e2e {
namespace {

// Of the length and mix of letters that sound designers give their files.
const char kFortyCharacterBegin[] = "music\\combat_theme_intro_final_mix_1.orv";
const char kFortyCharacterLoop[] = "music\\combat_theme_loop_final_mix_01.orv";

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

SIZE SizeOf(const RECT& r) { return SIZE{r.right - r.left, r.bottom - r.top}; }

class Placement : public TemplateCopyTest {
 protected:
  // Every rule of the placement, as the dialog stands now.
  void ExpectPlacementRules(const std::string& when) {
    SCOPED_TRACE(when);
    ExpectNoOverlapAndWholeTexts();
    ExpectWholePath(kBeginEdit, kFortyCharacterBegin);
    ExpectWholePath(kLoopEdit, kFortyCharacterLoop);
    ExpectWholeRows(kHandledList, 1);
    ExpectWholeRows(kEventList, 6);
    // The outcome of a failed build comes before its text, which the line may cut.
    const SIZE outcome = TextSize("00:00:00  out.orv was left as it was.", copy());
    RECT status;
    ::GetClientRect(app().Control(kStatus), &status);
    EXPECT_LE(outcome.cx, status.right) << "the status line cuts a failed build's outcome";
  }

  void ExpectNoOverlapAndWholeTexts() {
    RECT client;
    ::GetClientRect(app().dialog(), &client);
    const std::vector<Control> controls = VisibleControls(app().dialog());
    ASSERT_GE(controls.size(), 19u);
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
      // A text meant to be cut with an ellipsis where it does not fit (the status line) need only be a
      // whole line high.
      const bool ellipsis = kind == "Static" && (style & SS_ELLIPSISMASK) != 0;
      if ((kind != "Static" && kind != "Button") || IsGroupBox(c.hwnd) || WindowText(c.hwnd).empty()) continue;
      const SIZE need = TextSize(WindowText(c.hwnd), copy());
      RECT inside;
      ::GetClientRect(c.hwnd, &inside);
      const int margin = kind == "Button" ? buttonMargin : 0;
      std::cout << "  at " << dpi() << " dpi, " << c.name << ": text " << need.cx << " x " << need.cy << " px in "
                << inside.right << " x " << inside.bottom << "\n";
      if (!ellipsis) {
        EXPECT_LE(need.cx + margin, inside.right) << "its text is cut";
      }
      EXPECT_LE(need.cy, inside.bottom) << "its text is cut";
    }
    // The event names, in their list beside its scroll bar.
    RECT events;
    ::GetClientRect(app().Control(kEventList), &events);
    for (const std::string& name : app().ListItems(kEventList))
      EXPECT_LE(TextSize(name, copy()).cx, events.right) << "\"" << name << "\" is cut in the Event list";
  }

  // The path, put in the edit, shows whole: taking the caret to its end scrolls nothing, and its last
  // character ends inside the edit.
  void ExpectWholePath(int id, const std::string& path) {
    ASSERT_EQ(path.size(), 40u);
    app().SetText(id, path);
    const HWND edit = app().Control(id);
    const auto xOfFirst = [&] { return static_cast<short>(LOWORD(::SendMessageW(edit, EM_POSFROMCHAR, 0, 0))); };
    const short before = xOfFirst();
    ::SendMessageW(edit, EM_SETSEL, path.size(), static_cast<LPARAM>(path.size()));
    ::SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    EXPECT_EQ(xOfFirst(), before) << "the edit scrolled to show the end of " << path;
    RECT inside;
    ::GetClientRect(edit, &inside);
    const SIZE need = TextSize(path, copy());
    std::cout << "  at " << dpi() << " dpi, edit " << id << ": a path of 40 characters " << need.cx << " px from "
              << before << " in " << inside.right << "\n";
    EXPECT_LE(before + need.cx, inside.right) << path << " is cut in edit " << id;
    ::SendMessageW(edit, EM_SETSEL, 0, 0);
    ::SendMessageW(edit, EM_SCROLLCARET, 0, 0);
  }

  // The list shows whole rows, at least `rows` of them.
  void ExpectWholeRows(int list, int rows) {
    const HWND hwnd = app().Control(list);
    RECT inside;
    ::GetClientRect(hwnd, &inside);
    const int row = static_cast<int>(::SendMessageW(hwnd, LB_GETITEMHEIGHT, 0, 0));
    ASSERT_GT(row, 0);
    std::cout << "  at " << dpi() << " dpi, list " << list << ": " << inside.bottom << " px of rows of " << row << "\n";
    EXPECT_EQ(inside.bottom % row, 0) << "list " << list << " shows part of a row";
    EXPECT_GE(inside.bottom / row, rows) << "list " << list << " shows fewer than " << rows << " rows";
  }

  // The client area that the X server shows is the dialog's, size for size.
  void ExpectShownWhole(const std::string& when) {
    RECT shown;
    RECT frame;
    std::string why;
    ASSERT_TRUE(PlaceOnScreen(app().dialog(), &shown, &frame, &why)) << why;
    RECT client;
    ::GetClientRect(app().dialog(), &client);
    EXPECT_EQ(SizeOf(shown).cx, client.right) << when << ": shown " << Describe(shown);
    EXPECT_EQ(SizeOf(shown).cy, client.bottom) << when << ": shown " << Describe(shown);
  }

  // The window manager's frame about the same client area, whose edges may differ from the ones the
  // program counts (`window`): centred to within that difference.
  void ExpectFrameCentred(const RECT& work, const RECT& window) {
    std::string err;
    ASSERT_TRUE(WaitForWindowManager(&err)) << err;
    RECT shown;
    RECT frame;
    ASSERT_TRUE(PlaceOnScreen(app().dialog(), &shown, &frame, &err)) << err;
    std::cout << "  the window manager's frame " << Describe(frame) << "\n";
    // How much wider each side of the window manager's frame is than the program's, left and right,
    // top and bottom; the frame may stand off centre by half their difference.
    const long left = (shown.left - frame.left) - (shown.left - window.left);
    const long right = (frame.right - shown.right) - (window.right - shown.right);
    const long top = (shown.top - frame.top) - (shown.top - window.top);
    const long bottom = (frame.bottom - shown.bottom) - (window.bottom - shown.bottom);
    const long offX = (frame.left - work.left) - (work.right - frame.right);
    const long offY = (frame.top - work.top) - (work.bottom - frame.bottom);
    EXPECT_LE(std::abs(offX), std::abs(left - right) + 1) << Describe(frame);
    EXPECT_LE(std::abs(offY), std::abs(top - bottom) + 1) << Describe(frame);
  }

  RECT WindowRect() {
    RECT r;
    ::GetWindowRect(app().dialog(), &r);
    return r;
  }
};

TEST_F(Placement, AtTheStartingSizeNothingOverlapsAndEveryTextAndPathIsWhole) {
  ExpectPlacementRules("at the starting size");
  Exit();
}

TEST_F(Placement, FollowsItsFrameDraggedLargerAndKeepsItsStartingSizeAtLeast) {
  if (!UnderWine()) GTEST_SKIP() << "a drag of the frame needs Wine's X display";
  const std::string missing = XToolsMissing();
  ASSERT_TRUE(missing.empty()) << missing;
  std::string err;
  ASSERT_TRUE(WaitForWindowManager(&err)) << err;
  const SIZE start = SizeOf(WindowRect());
  RECT startClient;
  ::GetClientRect(app().dialog(), &startClient);

  // The window manager's frame, dragged by its bottom right corner.
  RECT shown;
  RECT frame;
  ASSERT_TRUE(PlaceOnScreen(app().dialog(), &shown, &frame, &err)) << err;
  const POINT corner = {frame.right - 2, frame.bottom - 2};
  ASSERT_TRUE(DragFrom(corner, {corner.x + 160, corner.y + 120}, &err)) << err;
  ASSERT_TRUE(WaitForWindowManager(&err)) << err;
  EXPECT_TRUE(WaitUntil([&] { return SizeOf(WindowRect()).cx >= start.cx + 150; }))
      << "the drag did not widen the dialog: " << Describe(WindowRect());
  EXPECT_GE(SizeOf(WindowRect()).cy, start.cy + 110) << "the drag did not make the dialog taller";
  app().Settle();
  ExpectShownWhole("dragged larger");
  ExpectPlacementRules("dragged larger");

  // Asked for less than its starting size, through the window manager, it keeps that size, and the
  // window manager shows it so.
  ASSERT_TRUE(RequestClientSize(app().dialog(), startClient.right / 2, startClient.bottom / 2, &err)) << err;
  ASSERT_TRUE(WaitForWindowManager(&err)) << err;
  app().Settle();
  EXPECT_TRUE(WaitUntil([&] {
    const SIZE now = SizeOf(WindowRect());
    return now.cx == start.cx && now.cy == start.cy;
  })) << "not back at its starting size: "
      << Describe(WindowRect());
  EXPECT_TRUE(WaitUntil([&] {
    RECT nowShown;
    RECT nowFrame;
    std::string why;
    return PlaceOnScreen(app().dialog(), &nowShown, &nowFrame, &why) && SizeOf(nowShown).cx == startClient.right &&
           SizeOf(nowShown).cy == startClient.bottom;
  })) << "the window manager does not show it at its starting size";
  ExpectPlacementRules("asked to be smaller than at start");
  Exit();
}

TEST_F(Placement, OpensCentredOnTheWorkArea) {
  const RECT work = WorkArea();
  const RECT window = WindowRect();
  std::cout << "  window " << Describe(window) << " on the work area " << Describe(work) << "\n";
  EXPECT_LE(std::abs((window.left - work.left) - (work.right - window.right)), 1) << Describe(window);
  EXPECT_LE(std::abs((window.top - work.top) - (work.bottom - window.bottom)), 1) << Describe(window);

  // Where the window manager shows it.
  if (UnderWine()) ExpectFrameCentred(work, window);
  Exit();
}

}  // namespace
}  // namespace e2e

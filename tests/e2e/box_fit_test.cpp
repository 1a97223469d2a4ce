// Every box the program shows lies within the screen's work area with its whole text in view, however
// long a word of it is (a path of 199 bytes has no space to wrap at), at the display's DPI; the text
// itself is the program's own, unchanged.
#include <iostream>
#include <string>
#include <vector>

#include "builder_test.h"
#include "message_box_view.h"
#include "window_geometry.h"

namespace e2e {
namespace {

using BoxFit = BuilderTest;

// The box the last click opened, with this caption and text: on the work area, its text whole and
// clear of the buttons, which lie inside the box. Dismissed afterwards.
void ExpectFittedBox(BuilderProcess& app, const char* caption, const std::string& text) {
  const HWND box = app.WaitForMessageBox(caption);
  ASSERT_NE(box, nullptr) << "no \"" << caption << "\" box appeared";
  EXPECT_EQ(ReadMessageBox(box).text, text);
  RECT frame;
  ::GetWindowRect(box, &frame);
  const RECT work = WorkArea();
  std::cout << "  \"" << caption << "\" box: " << frame.right - frame.left << " x " << frame.bottom - frame.top
            << " px, work area " << work.right - work.left << " x " << work.bottom - work.top << "\n";
  EXPECT_TRUE(Contains(work, frame)) << "the box reaches out of the work area";

  const HWND label = ::GetDlgItem(box, kMessageTextId);
  ASSERT_NE(label, nullptr);
  RECT client;
  ::GetClientRect(box, &client);
  const RECT textPlace = PlaceIn(box, label);
  EXPECT_TRUE(Contains(client, textPlace)) << "the text lies partly outside the box";
  RECT shown;
  ::GetClientRect(label, &shown);
  const RECT need = MessageTextNeeds(box);
  std::cout << "  its text needs " << need.right << " x " << need.bottom << " px, has " << shown.right << " x "
            << shown.bottom << "\n";
  EXPECT_LE(need.right, shown.right) << "a line of the text is wider than its place";
  EXPECT_LE(need.bottom, shown.bottom) << "the text has more lines than its place shows";
  for (HWND c = ::GetWindow(box, GW_CHILD); c != nullptr; c = ::GetWindow(c, GW_HWNDNEXT)) {
    if (!::IsWindowVisible(c) || ClassName(c) != "Button") continue;
    const RECT button = PlaceIn(box, c);
    RECT overlap;
    EXPECT_TRUE(Contains(client, button)) << "the button \"" << WindowText(c) << "\" lies partly outside the box";
    EXPECT_FALSE(::IntersectRect(&overlap, &button, &textPlace)) << "the button covers the text";
  }

  // Handed back a frame as wide as before it was fitted, as the window system now and then does while
  // the box is first shown, it keeps the fitted one.
  ::SetWindowPos(box, nullptr, frame.left - 500, frame.top, frame.right - frame.left + 1000, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  DWORD_PTR ignored = 0;
  ::SendMessageTimeoutW(box, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &ignored);
  RECT after;
  ::GetWindowRect(box, &after);
  EXPECT_TRUE(::EqualRect(&after, &frame)) << "the box took a stale frame";
  ASSERT_TRUE(app.DismissMessageBox(box));
}

TEST_F(BoxFit, TheBuildsErrorBoxForTheLongestPath) {
  const std::string path = std::string(195, 'w') + ".orv";
  ASSERT_EQ(path.size(), 199u);
  ASSERT_NO_FATAL_FAILURE(Launch());
  Add(kCruising, path, "cruising_loop.orv");
  ExpectNoMessageBox();
  app().Click(kBuild);
  ExpectFittedBox(app(), kErrorCaption, "Error opening \"" + path + "\", aborting.");
  Exit();
}

TEST_F(BoxFit, TheProgramsLongestBox) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  app().SetText(kBeginEdit, std::string(200, 'p'));
  app().Click(kAdd);
  ExpectFittedBox(app(), kProgramCaption,
                  "The Begin ORV path is longer than 199 bytes, more than a build can take (an accented or "
                  "non-Latin character takes two to four). Please use a shorter path.");
  Exit();
}

}  // namespace
}  // namespace e2e

#include "platform/pending_input.h"

#include <gtest/gtest.h>

#include <vector>

#include "control_host.h"

namespace {

// What is left for the thread, in order, with nothing handled.
std::vector<UINT> TakeQueue() {
  std::vector<UINT> left;
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) left.push_back(msg.message);
  return left;
}

TEST(PendingInputTest, MouseAndKeysGoEverythingElseStaysInOrder) {
  ControlHost host;
  ASSERT_NE(host.hwnd(), nullptr);
  TakeQueue();  // what making the window queued

  const UINT input[] = {WM_KEYDOWN,     WM_CHAR,          WM_SYSKEYDOWN,    WM_SYSCHAR,        WM_KEYUP,
                        WM_LBUTTONDOWN, WM_LBUTTONUP,     WM_RBUTTONDBLCLK, WM_MOUSEMOVE,      WM_MOUSEWHEEL,
                        WM_MOUSEHWHEEL, WM_NCLBUTTONDOWN, WM_NCMOUSEMOVE,   WM_NCXBUTTONDBLCLK};
  const std::vector<UINT> others = {WM_COMMAND, WM_USER + 1, WM_SYSCOMMAND, WM_APP};
  size_t next = 0;
  for (UINT message : input) {
    ASSERT_TRUE(::PostMessageA(host.hwnd(), message, 0, 0));
    if (next < others.size()) {
      ASSERT_TRUE(::PostMessageA(host.hwnd(), others[next++], 0, 0));
    }
  }

  DiscardPendingInput();
  EXPECT_EQ(TakeQueue(), others);
}

}  // namespace

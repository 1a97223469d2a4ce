#include "platform/pending_input.h"

#include <windows.h>

namespace {

const UINT kInputRanges[][2] = {
    {WM_KEYFIRST, WM_KEYLAST},
    {WM_MOUSEFIRST, WM_MOUSELAST},
    {WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK},
};

bool IsInput(UINT message) {
  for (const auto& range : kInputRanges)
    if (message >= range[0] && message <= range[1]) return true;
  return false;
}

}  // namespace

void DiscardPendingInput() {
  // Peeking also takes in what the display has delivered and not yet queued, so input given up to
  // now goes too; the loop ends once the queue holds none.
  MSG msg;
  for (const auto& range : kInputRanges)
    while (::PeekMessageA(&msg, nullptr, range[0], range[1], PM_REMOVE)) {
    }
}

void HandleAllButInput(unsigned waitMs) {
  ::MsgWaitForMultipleObjects(0, nullptr, FALSE, waitMs, QS_ALLINPUT);
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (IsInput(msg.message)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

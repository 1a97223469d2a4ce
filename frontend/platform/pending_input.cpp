#include "platform/pending_input.h"

#include <windows.h>

void DiscardPendingInput() {
  static const UINT kInputRanges[][2] = {
      {WM_KEYFIRST, WM_KEYLAST},
      {WM_MOUSEFIRST, WM_MOUSELAST},
      {WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK},
  };
  // Peeking also takes in what the display has delivered and not yet queued, so input given up to
  // now goes too; the loop ends once the queue holds none.
  MSG msg;
  for (const auto& range : kInputRanges)
    while (::PeekMessageA(&msg, nullptr, range[0], range[1], PM_REMOVE)) {
    }
}

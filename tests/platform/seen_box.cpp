#include "seen_box.h"

#include "window_text.h"

namespace {

struct Watch {
  const char* caption;
  const std::function<void(HWND)>* look;
  UINT_PTR timer;
  bool seen;
};
// One box is watched at a time; the timer's callback takes no argument of the test's.
Watch* g_watch = nullptr;

void CALLBACK LookAndClose(HWND, UINT, UINT_PTR, DWORD) {
  Watch* watch = g_watch;
  const HWND box = ::FindWindowA(kDialogClass, watch->caption);
  if (box == nullptr || !::IsWindowVisible(box)) return;  // not up yet
  ::KillTimer(nullptr, watch->timer);
  watch->seen = true;
  (*watch->look)(box);
  ::PostMessageA(box, WM_COMMAND, IDOK, 0);
}

}  // namespace

bool SeeBox(const char* caption, const std::function<void()>& show, const std::function<void(HWND box)>& look) {
  Watch watch = {caption, &look, 0, false};
  g_watch = &watch;
  watch.timer = ::SetTimer(nullptr, 0, 50, &LookAndClose);
  show();
  ::KillTimer(nullptr, watch.timer);
  g_watch = nullptr;
  return watch.seen;
}

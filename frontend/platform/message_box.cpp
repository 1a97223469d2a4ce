#include "platform/message_box.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/text_extent.h"
#include "platform/window_subclass.h"
#include "platform/wnd.h"

namespace {

// The text control of a box, as MessageBox makes it.
constexpr int kMessageTextId = 0xFFFF;
const wchar_t kOriginalProc[] = L"ORVBuilder.BoxProc";
// Where the box was fitted, as a RECT of the program's own, until the box goes.
const wchar_t kFittedFrame[] = L"ORVBuilder.BoxFrame";

// The box a call is showing: the first dialog made on this thread while the call's hook is in place.
struct Fitting {
  HHOOK hook = nullptr;
  HWND box = nullptr;
};
// One thread shows boxes; a box shown from inside another's loop takes the pointer and gives it back.
Fitting* g_fitting = nullptr;

// Narrows the text to the width the box may have, lets it break long words and grows it downwards as
// far as the lines need. What stands below the text (the buttons) moves down by as much, and keeps
// its place across the box: centred, or as near its edge as it was. Returns how the box's client area
// must change.
SIZE WrapText(HWND box, HWND label, LONG narrowBy) {
  const RECT text = PlaceIn(box, label);
  const LONG width = text.right - text.left - narrowBy;
  if (width <= 0) return SIZE{0, 0};
  ::SetWindowLongW(label, GWL_STYLE, ::GetWindowLongW(label, GWL_STYLE) | SS_EDITCONTROL);
  // Broken as the label now draws it, long words the way an edit control breaks them.
  const LONG height = MeasureControlText(label, DT_WORDBREAK | DT_EDITCONTROL | DT_EXPANDTABS | DT_LEFT, width).size.cy;

  // The foot of the box's content is the lowest of the text and what stands beside it (the icon).
  LONG footBefore = text.bottom;
  LONG footAfter = text.top + height;
  std::vector<HWND> below;
  LONG belowLeft = LONG_MAX;
  LONG belowRight = LONG_MIN;
  for (HWND c = ::GetWindow(box, GW_CHILD); c != nullptr; c = ::GetWindow(c, GW_HWNDNEXT)) {
    if (c == label) continue;
    const RECT place = PlaceIn(box, c);
    if (place.top >= text.bottom) {
      below.push_back(c);
      belowLeft = std::min(belowLeft, place.left);
      belowRight = std::max(belowRight, place.right);
    } else {
      footBefore = std::max(footBefore, place.bottom);
      footAfter = std::max(footAfter, place.bottom);
    }
  }
  const SIZE change = {-narrowBy, std::max(footAfter - footBefore, 0L)};
  ::SetWindowPos(label, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

  RECT client;
  ::GetClientRect(box, &client);
  const LONG leftGap = belowLeft;
  const LONG rightGap = client.right - belowRight;
  LONG across = 0;
  // Centred as the system centres, give or take a frame's width.
  if (std::abs(leftGap - rightGap) <= client.right / 10)
    across = change.cx / 2;
  else if (rightGap < leftGap)
    across = change.cx;
  for (HWND c : below) {
    const RECT place = PlaceIn(box, c);
    ::SetWindowPos(c, nullptr, place.left + across, place.top + change.cy, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return change;
}

void FitToWorkArea(HWND box) {
  const RECT work = WorkAreaOf(box);
  RECT frame;
  ::GetWindowRect(box, &frame);
  // Lines any longer are hard to follow, and the box stays clear of the screen's edges.
  const LONG widest = (work.right - work.left) * 3 / 4;
  SIZE change = {0, 0};
  const HWND label = ::GetDlgItem(box, kMessageTextId);
  if (label != nullptr && frame.right - frame.left > widest)
    change = WrapText(box, label, frame.right - frame.left - widest);

  const LONG width = std::min(frame.right - frame.left + change.cx, work.right - work.left);
  const LONG height = std::min(frame.bottom - frame.top + change.cy, work.bottom - work.top);
  // Centred where the system put it, then moved onto the work area.
  LONG left = (frame.left + frame.right - width) / 2;
  LONG top = (frame.top + frame.bottom - height) / 2;
  left = std::max(work.left, std::min(left, work.right - width));
  top = std::max(work.top, std::min(top, work.bottom - height));
  ::SetWindowPos(box, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  ::SetPropW(box, kFittedFrame, new RECT{left, top, left + width, top + height});
}

// Now and then, as the box is first shown, the window system hands it back the frame it had before it
// was fitted (seen under Wine with a window manager: a box wider than the screen). Nothing else resizes
// a box, which has no sizing border, so a new size is always that stale one: the fitted frame stands.
// Moves alone, as when the user drags the box by its caption, go through.
void KeepFittedFrame(HWND box, WINDOWPOS* pos) {
  const RECT* fitted = static_cast<const RECT*>(::GetPropW(box, kFittedFrame));
  if (fitted == nullptr || (pos->flags & SWP_NOSIZE) != 0) return;
  if (pos->cx == fitted->right - fitted->left && pos->cy == fitted->bottom - fitted->top) return;
  pos->x = fitted->left;
  pos->y = fitted->top;
  pos->cx = fitted->right - fitted->left;
  pos->cy = fitted->bottom - fitted->top;
  pos->flags &= ~static_cast<UINT>(SWP_NOMOVE);
}

LRESULT CALLBACK BoxProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_WINDOWPOSCHANGING) KeepFittedFrame(hwnd, reinterpret_cast<WINDOWPOS*>(lparam));
  if (message == WM_NCDESTROY) delete static_cast<RECT*>(::RemovePropW(hwnd, kFittedFrame));
  const LRESULT result = CallOwnProc(hwnd, kOriginalProc, message, wparam, lparam);
  // The system has laid the box out for its text by now, and shows it only afterwards.
  if (message == WM_INITDIALOG) FitToWorkArea(hwnd);
  return result;
}

LRESULT CALLBACK WatchCreation(int code, WPARAM wparam, LPARAM lparam) {
  Fitting* fitting = g_fitting;
  if (code == HCBT_CREATEWND && fitting != nullptr && fitting->box == nullptr) {
    const HWND hwnd = reinterpret_cast<HWND>(wparam);
    wchar_t name[16] = {};
    ::GetClassNameW(hwnd, name, 16);
    if (std::wstring(name) == L"#32770") {
      fitting->box = hwnd;
      PutProcInFront(hwnd, kOriginalProc, &BoxProc);
    }
  }
  return ::CallNextHookEx(nullptr, code, wparam, lparam);
}

}  // namespace

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT type) {
  Fitting fitting;
  Fitting* outer = g_fitting;
  g_fitting = &fitting;
  fitting.hook = ::SetWindowsHookExW(WH_CBT, &WatchCreation, nullptr, ::GetCurrentThreadId());
  const int result = ::MessageBoxA(owner, text != nullptr ? text : "", caption, type);
  if (fitting.hook != nullptr) ::UnhookWindowsHookEx(fitting.hook);
  g_fitting = outer;
  return result;
}

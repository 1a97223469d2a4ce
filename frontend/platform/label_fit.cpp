#include "platform/label_fit.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct Child {
  HWND hwnd;
  RECT place;  // in the dialog's client coordinates
  enum Kind { kLabel, kGroupBox, kOther } kind;
};

bool ClassIs(HWND hwnd, const wchar_t* name) {
  wchar_t cls[32] = {};
  ::GetClassNameW(hwnd, cls, 32);
  return ::CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, cls, -1, name, -1) == CSTR_EQUAL;
}

Child::Kind KindOf(HWND hwnd) {
  const LONG style = ::GetWindowLongW(hwnd, GWL_STYLE);
  if (ClassIs(hwnd, L"Button")) return (style & BS_TYPEMASK) == BS_GROUPBOX ? Child::kGroupBox : Child::kOther;
  if (!ClassIs(hwnd, L"Static")) return Child::kOther;
  // Only texts that start at the left edge stay where they are when the control grows to the right.
  switch (style & SS_TYPEMASK) {
    case SS_LEFT:
    case SS_LEFTNOWORDWRAP:
    case SS_SIMPLE:
      return Child::kLabel;
    default:
      return Child::kOther;
  }
}

std::vector<Child> ChildrenOf(HWND dialog) {
  std::vector<Child> children;
  for (HWND c = ::GetWindow(dialog, GW_CHILD); c != nullptr; c = ::GetWindow(c, GW_HWNDNEXT)) {
    RECT r;
    ::GetWindowRect(c, &r);
    ::MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&r), 2);
    children.push_back({c, r, KindOf(c)});
  }
  return children;
}

// The width the label draws its text at, in its own font, the way the static control draws it; 0 for a
// label meant to wrap (taller than one line) or with no text.
int OneLineTextWidth(HWND label) {
  const int length = ::GetWindowTextLengthW(label);
  if (length <= 0) return 0;
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(label, &text[0], length + 1)));

  HDC dc = ::GetDC(label);
  if (dc == nullptr) return 0;
  HFONT font = reinterpret_cast<HFONT>(::SendMessageW(label, WM_GETFONT, 0, 0));
  HGDIOBJ previous = font != nullptr ? ::SelectObject(dc, font) : nullptr;
  const LONG style = ::GetWindowLongW(label, GWL_STYLE);
  UINT format = DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS | DT_LEFT;
  if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
  RECT need = {0, 0, 0, 0};
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &need, format);
  TEXTMETRICW metrics = {};
  ::GetTextMetricsW(dc, &metrics);
  if (previous != nullptr) ::SelectObject(dc, previous);
  ::ReleaseDC(label, dc);

  RECT client;
  ::GetClientRect(label, &client);
  if (client.bottom >= 2 * metrics.tmHeight) return 0;
  return need.right - need.left;
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
         inner.bottom <= outer.bottom;
}

// How far right the label may reach: the nearest control beside it, the frame of a group box holding
// it, the dialog's edge.
LONG RightLimit(const Child& label, const std::vector<Child>& children, LONG clientRight) {
  // A group box's etched frame is an edge wide; the text keeps as much again clear of it.
  const LONG frame = 2 * ::GetSystemMetrics(SM_CXEDGE);
  LONG limit = clientRight;
  for (const Child& other : children) {
    if (other.hwnd == label.hwnd) continue;
    const RECT& o = other.place;
    if (other.kind == Child::kGroupBox && Inside(label.place, o)) {
      limit = std::min(limit, o.right - frame);
      continue;
    }
    const bool beside = o.top < label.place.bottom && o.bottom > label.place.top;
    // A control that already overlaps the label is the template's doing; it does not stop the label.
    if (beside && o.left >= label.place.right) limit = std::min(limit, o.left);
  }
  return limit;
}

}  // namespace

void FitLabelsToText(const CWnd& dialog) {
  const HWND hwnd = dialog.GetSafeHwnd();
  assert(::IsWindow(hwnd));
  RECT client;
  ::GetClientRect(hwnd, &client);
  std::vector<Child> children = ChildrenOf(hwnd);
  for (Child& label : children) {
    if (label.kind != Child::kLabel) continue;
    const int need = OneLineTextWidth(label.hwnd);
    RECT inner;
    ::GetClientRect(label.hwnd, &inner);
    if (need <= inner.right) continue;
    // Grown by what the text lacks, so a border, if any, stays as wide as it was.
    const LONG wanted = label.place.right + (need - inner.right);
    const LONG right = std::min(wanted, RightLimit(label, children, client.right));
    if (right <= label.place.right) continue;
    ::SetWindowPos(label.hwnd, nullptr, 0, 0, right - label.place.left, label.place.bottom - label.place.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    label.place.right = right;
  }
}

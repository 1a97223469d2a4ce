#include "platform/dialog_children.h"

namespace {

bool ClassIs(HWND hwnd, const wchar_t* name) {
  wchar_t cls[32] = {};
  ::GetClassNameW(hwnd, cls, 32);
  return ::CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, cls, -1, name, -1) == CSTR_EQUAL;
}

DialogChild::Kind KindOf(HWND hwnd) {
  const LONG style = ::GetWindowLongW(hwnd, GWL_STYLE);
  if (ClassIs(hwnd, L"ListBox")) return DialogChild::kList;
  if (ClassIs(hwnd, L"Button"))
    return (style & BS_TYPEMASK) == BS_GROUPBOX ? DialogChild::kGroupBox : DialogChild::kOther;
  if (!ClassIs(hwnd, L"Static")) return DialogChild::kOther;
  switch (style & SS_TYPEMASK) {
    case SS_LEFT:
    case SS_LEFTNOWORDWRAP:
    case SS_SIMPLE:
      return DialogChild::kLabel;
    default:
      return DialogChild::kOther;
  }
}

}  // namespace

std::vector<DialogChild> DialogChildren(const CWnd& dialog) {
  const HWND parent = dialog.GetSafeHwnd();
  assert(::IsWindow(parent));
  std::vector<DialogChild> children;
  for (HWND c = ::GetWindow(parent, GW_CHILD); c != nullptr; c = ::GetWindow(c, GW_HWNDNEXT)) {
    const RECT r = PlaceIn(parent, c);
    DialogChild child = {c, ::GetDlgCtrlID(c), {r.left, r.top, r.right, r.bottom}, KindOf(c), 0, 0};
    if (child.kind == DialogChild::kList) {
      RECT client;
      ::GetClientRect(c, &client);
      child.rowHeight = static_cast<int>(::SendMessageW(c, LB_GETITEMHEIGHT, 0, 0));
      child.frameHeight = (child.place.bottom - child.place.top) - client.bottom;
    }
    children.push_back(child);
  }
  return children;
}

void PlaceChildren(const CWnd& dialog, const std::vector<DialogChild>& children, const std::vector<Rect>& places) {
  assert(children.size() == places.size());
  HDWP batch = ::BeginDeferWindowPos(static_cast<int>(children.size()));
  for (size_t i = 0; i < children.size() && batch != nullptr; ++i) {
    const Rect& r = places[i];
    batch = ::DeferWindowPos(batch, children[i].hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                             SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (batch != nullptr) ::EndDeferWindowPos(batch);
  ::RedrawWindow(dialog.GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

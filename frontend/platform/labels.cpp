#include "platform/labels.h"

#include <algorithm>
#include <vector>

#include "platform/dialog_children.h"
#include "platform/text_extent.h"

namespace {

// The width the label draws its text at, the way the static control draws it; 0 for a label meant to
// wrap (taller than one line).
LONG OneLineTextWidth(HWND label) {
  const TextExtent text = MeasureControlText(label, DT_SINGLELINE | DT_EXPANDTABS | DT_LEFT);
  RECT client;
  ::GetClientRect(label, &client);
  if (client.bottom >= 2 * text.lineHeight) return 0;
  return text.size.cx;
}

// How far right the label may reach: the nearest control beside it, the frame of a group box holding
// it, the dialog's edge.
LONG RightLimit(const DialogChild& label, const std::vector<DialogChild>& children, LONG clientRight) {
  // A group box's etched frame is an edge wide; the text keeps as much again clear of it.
  const LONG frame = 2 * ::GetSystemMetrics(SM_CXEDGE);
  LONG limit = clientRight;
  for (const DialogChild& other : children) {
    if (other.hwnd == label.hwnd) continue;
    const Rect& o = other.place;
    if (other.kind == DialogChild::kGroupBox && Inside(label.place, o)) {
      limit = std::min(limit, o.right - frame);
      continue;
    }
    const bool beside = o.top < label.place.bottom && o.bottom > label.place.top;
    // A control that already overlaps the label is the template's doing; it does not stop the label.
    if (beside && o.left >= label.place.right) limit = std::min<LONG>(limit, o.left);
  }
  return limit;
}

}  // namespace

void FitLabelsToText(const CWnd& dialog) {
  const HWND hwnd = dialog.GetSafeHwnd();
  assert(::IsWindow(hwnd));
  RECT client;
  ::GetClientRect(hwnd, &client);
  std::vector<DialogChild> children = DialogChildren(dialog);
  for (DialogChild& label : children) {
    if (label.kind != DialogChild::kLabel) continue;
    const LONG need = OneLineTextWidth(label.hwnd);
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

void NameListsAfterLabels(const CWnd& dialog) {
  const std::vector<DialogChild> children = DialogChildren(dialog);
  for (size_t i = 1; i < children.size(); ++i) {
    const DialogChild& list = children[i];
    const DialogChild& label = children[i - 1];
    if (list.kind != DialogChild::kList || label.kind != DialogChild::kLabel || !ControlText(list.hwnd).empty())
      continue;
    ::SetWindowTextW(list.hwnd, ControlText(label.hwnd).c_str());
  }
}

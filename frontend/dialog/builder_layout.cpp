#include "builder_layout.h"

#include "resource.h"

namespace {

Anchors AnchorsOf(int id) {
  switch (id) {
    case IDC_EVENT_LIST:
    case IDC_BEGIN_EDIT:
    case IDC_LOOP_EDIT:
      return kWidens;
    case IDC_BROWSE_BEGIN:
    case IDC_BROWSE_LOOP:
      return kKeepsRight;
    case IDC_HANDLED_LIST:
      return kGrowsDown;
    case IDC_ADD:
    case IDC_REMOVE:
    case IDC_OPEN:
    case IDC_SAVE:
      return kKeepsDown;
    case IDC_BUILD:
    case IDOK:
      return kKeepsDownRight;
    case IDC_STATUS:
      return kWidensAtFoot;
    default:  // the labels, each beside or above what it names
      return kStays;
  }
}

Extent ClientExtent(const CWnd& dialog) {
  RECT client;
  dialog.GetClientRect(&client);
  return {client.right, client.bottom};
}

}  // namespace

void BuilderLayout::Start(const CWnd& dialog) {
  children_ = DialogChildren(dialog);
  layout_ = std::make_unique<AnchorLayout>(ClientExtent(dialog));
  for (const DialogChild& child : children_) {
    if (child.kind == DialogChild::kGroupBox)
      layout_->AddFrame(child.place);
    else
      layout_->Add(child.place, AnchorsOf(child.id), Rows{child.frameHeight, child.rowHeight});
  }
  Follow(dialog);
  RECT frame;
  dialog.GetWindowRect(&frame);
  minimum_ = {frame.right - frame.left, frame.bottom - frame.top};
}

void BuilderLayout::Follow(const CWnd& dialog) const {
  if (!layout_) return;
  PlaceChildren(dialog, children_, layout_->PlacesAt(ClientExtent(dialog)));
}

#include "builder_placement.h"

#include <utility>

#include "resource.h"

namespace {

const std::pair<int, Anchors> kAnchors[] = {
    {IDC_EVENT_LIST, kWidens},       {IDC_BEGIN_EDIT, kWidens},      {IDC_LOOP_EDIT, kWidens},
    {IDC_BROWSE_BEGIN, kKeepsRight}, {IDC_BROWSE_LOOP, kKeepsRight}, {IDC_HANDLED_LIST, kGrowsDown},
    {IDC_ADD, kKeepsDown},           {IDC_REMOVE, kKeepsDown},       {IDC_OPEN, kKeepsDown},
    {IDC_SAVE, kKeepsDown},          {IDC_BUILD, kKeepsDownRight},   {IDOK, kKeepsDownRight},
    {IDC_STATUS, kWidensAtFoot},
};

Anchors AnchorsOf(int id) {
  for (const auto& [control, anchors] : kAnchors)
    if (control == id) return anchors;
  return kStays;  // the labels, each beside or above what it names
}

Extent ClientExtent(const CWnd& dialog) {
  RECT client;
  dialog.GetClientRect(&client);
  return {client.right, client.bottom};
}

}  // namespace

void BuilderPlacement::Start(const CWnd& dialog) {
  children_ = DialogChildren(dialog);
  placement_ = std::make_unique<AnchorPlacement>(ClientExtent(dialog));
  for (const DialogChild& child : children_) {
    if (child.kind == DialogChild::kGroupBox)
      placement_->AddFrame(child.place);
    else
      placement_->Add(child.place, AnchorsOf(child.id), Rows{child.frameHeight, child.rowHeight});
  }
  Follow(dialog);
  RECT frame;
  dialog.GetWindowRect(&frame);
  minimum_ = {frame.right - frame.left, frame.bottom - frame.top};
}

void BuilderPlacement::Follow(const CWnd& dialog) const {
  if (!placement_) return;
  PlaceChildren(dialog, children_, placement_->PlacesAt(ClientExtent(dialog)));
}

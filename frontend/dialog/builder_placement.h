// Where the builder dialog's controls go as the user resizes it: the source edits and the Event list widen, the
// Browse... buttons keep to the right edge, the Handled events list grows down, the buttons below
// the lists keep to the foot and those of the last row to its corners, and the status line widens
// along the foot. Both lists show whole rows. Never smaller than the starting size.
#ifndef ORV_FRONTEND_DIALOG_BUILDER_PLACEMENT_H_
#define ORV_FRONTEND_DIALOG_BUILDER_PLACEMENT_H_

#include <memory>
#include <vector>

#include "anchor_placement.h"
#include "platform/dialog_children.h"

class BuilderPlacement {
 public:
  // Takes the dialog's controls where they stand now as their starting places and places them once
  // (the lists to whole rows). Call it at the end of the dialog's initialisation.
  void Start(const CWnd& dialog);
  // Lays the controls out for the dialog's present size.
  void Follow(const CWnd& dialog) const;
  // The dialog's smallest size, frame included; zero before Start.
  SIZE MinimumSize() const { return minimum_; }

 private:
  std::vector<DialogChild> children_;
  std::unique_ptr<AnchorPlacement> placement_;
  SIZE minimum_ = {0, 0};
};

#endif  // ORV_FRONTEND_DIALOG_BUILDER_PLACEMENT_H_

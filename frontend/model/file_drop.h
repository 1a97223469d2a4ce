// Where the files of one drop on the dialog go: a script to open, or the source edit each one fills, or
// why the drop is refused as a whole.
#ifndef ORV_FRONTEND_MODEL_FILE_DROP_H_
#define ORV_FRONTEND_MODEL_FILE_DROP_H_

#include <string>
#include <vector>

#include "source_edit.h"

struct DropPlan {
  std::vector<SourceEdit> edits;  // edits[i]: the edit the drop's i-th file fills
  std::string refusal;            // when not empty, the drop is refused and nothing changes
};

// droppedOn: the edit the files were dropped on, kNone elsewhere on the dialog; focused: the edit that
// has the keyboard focus, kNone when neither has. One file fills the edit it was dropped on, else the
// focused one, else Begin; two fill Begin, then Loop, in the drop's order.
DropPlan PlanDrop(int fileCount, bool anyFolder, SourceEdit droppedOn, SourceEdit focused);

// True for a drop of one file named *.txt, in any case, that is no folder (anyFolder as for PlanDrop): a
// set of handlers to open, not a source.
bool IsHandlerSetDrop(const std::vector<std::string>& paths, bool anyFolder);

#endif  // ORV_FRONTEND_MODEL_FILE_DROP_H_

#include "file_drop.h"

#include "ascii_case.h"

namespace {

const char kFolderRefused[] = "A folder cannot be a source. Please drop one or two ORV files.";
const char kTooManyRefused[] = "Please drop one ORV file, or two: the first for Begin ORV, the second for Loop ORV.";

}  // namespace

DropPlan PlanDrop(int fileCount, bool anyFolder, SourceEdit droppedOn, SourceEdit focused) {
  DropPlan plan;
  if (anyFolder) {
    plan.refusal = kFolderRefused;
  } else if (fileCount > 2) {
    plan.refusal = kTooManyRefused;
  } else if (fileCount == 2) {
    // A pair is Begin and Loop wherever it lands, the edit under it included.
    plan.edits = {SourceEdit::kBegin, SourceEdit::kLoop};
  } else if (fileCount == 1) {
    SourceEdit edit = droppedOn != SourceEdit::kNone ? droppedOn : focused;
    plan.edits = {edit != SourceEdit::kNone ? edit : SourceEdit::kBegin};
  }
  return plan;
}

bool IsHandlerSetDrop(const std::vector<std::string>& paths, bool anyFolder) {
  return paths.size() == 1 && !anyFolder && paths[0].size() >= 4 &&
         EqualsIgnoringAsciiCase(paths[0].c_str() + paths[0].size() - 4, ".txt");
}

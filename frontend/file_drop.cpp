#include "file_drop.h"

namespace {

const char kFolderRefused[] = "A folder cannot be a source. Please drop one or two ORV files.";
const char kTooManyRefused[] = "Please drop one ORV file, or two: the first for Begin ORV, the second for Loop ORV.";

}  // namespace

const char* SourceLabel(SourceBox box) { return box == SourceBox::kLoop ? "Loop ORV" : "Begin ORV"; }

DropPlan PlanDrop(int fileCount, bool anyFolder, SourceBox droppedOn, SourceBox focused) {
  DropPlan plan;
  if (anyFolder) {
    plan.refusal = kFolderRefused;
  } else if (fileCount > 2) {
    plan.refusal = kTooManyRefused;
  } else if (fileCount == 2) {
    // A pair is Begin and Loop wherever it lands, the box under it included.
    plan.boxes = {SourceBox::kBegin, SourceBox::kLoop};
  } else if (fileCount == 1) {
    SourceBox box = droppedOn != SourceBox::kNone ? droppedOn : focused;
    plan.boxes = {box != SourceBox::kNone ? box : SourceBox::kBegin};
  }
  return plan;
}

bool IsHandlerSetDrop(const std::vector<std::string>& paths) {
  if (paths.size() != 1 || paths[0].size() < 4) return false;
  std::string extension = paths[0].substr(paths[0].size() - 4);
  for (char& c : extension)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return extension == ".txt";
}

#include "source_boxes.h"

#include <algorithm>

#include "file_drop.h"
#include "picked_path.h"
#include "platform/dropped_files.h"
#include "platform/edit.h"
#include "platform/file_dialog.h"
#include "platform/file_names.h"
#include "resource.h"

namespace {

int EditId(SourceBox box) { return box == SourceBox::kLoop ? IDC_LOOP_EDIT : IDC_BEGIN_EDIT; }

SourceBox BoxOf(const CWnd& dialog, const CWnd& window) {
  const HWND hwnd = window.GetSafeHwnd();
  if (hwnd == nullptr) return SourceBox::kNone;
  if (hwnd == dialog.GetDlgItem(IDC_BEGIN_EDIT).GetSafeHwnd()) return SourceBox::kBegin;
  if (hwnd == dialog.GetDlgItem(IDC_LOOP_EDIT).GetSafeHwnd()) return SourceBox::kLoop;
  return SourceBox::kNone;
}

WindowsName NameOf(const std::string& fullPath) { return WindowsName{fullPath, ShortPathName(fullPath)}; }

// What the box takes for the file; false, having said why, when it takes nothing.
bool BoxPathFor(const CWnd& dialog, SourceBox box, const std::string& file, std::string* path) {
  const BoxPath chosen = PathForBox(SourceLabel(box), NameOf(file), NameOf(CurrentFolder()));
  if (!chosen.problem.empty()) {
    dialog.MessageBoxA(chosen.problem.c_str());
    return false;
  }
  *path = chosen.path;
  return true;
}

}  // namespace

std::string SourceBoxText(const CWnd& dialog, SourceBox box) {
  char text[500] = {};
  const int length = CEdit(dialog.GetDlgItem(EditId(box))).GetLine(0, text, 499);
  return std::string(text, static_cast<size_t>(length));
}

void AcceptSourceDrops(const CWnd& dialog) {
  AcceptDroppedFiles(dialog);
  AcceptDroppedFilesForParent(dialog.GetDlgItem(IDC_BEGIN_EDIT));
  AcceptDroppedFilesForParent(dialog.GetDlgItem(IDC_LOOP_EDIT));
}

void BrowseForSource(const CWnd& dialog, SourceBox box) {
  const CFileDialog open(CFileDialog::kOpen, std::string(SourceLabel(box)) + " source",
                         {{"ORV files (*.orv)", "*.orv"}, {"All files (*.*)", "*.*"}});
  const std::string inBox = SourceBoxText(dialog, box);
  std::string file;
  if (!open.DoModal(dialog, ExistingFolderOf(inBox), std::string(), &file)) return;
  std::string path;
  if (BoxPathFor(dialog, box, file, &path)) dialog.GetDlgItem(EditId(box)).SetWindowTextA(path.c_str());
}

void FillFromDrop(const CWnd& dialog, const CWnd& droppedOn, const std::vector<std::string>& paths, bool anyFolder) {
  const DropPlan plan =
      PlanDrop(static_cast<int>(paths.size()), anyFolder, BoxOf(dialog, droppedOn), BoxOf(dialog, CWnd::GetFocus()));
  if (!plan.refusal.empty()) {
    dialog.MessageBoxA(plan.refusal.c_str());
    return;
  }
  // Every file is settled before any box changes: a drop fills its boxes whole or not at all.
  std::vector<std::string> texts(plan.boxes.size());
  for (size_t i = 0; i < plan.boxes.size(); ++i)
    if (!BoxPathFor(dialog, plan.boxes[i], paths[i], &texts[i])) return;
  for (size_t i = 0; i < plan.boxes.size(); ++i)
    dialog.GetDlgItem(EditId(plan.boxes[i])).SetWindowTextA(texts[i].c_str());
}

bool AnyFolder(const std::vector<std::string>& paths) { return std::any_of(paths.begin(), paths.end(), IsFolder); }

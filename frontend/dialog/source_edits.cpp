#include "source_edits.h"

#include "file_drop.h"
#include "picked_path.h"
#include "platform/dropped_files.h"
#include "platform/edit.h"
#include "platform/file_dialog.h"
#include "platform/file_names.h"
#include "resource.h"

namespace {

int EditId(SourceEdit edit) { return edit == SourceEdit::kLoop ? IDC_LOOP_EDIT : IDC_BEGIN_EDIT; }

SourceEdit EditOf(const CWnd& dialog, const CWnd& window) {
  const HWND hwnd = window.GetSafeHwnd();
  if (hwnd == nullptr) return SourceEdit::kNone;
  if (hwnd == dialog.GetDlgItem(IDC_BEGIN_EDIT).GetSafeHwnd()) return SourceEdit::kBegin;
  if (hwnd == dialog.GetDlgItem(IDC_LOOP_EDIT).GetSafeHwnd()) return SourceEdit::kLoop;
  return SourceEdit::kNone;
}

WindowsName NameOf(const std::string& fullPath) { return WindowsName{fullPath, ShortPathName(fullPath)}; }

// What the edit takes for the file; false, having said why, when it takes nothing.
bool EditPathFor(const CWnd& dialog, SourceEdit edit, const std::string& file, std::string* path) {
  const EditPath chosen = PathForEdit(SourceLabel(edit), NameOf(file), NameOf(CurrentFolder()));
  if (!chosen.problem.empty()) {
    dialog.MessageBoxA(chosen.problem.c_str());
    return false;
  }
  *path = chosen.path;
  return true;
}

}  // namespace

std::string SourceEditText(const CWnd& dialog, SourceEdit edit) {
  char text[500] = {};
  const int length = CEdit(dialog.GetDlgItem(EditId(edit))).GetLine(0, text, 499);
  return std::string(text, static_cast<size_t>(length));
}

void AcceptSourceDrops(const CWnd& dialog) {
  ::DragAcceptFiles(dialog.GetSafeHwnd(), TRUE);
  AcceptDroppedFilesForParent(dialog.GetDlgItem(IDC_BEGIN_EDIT));
  AcceptDroppedFilesForParent(dialog.GetDlgItem(IDC_LOOP_EDIT));
}

void BrowseForSource(const CWnd& dialog, SourceEdit edit) {
  const CFileDialog open{CFileDialog::kOpen,
                         std::string(SourceLabel(edit)) + " source",
                         {{"ORV files (*.orv)", "*.orv"}, {"All files (*.*)", "*.*"}}};
  const std::string inEdit = SourceEditText(dialog, edit);
  std::string file;
  if (!open.DoModal(dialog, ExistingFolderOf(inEdit), std::string(), &file)) return;
  std::string path;
  if (EditPathFor(dialog, edit, file, &path)) dialog.GetDlgItem(EditId(edit)).SetWindowTextA(path.c_str());
}

void FillFromDrop(const CWnd& dialog, const CWnd& droppedOn, const std::vector<std::string>& paths, bool anyFolder) {
  const DropPlan plan =
      PlanDrop(static_cast<int>(paths.size()), anyFolder, EditOf(dialog, droppedOn), EditOf(dialog, CWnd::GetFocus()));
  if (!plan.refusal.empty()) {
    dialog.MessageBoxA(plan.refusal.c_str());
    return;
  }
  // Every file is settled before any edit changes: a drop fills its edits whole or not at all.
  std::vector<std::string> texts(plan.edits.size());
  for (size_t i = 0; i < plan.edits.size(); ++i)
    if (!EditPathFor(dialog, plan.edits[i], paths[i], &texts[i])) return;
  for (size_t i = 0; i < plan.edits.size(); ++i)
    dialog.GetDlgItem(EditId(plan.edits[i])).SetWindowTextA(texts[i].c_str());
}

// The dialog's Begin and Loop edits filled from outside the keyboard: a file picked with Browse... or
// files dropped on the dialog. An edit only ever takes a path Add accepts; what cannot go in is said
// in a message box of the dialog's, and nothing changes.
#ifndef ORV_FRONTEND_DIALOG_SOURCE_EDITS_H_
#define ORV_FRONTEND_DIALOG_SOURCE_EDITS_H_

#include <string>
#include <vector>

#include "platform/wnd.h"
#include "source_edit.h"

// The edit's text as Add reads it: up to 499 bytes, so a longer text still comes back cut, and is then
// refused as too long.
std::string SourceEditText(const CWnd& dialog, SourceEdit edit);

// Lets files be dropped on the dialog and on both edits.
void AcceptSourceDrops(const CWnd& dialog);

// Opens the Open dialog for the edit, in the folder of the path the edit holds (else the current one),
// and puts the chosen file in the edit. Cancel leaves it as it was.
void BrowseForSource(const CWnd& dialog, SourceEdit edit);

// Fills the edits from files dropped on droppedOn (an edit, or the dialog itself), in the drop's order;
// anyFolder: whether one of them is a folder, which refuses the drop.
void FillFromDrop(const CWnd& dialog, const CWnd& droppedOn, const std::vector<std::string>& paths, bool anyFolder);

#endif  // ORV_FRONTEND_DIALOG_SOURCE_EDITS_H_

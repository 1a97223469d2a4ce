// The dialog's Begin and Loop boxes filled from outside the keyboard: a file picked with Browse... or
// files dropped on the dialog. A box only ever takes a path Add accepts; what cannot go in is said
// in a box of the dialog's, and nothing changes.
#ifndef ORV_FRONTEND_DIALOG_SOURCE_BOXES_H_
#define ORV_FRONTEND_DIALOG_SOURCE_BOXES_H_

#include <string>
#include <vector>

#include "platform/wnd.h"
#include "source_box.h"

// The box's text as Add reads it: up to 499 bytes, so a longer text still comes back cut, and is then
// refused as too long.
std::string SourceBoxText(const CWnd& dialog, SourceBox box);

// Lets files be dropped on the dialog and on both boxes.
void AcceptSourceDrops(const CWnd& dialog);

// Opens the Open dialog for the box, in the folder of the path the box holds (else the current one),
// and puts the chosen file in the box. Cancel leaves it as it was.
void BrowseForSource(const CWnd& dialog, SourceBox box);

// Fills the boxes from files dropped on droppedOn (a box, or the dialog itself), in the drop's order;
// anyFolder: whether one of them is a folder, which refuses the drop.
void FillFromDrop(const CWnd& dialog, const CWnd& droppedOn, const std::vector<std::string>& paths, bool anyFolder);

// Whether one of the paths names an existing folder.
bool AnyFolder(const std::vector<std::string>& paths);

#endif  // ORV_FRONTEND_DIALOG_SOURCE_BOXES_H_

// A dialog's child windows in their order (the template's, which is also the tab order), each with its
// place and what kind of control it is, for the code that fits, names and places them.
#ifndef ORV_FRONTEND_PLATFORM_DIALOG_CHILDREN_H_
#define ORV_FRONTEND_PLATFORM_DIALOG_CHILDREN_H_

#include <vector>

#include "model/rect.h"
#include "platform/wnd.h"

struct DialogChild {
  HWND hwnd;
  int id;
  Rect place;  // in the dialog's client coordinates
  // A label is a static text that starts at its left edge (so it may grow to the right).
  enum Kind { kLabel, kGroupBox, kList, kOther } kind;
  // Of a list only: one row's height, and what its borders add to its rows.
  int rowHeight;
  int frameHeight;
};

std::vector<DialogChild> DialogChildren(const CWnd& dialog);

// Moves and sizes the children at once, then has the dialog repainted: a group box draws no
// background of its own, so what it leaves behind must be painted over.
void PlaceChildren(const CWnd& dialog, const std::vector<DialogChild>& children, const std::vector<Rect>& places);

#endif  // ORV_FRONTEND_PLATFORM_DIALOG_CHILDREN_H_

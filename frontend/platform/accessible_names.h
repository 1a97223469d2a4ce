// The names a screen reader gives the dialog's lists. Windows names a list box, as an edit box, after
// the static label just before it in the dialog's child order. Wine (8.0) does so for an edit box
// only: its accessibility layer knows no list box and names one by its own window text, which a list
// box never shows. Given the text of its label, a list gets the same name from both.
#ifndef ORV_FRONTEND_PLATFORM_ACCESSIBLE_NAMES_H_
#define ORV_FRONTEND_PLATFORM_ACCESSIBLE_NAMES_H_

#include "platform/wnd.h"

// Gives each list box of the dialog that has no text of its own the text of the label just before it.
void NameListsAfterLabels(const CWnd& dialog);

#endif  // ORV_FRONTEND_PLATFORM_ACCESSIBLE_NAMES_H_

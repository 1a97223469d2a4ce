// What the dialog does with its labels: fits them to their text, and names its lists after them.
#ifndef ORV_FRONTEND_PLATFORM_LABELS_H_
#define ORV_FRONTEND_PLATFORM_LABELS_H_

#include "platform/wnd.h"

// Widens each one-line, left-aligned static text of the dialog whose text does not fit, as far as the
// text needs, into the free space to its right: never over another control, nor over the frame of the
// group box that holds it. A static control cut short wraps its last word out of sight ("Begin" for
// "Begin ORV"), which happens wherever the font differs a little from the one the template was made
// for: another Wine, or a Windows at 125 or 150 % scaling, where MS Sans Serif is replaced by a
// TrueType face. Call it once the dialog's font is set; where every text fits, nothing moves.
void FitLabelsToText(const CWnd& dialog);

// Gives each list box of the dialog that has no text of its own the text of the label just before it,
// the name a screen reader gives it. Windows names a list box, as an edit control, after the static
// label just before it in the dialog's child order. Wine (8.0) does so for an edit control only: its
// accessibility layer knows no list box and names one by its own window text, which a list box never
// shows. Given the text of its label, a list gets the same name from both.
void NameListsAfterLabels(const CWnd& dialog);

#endif  // ORV_FRONTEND_PLATFORM_LABELS_H_

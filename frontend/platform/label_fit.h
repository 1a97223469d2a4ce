// Labels whose text the dialog's font makes wider than the template allowed. A static control cut
// short wraps its last word out of sight ("Begin" for "Begin ORV"), which happens wherever the font
// differs a little from the one the template was made for: another Wine, or a Windows at 125 or
// 150 % scaling, where MS Sans Serif is replaced by a TrueType face.
#ifndef ORV_FRONTEND_PLATFORM_LABEL_FIT_H_
#define ORV_FRONTEND_PLATFORM_LABEL_FIT_H_

#include "platform/wnd.h"

// Widens each one-line, left-aligned static text of the dialog whose text does not fit, as far as the
// text needs, into the free space to its right: never over another control, nor over the frame of the
// group box that holds it. Call it from the dialog's initialisation, once its font is set. Where every
// text fits, nothing moves.
void FitLabelsToText(const CWnd& dialog);

#endif  // ORV_FRONTEND_PLATFORM_LABEL_FIT_H_

// The names a screen reader gives the dialog's lists. Windows names a list box, as an edit control,
// after the static label just before it in the dialog's child order. Wine (8.0) does so for an edit
// control only: its accessibility layer knows no list box and names one by its own window text,
// which a list box never shows. Given the text of its label, a list gets the same name from both.
#ifndef ORV_FRONTEND_PLATFORM_ACCESSIBLE_NAMES_H_
#define ORV_FRONTEND_PLATFORM_ACCESSIBLE_NAMES_H_

#include <vector>

#include "platform/dialog_children.h"
#include "platform/text_extent.h"
#include "platform/wnd.h"

// Gives each list box of the dialog that has no text of its own the text of the label just before it.
inline void NameListsAfterLabels(const CWnd& dialog) {
  const std::vector<DialogChild> children = DialogChildren(dialog);
  for (size_t i = 1; i < children.size(); ++i) {
    const DialogChild& list = children[i];
    const DialogChild& label = children[i - 1];
    if (list.kind != DialogChild::kList || label.kind != DialogChild::kLabel || !ControlText(list.hwnd).empty())
      continue;
    ::SetWindowTextW(list.hwnd, ControlText(label.hwnd).c_str());
  }
}

#endif  // ORV_FRONTEND_PLATFORM_ACCESSIBLE_NAMES_H_

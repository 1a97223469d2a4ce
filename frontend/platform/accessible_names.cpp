#include "platform/accessible_names.h"

#include <vector>

#include "platform/dialog_children.h"
#include "platform/text_extent.h"

void NameListsAfterLabels(const CWnd& dialog) {
  const std::vector<DialogChild> children = DialogChildren(dialog);
  for (size_t i = 1; i < children.size(); ++i) {
    const DialogChild& list = children[i];
    const DialogChild& label = children[i - 1];
    if (list.kind != DialogChild::kList || label.kind != DialogChild::kLabel || !ControlText(list.hwnd).empty())
      continue;
    ::SetWindowTextW(list.hwnd, ControlText(label.hwnd).c_str());
  }
}

#include "platform/accessible_names.h"

#include <string>
#include <vector>

#include "platform/dialog_children.h"

namespace {

std::wstring TextOf(HWND hwnd) {
  const int length = ::GetWindowTextLengthW(hwnd);
  if (length <= 0) return std::wstring();
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(hwnd, &text[0], length + 1)));
  return text;
}

}  // namespace

void NameListsAfterLabels(const CWnd& dialog) {
  const std::vector<DialogChild> children = DialogChildren(dialog);
  for (size_t i = 1; i < children.size(); ++i) {
    const DialogChild& list = children[i];
    const DialogChild& label = children[i - 1];
    if (list.kind != DialogChild::kList || label.kind != DialogChild::kLabel || !TextOf(list.hwnd).empty()) continue;
    ::SetWindowTextW(list.hwnd, TextOf(label.hwnd).c_str());
  }
}

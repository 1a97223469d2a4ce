#include "platform/list_box.h"

std::string CListBox::GetText(int index) const {
  const LRESULT length = SendMessageA(LB_GETTEXTLEN, static_cast<WPARAM>(index));
  if (length < 0) return std::string();
  // The length may overstate the text (multi-byte code pages); the copy's own count is exact.
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const LRESULT copied = SendMessageA(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
  if (copied < 0) return std::string();
  text.resize(static_cast<size_t>(copied));
  return text;
}

int CListBox::SelectString(int startAfter, const char* text) {
  return static_cast<int>(SendMessageA(LB_SELECTSTRING, static_cast<WPARAM>(startAfter),
                                       reinterpret_cast<LPARAM>(text != nullptr ? text : "")));
}

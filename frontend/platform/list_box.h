// A list box of the dialog (single selection, unsorted, items kept as text).
#ifndef ORV_FRONTEND_PLATFORM_LIST_BOX_H_
#define ORV_FRONTEND_PLATFORM_LIST_BOX_H_

#include <string>

#include "platform/wnd.h"

class CListBox : public CWnd {
 public:
  explicit CListBox(CWnd wnd) : CWnd(wnd.GetSafeHwnd()) {}

  // --- items
  // Appends at the end; the list must not be sorted, or the item would not stay last.
  void AddString(const char* text) { SendMessageA(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)); }
  void DeleteString(int index) { SendMessageA(LB_DELETESTRING, static_cast<WPARAM>(index), 0); }
  // The item's whole text, however long; empty for an index outside the list.
  std::string GetText(int index) const {
    const LRESULT length = SendMessageA(LB_GETTEXTLEN, static_cast<WPARAM>(index));
    if (length < 0) return std::string();
    // The length may overstate the text (multi-byte code pages); the copy's own count is exact.
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied = SendMessageA(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
    return text;
  }

  // --- selection, negative for none; selecting does not tell the dialog
  int GetCurSel() const { return static_cast<int>(SendMessageA(LB_GETCURSEL)); }
  void SetCurSel(int index) { SendMessageA(LB_SETCURSEL, static_cast<WPARAM>(index)); }
  // Selects the first item after startAfter (-1: from the top) that begins with text, in any case.
  int SelectString(int startAfter, const char* text) {
    return static_cast<int>(
        SendMessageA(LB_SELECTSTRING, static_cast<WPARAM>(startAfter), reinterpret_cast<LPARAM>(text)));
  }
};

#endif  // ORV_FRONTEND_PLATFORM_LIST_BOX_H_

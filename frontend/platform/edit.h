// A single-line edit box of the dialog: the source paths are read from it and shown in it.
#ifndef ORV_FRONTEND_PLATFORM_EDIT_H_
#define ORV_FRONTEND_PLATFORM_EDIT_H_

#include "platform/wnd.h"

class CEdit : public CWnd {
 public:
  // --- constructors
  CEdit() = default;
  explicit CEdit(CWnd wnd) : CWnd(wnd.GetSafeHwnd()) {}

  // --- operations
  // Copies at most maxCount characters of line `line` into buffer, which holds at least maxCount
  // characters (2 to 65535: the limit travels in the buffer's first two bytes), and returns how many
  // it copied. The copy carries no terminating NUL: use the count.
  // Bytes of buffer past the count are left unspecified.
  int GetLine(int line, char* buffer, int maxCount) const;
};

#endif  // ORV_FRONTEND_PLATFORM_EDIT_H_

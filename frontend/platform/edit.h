// A single-line edit control of the dialog: the source paths are read from it and shown in it.
#ifndef ORV_FRONTEND_PLATFORM_EDIT_H_
#define ORV_FRONTEND_PLATFORM_EDIT_H_

#include <cstring>

#include "platform/wnd.h"

class CEdit : public CWnd {
 public:
  explicit CEdit(CWnd wnd) : CWnd(wnd.GetSafeHwnd()) {}

  // --- operations
  // Copies at most maxCount (2 to 65535) characters of the line into buffer and returns how many, with
  // no terminating NUL. The system reads the limit from the buffer's first 16-bit word.
  int GetLine(int line, char* buffer, int maxCount) const {
    assert(buffer != nullptr && maxCount >= 2 && maxCount <= 0xFFFF);
    const WORD limit = static_cast<WORD>(maxCount);
    std::memcpy(buffer, &limit, sizeof(limit));
    const LRESULT copied = SendMessageA(EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(buffer));
    return copied > 0 ? static_cast<int>(copied) : 0;
  }
};

#endif  // ORV_FRONTEND_PLATFORM_EDIT_H_

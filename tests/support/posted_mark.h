// Shows when a program's thread has handled every message posted to it up to a point: a mark posted
// there, into the data of a list box's first item, which the program never reads. Posted messages are
// handled in order, and a modal box's own loop handles them too.
#ifndef ORV_TESTS_POSTED_MARK_H_
#define ORV_TESTS_POSTED_MARK_H_

#include <windows.h>

#include "window_text.h"

class PostedMark {
 public:
  // Posts a new mark to the list box; false when it cannot be posted.
  bool Post(HWND list) {
    list_ = list;
    ++value_;
    return list != nullptr && ::PostMessageW(list, LB_SETITEMDATA, 0, value_);
  }
  // Whether the list's thread has handled the last mark posted; false too while it does not answer.
  bool Handled() const {
    DWORD_PTR data = 0;
    return ::SendMessageTimeoutW(list_, LB_GETITEMDATA, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &data) != 0 &&
           static_cast<LPARAM>(data) == value_;
  }

 private:
  HWND list_ = nullptr;
  LPARAM value_ = 0;
};

#endif  // ORV_TESTS_POSTED_MARK_H_

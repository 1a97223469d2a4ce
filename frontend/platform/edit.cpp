#include "platform/edit.h"

#include <cstring>

int CEdit::GetLine(int line, char* buffer, int maxCount) const {
  // The system reads the limit from the buffer's first 16-bit word.
  assert(buffer != nullptr && maxCount >= 2 && maxCount <= 0xFFFF);
  const WORD limit = static_cast<WORD>(maxCount);
  std::memcpy(buffer, &limit, sizeof(limit));
  const LRESULT copied = SendMessageA(EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(buffer));
  return copied > 0 ? static_cast<int>(copied) : 0;
}

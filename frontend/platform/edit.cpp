#include "platform/edit.h"

#include <cstring>

int CEdit::GetLine(int line, char* buffer, int maxCount) const {
  if (buffer == nullptr || maxCount <= 0) return 0;
  // The system reads the limit from the buffer's first 16-bit word, so a one-character buffer cannot
  // hold it: read through a scratch pair instead of writing past the caller's byte.
  char pair[2];
  char* target = maxCount < 2 ? pair : buffer;
  const WORD limit = static_cast<WORD>(maxCount > 0xFFFF ? 0xFFFF : maxCount);
  std::memcpy(target, &limit, sizeof(limit));
  const LRESULT copied = SendMessageA(EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(target));
  if (copied <= 0) return 0;
  if (target == pair) buffer[0] = pair[0];
  return static_cast<int>(copied);
}

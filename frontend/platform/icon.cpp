#include "platform/icon.h"

HICON LoadAppIcon(int id) {
  // The resources live in the executable itself: the platform is linked in statically.
  return ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
}

SIZE GetSystemIconSize() {
  SIZE size;
  size.cx = ::GetSystemMetrics(SM_CXICON);
  size.cy = ::GetSystemMetrics(SM_CYICON);
  return size;
}

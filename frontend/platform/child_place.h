// Where a child window stands: its rectangle in its parent's client coordinates, the ones SetWindowPos
// and the dialog template place it by.
#ifndef ORV_FRONTEND_PLATFORM_CHILD_PLACE_H_
#define ORV_FRONTEND_PLATFORM_CHILD_PLACE_H_

#include <windows.h>

inline RECT PlaceIn(HWND parent, HWND child) {
  RECT r = {0, 0, 0, 0};
  ::GetWindowRect(child, &r);
  ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

#endif  // ORV_FRONTEND_PLATFORM_CHILD_PLACE_H_

// The work area of the monitor a window is on (the screen less the task bar and docked bars), and a
// window placed in the middle of it.
#ifndef ORV_FRONTEND_PLATFORM_WORK_AREA_H_
#define ORV_FRONTEND_PLATFORM_WORK_AREA_H_

#include "platform/wnd.h"

// The work area of the monitor nearest the window, in screen coordinates; the primary monitor's when
// the system names no monitor.
RECT WorkAreaOf(HWND hwnd);

// Moves the window, frame and all, to the middle of its monitor's work area. Call it before the window
// is shown: it then appears there, as the window manager takes a program's own place for a new window.
void CentreOnWorkArea(const CWnd& window);

#endif  // ORV_FRONTEND_PLATFORM_WORK_AREA_H_

// The part of the screen that windows may take: the work area of the monitor a window is on, the task
// bar and docked bars left out.
#ifndef ORV_FRONTEND_PLATFORM_WORK_AREA_H_
#define ORV_FRONTEND_PLATFORM_WORK_AREA_H_

#include "platform/wnd.h"

// Moves the window, frame and all, to the middle of its monitor's work area. Call it before the window
// is shown: it then appears there, as the window manager takes a program's own place for a new window.
void CentreOnWorkArea(const CWnd& window);

#endif  // ORV_FRONTEND_PLATFORM_WORK_AREA_H_

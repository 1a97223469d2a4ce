// The part of the screen that windows may take: the work area of the monitor a window is on, the task
// bar and docked bars left out.
#ifndef ORV_FRONTEND_PLATFORM_WORK_AREA_H_
#define ORV_FRONTEND_PLATFORM_WORK_AREA_H_

#include "platform/wnd.h"

// Moves the window, frame and all, to the middle of its monitor's work area. Done before the window
// is shown, it is where the window first appears: the position travels to the window manager with the
// window, which a window manager keeps, where it may place a window left at the screen's corner anew.
void CentreOnWorkArea(const CWnd& window);

#endif  // ORV_FRONTEND_PLATFORM_WORK_AREA_H_

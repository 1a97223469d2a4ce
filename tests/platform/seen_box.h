// A message box that the test's own thread shows, looked at while it is up: the call that shows it
// does not return before the box is closed, so a timer of the thread looks and closes it.
#ifndef ORV_TESTS_PLATFORM_SEEN_BOX_H_
#define ORV_TESTS_PLATFORM_SEEN_BOX_H_

#include <windows.h>

#include <functional>

// Runs show, which opens a box captioned `caption` on this thread; once the box is on the screen, runs
// look on it and closes it. False when no such box came up.
bool SeeBox(const char* caption, const std::function<void()>& show, const std::function<void(HWND box)>& look);

#endif  // ORV_TESTS_PLATFORM_SEEN_BOX_H_

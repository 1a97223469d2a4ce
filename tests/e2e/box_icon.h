// The icon a message box of another process shows, as painted on the screen.
#ifndef ORV_TESTS_E2E_BOX_ICON_H_
#define ORV_TESTS_E2E_BOX_ICON_H_

#include <windows.h>

#include <string>

namespace e2e {

// True when the box's icon control, as painted on the screen, shows the system's icon (IDI_HAND, ...).
// Waits a bounded time for the box to be painted.
bool ShowsSystemIcon(HWND iconControl, LPCSTR systemIcon, std::string* why);

}  // namespace e2e

#endif  // ORV_TESTS_E2E_BOX_ICON_H_

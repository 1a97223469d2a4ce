// What a message box of another process shows: its text, owner, buttons and icon, read from its
// child controls the way an accessibility tool would.
#ifndef ORV_TESTS_E2E_MESSAGE_BOX_H_
#define ORV_TESTS_E2E_MESSAGE_BOX_H_

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct MessageBoxView {
  std::string text;
  HWND owner = nullptr;
  std::vector<std::string> buttons;  // texts of the visible buttons, in window order
  HWND icon = nullptr;               // the visible icon control, or null when the box has no icon
};

MessageBoxView ReadMessageBox(HWND box);

// True when the box's icon, as painted on the screen, is the system's icon (IDI_HAND, ...). Waits a
// bounded time for the box to be painted.
bool ShowsSystemIcon(HWND iconControl, LPCSTR systemIcon, std::string* why);

}  // namespace e2e

#endif  // ORV_TESTS_E2E_MESSAGE_BOX_H_

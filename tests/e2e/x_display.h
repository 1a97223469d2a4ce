// Real input and the window manager's view, on the X display that Wine draws the program on: the
// host's X tools (xdotool, xprop) press keys and buttons through the X server as a user's hand
// would, so the window manager and Wine see them as they see the user's. Wine only.
#ifndef ORV_TESTS_E2E_X_DISPLAY_H_
#define ORV_TESTS_E2E_X_DISPLAY_H_

#include <windows.h>

#include <string>

namespace e2e {

// Whether the test runs under Wine, on the host's X display.
bool UnderWine();
// Empty when the X tools can reach the display, else why not.
std::string XToolsMissing();

// Each returns once the X server has taken the input; false, with the tool's words in *err, when
// the tool could not be run or failed.
// Moves the pointer to a point in screen coordinates and clicks the left button there.
bool ClickAt(POINT at, std::string* err);
// The middle of a window, in screen coordinates: where a user clicks it.
POINT Centre(HWND hwnd);
// Types the characters one by one.
bool TypeText(const std::string& text, std::string* err);
// Presses and releases keys by their X names, e.g. "Return" or "alt+F4".
bool PressKeys(const std::string& keys, std::string* err);

// Presses the left button at one point, moves to the other in a few steps and lets go there, as a
// hand drags.
bool DragFrom(POINT from, POINT to, std::string* err);

// Where a top-level window is shown, in screen coordinates: its client area as the X server has it,
// and the frame the window manager draws around that (_NET_FRAME_EXTENTS).
bool PlaceOnScreen(HWND hwnd, RECT* client, RECT* frame, std::string* why);

// Asks the window manager, as another X client may, to give the window's client area this size.
bool RequestClientSize(HWND hwnd, int width, int height, std::string* err);

// Returns once the window manager has acted on all the input given before, so whatever it does with
// it (a key it takes for itself, a click on a frame) has reached the program's X connection; false,
// with why in *err, when the window manager does not answer.
bool WaitForWindowManager(std::string* err);

// True when the window manager stacks upper's frame above lower's: what the user sees in front.
bool StackedAbove(HWND upper, HWND lower, std::string* why);

// True when the window manager names this top-level window as the active one (_NET_ACTIVE_WINDOW):
// the one whose caption it draws active and to which it lets the keyboard go. Else *why says which
// window it names.
bool ActiveForWindowManager(HWND hwnd, std::string* why);

}  // namespace e2e

#endif  // ORV_TESTS_E2E_X_DISPLAY_H_

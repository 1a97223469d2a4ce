// Every message box the program shows, owned or not. The system sizes a box to its text's longest
// word, so a path of 199 bytes, which has no space to wrap at, made a box wider than the screen, its
// caption and the path cut off. Here a box keeps to the work area and breaks such a word into lines.
#ifndef ORV_FRONTEND_PLATFORM_MESSAGE_BOX_H_
#define ORV_FRONTEND_PLATFORM_MESSAGE_BOX_H_

#include <windows.h>

// MessageBoxA, its box fitted to the work area of its monitor: no wider than three quarters of it,
// the text wrapped to that width, long words broken, and the whole box moved onto the work area. A
// box that fits already keeps its size. Returns the button pressed.
int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT type);

#endif  // ORV_FRONTEND_PLATFORM_MESSAGE_BOX_H_

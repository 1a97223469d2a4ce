// What a window shows as text, read the same way whether the window is this process's or another's.
#ifndef ORV_TESTS_WINDOW_TEXT_H_
#define ORV_TESTS_WINDOW_TEXT_H_

#include <windows.h>

#include <string>

// How long a window of another thread is given to answer a message.
constexpr UINT kSendTimeoutMs = 10000;

// The window class of dialogs and message boxes.
constexpr char kDialogClass[] = "#32770";

// The window's text (WM_GETTEXT, which Windows copies across processes) as UTF-8, the form every text
// of the tests takes; empty when the window does not answer in time.
std::string WindowText(HWND hwnd);
std::string ClassName(HWND hwnd);

#endif  // ORV_TESTS_WINDOW_TEXT_H_

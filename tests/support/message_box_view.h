// What a message box shows, of this process or another: its text, owner, buttons and icon, read from
// its child controls the way an accessibility tool would, and the room its text needs.
#ifndef ORV_TESTS_MESSAGE_BOX_VIEW_H_
#define ORV_TESTS_MESSAGE_BOX_VIEW_H_

#include <windows.h>

#include <string>
#include <vector>

// The box's static text control, as MessageBox makes it on Windows and in Wine.
constexpr int kMessageTextId = 0xFFFF;

struct MessageBoxView {
  std::string text;
  HWND owner = nullptr;
  std::vector<std::string> buttons;  // texts of the visible buttons, in window order
  HWND icon = nullptr;               // the visible icon control, or null when the box has no icon
};

MessageBoxView ReadMessageBox(HWND box);

// What the box's text needs, drawn as its control draws it at the control's width in the font message
// boxes take: broken at spaces, and inside a word only where the control breaks words as an edit control.
RECT MessageTextNeeds(HWND box);

#endif  // ORV_TESTS_MESSAGE_BOX_VIEW_H_

#include "file_dialog_input.h"

#include <gtest/gtest.h>

#include "x_display.h"

namespace e2e {

namespace {

bool FocusIsIn(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof(info);
  return ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info) && info.hwndFocus != nullptr &&
         ::IsChild(window, info.hwndFocus);
}

}  // namespace

HWND WaitForFileDialog(const BuilderProcess& app, const char* title) {
  const HWND dialog = app.WaitForMessageBox(title);
  EXPECT_NE(dialog, nullptr) << "no \"" << title << "\" dialog appeared";
  if (dialog == nullptr) return nullptr;
  // Keys reach it once the window manager has handed it the focus and its file name edit has it.
  EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == dialog && FocusIsIn(dialog); }))
      << "the \"" << title << "\" dialog did not take the keyboard";
  std::string err;
  EXPECT_TRUE(WaitForWindowManager(&err)) << err;
  return dialog;
}

void AnswerFileDialog(BuilderProcess& app, HWND dialog, const std::string& name, const char* key) {
  std::string err;
  if (!name.empty()) {
    // A name the dialog proposes is there, selected or not: the key for the whole line goes first.
    EXPECT_TRUE(PressKeys("End shift+Home", &err)) << err;
    EXPECT_TRUE(TypeText(name, &err)) << err;
  }
  EXPECT_TRUE(PressKeys(key, &err)) << err;
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); })) << key << " did not close the dialog";
  app.Settle();
}

}  // namespace e2e

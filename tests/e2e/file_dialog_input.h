// The system's Open and Save dialogs that the program opens, answered with real keys: found by their
// title once they have the keyboard, a name typed into their file name edit, and a key that ends them.
#ifndef ORV_TESTS_E2E_FILE_DIALOG_INPUT_H_
#define ORV_TESTS_E2E_FILE_DIALOG_INPUT_H_

#include <windows.h>

#include <string>

#include "driver.h"

namespace e2e {

// The program's file dialog titled title, once the window manager has handed it the keyboard and its
// file name edit has the focus; null, with a failure of the test, when none came.
HWND WaitForFileDialog(const BuilderProcess& app, const char* title);

// Types name in place of whatever the file name edit holds, presses key ("Return", "Escape"), and returns once
// the dialog has gone and the program has acted on what it chose.
void AnswerFileDialog(BuilderProcess& app, HWND dialog, const std::string& name, const char* key);

}  // namespace e2e

#endif  // ORV_TESTS_E2E_FILE_DIALOG_INPUT_H_

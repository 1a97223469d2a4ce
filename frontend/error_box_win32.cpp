// The build engine's error box in the dialog program: no owner window, caption "Error", the stop icon
// and one OK button. It returns when the user has dismissed it.
#include <windows.h>

#include <cstdio>

#include "error_box.h"

void ShowErrorBox(const std::string& text) {
  std::fflush(stdout);
  ::MessageBoxA(nullptr, text.c_str(), "Error", MB_OK | MB_ICONSTOP);
}

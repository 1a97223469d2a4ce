// The program's dialog template laid out in the test's own process, hidden: the controls as the
// template places them at this DPI, in the font the dialog manager makes for it, which this process
// can select and measure with (the program's own font handle means nothing here).
#ifndef ORV_TESTS_E2E_TEMPLATE_COPY_H_
#define ORV_TESTS_E2E_TEMPLATE_COPY_H_

#include <windows.h>

#include <string>

namespace e2e {

// The screen's DPI. When the run was started for one (ORV_EXPECT_DPI), false with why in *why if the
// screen has another, as when the setting did not take.
bool ScreenDpi(int* dpi, std::string* why);

// Null when the template cannot be read. The caller destroys the window.
HWND TemplateCopy();

}  // namespace e2e

#endif  // ORV_TESTS_E2E_TEMPLATE_COPY_H_

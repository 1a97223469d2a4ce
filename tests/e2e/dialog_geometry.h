// Where the dialog's controls lie and how much room their texts need, for the tests that check the
// dialog's layout as it is shown.
#ifndef ORV_TESTS_E2E_DIALOG_GEOMETRY_H_
#define ORV_TESTS_E2E_DIALOG_GEOMETRY_H_

#include <windows.h>

#include <string>

namespace e2e {

// child's window rectangle in dialog's client coordinates.
RECT PlaceIn(HWND dialog, HWND child);

bool IsGroupBox(HWND hwnd);

// True when inner lies wholly within outer, edges included.
bool Contains(const RECT& outer, const RECT& inner);

// The size of text (UTF-8) in the font of fontSource, a window of this process: the program's own font
// handle means nothing here.
SIZE TextSize(const std::string& text, HWND fontSource);

}  // namespace e2e

#endif  // ORV_TESTS_E2E_DIALOG_GEOMETRY_H_

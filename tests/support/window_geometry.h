// Where windows lie and how much room their texts need, for the tests that check a placement as it is
// shown: the dialog's, a message box's, a label's.
#ifndef ORV_TESTS_WINDOW_GEOMETRY_H_
#define ORV_TESTS_WINDOW_GEOMETRY_H_

#include <windows.h>

#include <string>

// PlaceIn(parent, child): a child's rectangle in its parent's client coordinates.
#include "platform/wnd.h"

// True when inner lies wholly within outer, edges included.
bool Contains(const RECT& outer, const RECT& inner);

// "(left,top)-(right,bottom)", for a failure's message.
std::string Describe(const RECT& r);

// The part of the primary screen that windows may take, the task bar left out.
RECT WorkArea();

bool IsGroupBox(HWND hwnd);

// The size of text (UTF-8) on one line in the font of fontSource, a window of this process: another
// process's font handle means nothing here.
SIZE TextSize(const std::string& text, HWND fontSource);

#endif  // ORV_TESTS_WINDOW_GEOMETRY_H_

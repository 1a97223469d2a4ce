// The builder dialog as it must come out of builder.rc: its frame, and every control in tab
// order with the styles it must carry exactly.
#ifndef ORV_TESTS_RESOURCES_EXPECTED_DIALOG_H_
#define ORV_TESTS_RESOURCES_EXPECTED_DIALOG_H_

#include <windows.h>

#include "resource.h"

struct ExpectedControl {
  int id;
  const char* windowClass;  // as GetClassName reports it
  const char* classAtom;    // as the template stores it
  const char* text;
  short x, y, cx, cy;  // dialog units
  DWORD style;
};

namespace expected {

const char kCaption[] = "ORV Builder v1.0";
const short kWidth = 288, kHeight = 172;
const char kTypeface[] = "MS Sans Serif";
const WORD kPointSize = 8;
const DWORD kDialogStyle = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU;
const DWORD kDialogExStyle = WS_EX_APPWINDOW;

const DWORD kChild = WS_CHILD | WS_VISIBLE;
const DWORD kList = kChild | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP;
const DWORD kEdit = kChild | ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
const DWORD kButton = kChild | BS_PUSHBUTTON | WS_TABSTOP;
const DWORD kLabel = kChild | SS_LEFT;
const DWORD kGroup = kChild | BS_GROUPBOX;

const ExpectedControl kControls[] = {
    {IDOK, "Button", "#128", "Exit", 163, 137, 50, 14, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP},
    {IDC_HANDLED_LIST, "ListBox", "#131", "", 25, 28, 75, 62, kList},
    {IDC_EVENT_LIST, "ListBox", "#131", "", 182, 21, 87, 21, kList},
    {IDC_BEGIN_EDIT, "Edit", "#129", "", 182, 49, 48, 14, kEdit},
    {IDC_BROWSE_BEGIN, "Button", "#128", "Browse...", 232, 49, 37, 14, kButton},
    {IDC_LOOP_EDIT, "Edit", "#129", "", 182, 73, 48, 14, kEdit},
    {IDC_BROWSE_LOOP, "Button", "#128", "Browse...", 232, 73, 37, 14, kButton},
    {IDC_ADD, "Button", "#128", "Add", 183, 100, 50, 14, kButton},
    {IDC_REMOVE, "Button", "#128", "Remove", 41, 100, 50, 14, kButton},
    {IDC_BUILD, "Button", "#128", "Build ORV", 69, 137, 50, 14, kButton},
    {IDC_OPEN, "Button", "#128", "Open...", 14, 137, 50, 14, kButton},
    {IDC_SAVE, "Button", "#128", "Save...", 222, 137, 50, 14, kButton},
    {IDC_STATIC, "Static", "#130", "Handled events", 26, 17, 51, 8, kLabel},
    {IDC_STATIC, "Static", "#130", "Event", 153, 28, 20, 8, kLabel},
    {IDC_STATIC, "Static", "#130", "Begin ORV", 144, 52, 34, 8, kLabel},
    {IDC_STATIC, "Static", "#130", "Loop ORV", 146, 76, 32, 8, kLabel},
    {IDC_STATIC, "Button", "#128", "", 14, 7, 106, 117, kGroup},
    {IDC_STATIC, "Button", "#128", "", 137, 7, 135, 117, kGroup},
    {IDC_STATUS, "Static", "#130", "", 14, 158, 258, 8, kLabel | SS_ENDELLIPSIS | SS_NOPREFIX},
};
const int kControlCount = sizeof(kControls) / sizeof(kControls[0]);

}  // namespace expected

#endif  // ORV_TESTS_RESOURCES_EXPECTED_DIALOG_H_

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
const short kWidth = 378, kHeight = 177;
const char kTypeface[] = "MS Sans Serif";
const WORD kPointSize = 8;
// Resizable, with no box to minimize or maximize it.
const DWORD kDialogStyle = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
const DWORD kDialogExStyle = WS_EX_APPWINDOW;

const DWORD kChild = WS_CHILD | WS_VISIBLE;
const DWORD kList = kChild | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP;
const DWORD kEdit = kChild | ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
const DWORD kButton = kChild | BS_PUSHBUTTON | WS_TABSTOP;
const DWORD kLabel = kChild | SS_LEFT;
const DWORD kGroup = kChild | BS_GROUPBOX;

// Each label just before the list or box it names, as a screen reader looks for it.
const ExpectedControl kControls[] = {
    {IDOK, "Button", "#128", "Exit", 321, 143, 50, 14, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP},
    {IDC_STATIC, "Static", "#130", "Handled events", 14, 14, 56, 8, kLabel},
    {IDC_HANDLED_LIST, "ListBox", "#131", "", 14, 24, 86, 83, kList},
    {IDC_STATIC, "Static", "#130", "Event", 121, 16, 36, 8, kLabel},
    {IDC_EVENT_LIST, "ListBox", "#131", "", 161, 14, 160, 52, kList},
    {IDC_STATIC, "Static", "#130", "Begin ORV", 121, 76, 36, 8, kLabel},
    {IDC_BEGIN_EDIT, "Edit", "#129", "", 161, 73, 160, 14, kEdit},
    {IDC_BROWSE_BEGIN, "Button", "#128", "Browse...", 324, 73, 40, 14, kButton},
    {IDC_STATIC, "Static", "#130", "Loop ORV", 121, 96, 36, 8, kLabel},
    {IDC_LOOP_EDIT, "Edit", "#129", "", 161, 93, 160, 14, kEdit},
    {IDC_BROWSE_LOOP, "Button", "#128", "Browse...", 324, 93, 40, 14, kButton},
    {IDC_ADD, "Button", "#128", "Add", 161, 115, 50, 14, kButton},
    {IDC_REMOVE, "Button", "#128", "Remove", 14, 115, 50, 14, kButton},
    {IDC_BUILD, "Button", "#128", "Build ORV", 267, 143, 50, 14, kButton},
    {IDC_OPEN, "Button", "#128", "Open...", 7, 143, 50, 14, kButton},
    {IDC_SAVE, "Button", "#128", "Save...", 61, 143, 50, 14, kButton},
    {IDC_STATIC, "Button", "#128", "", 7, 7, 100, 129, kGroup},
    {IDC_STATIC, "Button", "#128", "", 114, 7, 257, 129, kGroup},
    {IDC_STATUS, "Static", "#130", "", 7, 163, 364, 8, kLabel | SS_ENDELLIPSIS | SS_NOPREFIX},
};
const int kControlCount = sizeof(kControls) / sizeof(kControls[0]);

}  // namespace expected

#endif  // ORV_TESTS_RESOURCES_EXPECTED_DIALOG_H_

// Resource ids of ORVBuilder.exe, shared by the dialog code and builder.rc.
// Plain object-like macros only, so the resource compiler can read this file too.
#ifndef ORV_RESOURCES_RESOURCE_H_
#define ORV_RESOURCES_RESOURCE_H_

#define IDD_BUILDER_DIALOG 102
#define IDI_APP_ICON 128

#define IDC_HANDLED_LIST 1000
#define IDC_EVENT_LIST 1001
#define IDC_BEGIN_EDIT 1002
#define IDC_LOOP_EDIT 1003
#define IDC_ADD 1004
#define IDC_REMOVE 1005
#define IDC_BUILD 1006
#define IDC_BROWSE_BEGIN 1007
#define IDC_BROWSE_LOOP 1008
#define IDC_STATUS 1009
#define IDC_OPEN 1010
#define IDC_SAVE 1011

// MFC's afxres.h defines this too, with the same value.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#endif  // ORV_RESOURCES_RESOURCE_H_

// Resource ids of the test dialog and icon, shared by the resource script and the tests.
#ifndef ORV_TESTS_PLATFORM_TEST_RESOURCES_H_
#define ORV_TESTS_PLATFORM_TEST_RESOURCES_H_

#define IDD_TEST_DIALOG 102
#define IDI_TEST_ICON 128
#define IDC_TEST_LIST 1000
#define IDC_TEST_EDIT 1002
#define IDC_TEST_BUTTON 1004

#endif  // ORV_TESTS_PLATFORM_TEST_RESOURCES_H_

#pragma once
// Resources of the framework's tests.
#define IDD_TEST_PANE 100
#define IDC_FIRST_EDIT 1001
#define IDC_SECOND_EDIT 1002
#define IDC_TREE 1003
#define IDC_LIST 1004
#define IDC_SPIN 1005
#define IDC_SPIN_EDIT 1006
#define IDC_LINK 1007
#define IDR_TEST_ACCELERATORS 200
#define IDR_TEST_MENU 201
#define IDB_TEST_IMAGES 202
#define ID_TEST_HELP 0x7101
#define ID_TEST_OPEN 0x7102
#define ID_TEST_CLOSE 0x7103

#pragma once
// Ids of the sample dialogs in test_dialogs.rc (shared by the script and the tests).

#define IDD_SAMPLE 100
#define IDD_MORE 101
#define IDD_PROGRESS 102
#define IDD_CANVAS 103
#define IDD_LISTS 104
#define IDD_BROKEN 105
#define IDD_SIZABLE 106
#define IDD_FIELDS 107

#define IDC_NAME 1001
#define IDC_VALUE 1002
#define IDC_ENABLED 1003
#define IDC_LEFT 1011
#define IDC_CENTRE 1012
#define IDC_RIGHT 1013
#define IDC_MIXED 1020
#define IDC_KIND 1030
#define IDC_PARTS 1040
#define IDC_MORE 1050
#define IDC_LABEL 1060

#define IDC_MORE_TEXT 2001
#define IDC_STATUS 3001

#define IDC_UNITS 4001
#define IDC_MULTI 4002
#define IDC_TABS 4003
#define IDC_SIMPLE 4004

#define IDC_GRID 6001

#define IDC_WIDTH 7001
#define IDC_HEIGHT 7002
#define IDC_ANGLE 7003
#define IDC_NOTES 7004
#define IDC_BOLD 7005
#define IDC_THIN 7006
#define IDC_THICK 7007
#define IDC_STYLE 7008
#define IDC_APPLY 7009
#define IDC_AGAIN 7010

#define IDB_CHECKED 8134

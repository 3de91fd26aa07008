// Resource and control ids of the cutting-stock dialog, shared by the resource script and the
// C++ code.  The numbers are the ones the package's callers rely on.
#pragma once

#include "../resources/package_icons.h"

#define IDD_CSP2 8122

#define IDC_CSP2_SET_LABEL 9035
#define IDC_CSP2_SET_LIST 9036
#define IDC_CSP2_ADD_SET 8590
#define IDC_CSP2_REMOVE_SET 8591
#define IDC_CSP2_TABLES_GROUP 9037
#define IDC_CSP2_GROUP_0 9038
#define IDC_CSP2_GROUP_1 9041
#define IDC_CSP2_GROUP_2 9043
#define IDC_CSP2_SHEET_0 1321
#define IDC_CSP2_SHEET_1 1322
#define IDC_CSP2_SHEET_2 1323
#define IDC_CSP2_ADD_ROW_0 8601
#define IDC_CSP2_REMOVE_ROW_0 8605
#define IDC_CSP2_ADD_ROW_1 8606
#define IDC_CSP2_REMOVE_ROW_1 8607
#define IDC_CSP2_ADD_ROW_2 8608
#define IDC_CSP2_REMOVE_ROW_2 8609
#define IDC_CSP2_OPEN_STOCK 8600
#define IDC_CSP2_SAVE_STOCK 8602
#define IDC_CSP2_OPEN_PURCHASE 8603
#define IDC_CSP2_SAVE_PURCHASE 8604
#define IDC_CSP2_MAIN 8592
#define IDC_CSP2_ASK_NAMES 9074

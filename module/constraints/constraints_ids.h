// Resource and control ids of the constraint editor: the main window (8715), its four pages
// (207 constraint list, 8135 geometry, 8099 variables, 216 command palette).  Shared by the
// resource script and the code.
#pragma once

#define IDD_EDIT_CONSTRAINTS 8715
#define IDD_CONSTR_LIST_PAGE 207
#define IDD_CONSTR_GEOMETRY_PAGE 8135
#define IDD_CONSTR_VARIABLES_PAGE 8099
#define IDD_CONSTR_PALETTE_PAGE 216

// Main window
#define IDC_EC_SELECT_MACRO 1079
#define IDC_EC_MODULES 1088
#define IDC_EC_ADD_MODULE 1090
#define IDC_EC_RENAME_MODULE 1183
#define IDC_EC_REMOVE_MODULE 1089
#define IDC_EC_TABS 8097
#define IDC_EC_SETTINGS 1137
#define IDC_EC_ZOOM 1320

// Constraint list page
#define IDC_CL_SHEET 1001
#define IDC_CL_PROPERTIES 1081
#define IDC_CL_VALUE 1030
#define IDC_CL_VALUE_LABEL 1122
#define IDC_CL_VARIABLE 1000
#define IDC_CL_VARIABLE_LABEL 1123
#define IDC_CL_CHOICE 1005
#define IDC_CL_CHOICE_LABEL 1015
#define IDC_CL_CHECK_1 1283
#define IDC_CL_CHECK_2 1284
#define IDC_CL_OPTION_1 1083
#define IDC_CL_OPTION_2 1077
#define IDC_CL_OPTION_3 1084
#define IDC_CL_OPTION_4 1085
#define IDC_CL_OPTION_5 1086
#define IDC_CL_EDIT_CUT 1334
#define IDC_CL_DELETE 1087

// Command palette page: buttons 1024 to 1037 run commands 0 to 13
#define IDC_CP_FIRST 1024
#define IDC_CP_LAST 1037

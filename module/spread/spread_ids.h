// Resource and control ids of the sheet dialogs, shared by the resource script and the code.
// The numbers are the ones the package's callers and remembered layouts rely on.
#pragma once

// String-array grid dialog
#define IDD_SS_STRINGARRAY 208
#define IDC_GRID_SHEET 1196
#define IDC_GRID_ADD 1088
#define IDC_GRID_REMOVE 1089

// Find/replace dialog
#define IDD_FINDREPLACE 218
#define IDC_FIND_REPLACE_BUTTON 1204
#define IDC_FIND_REPLACE_ALL 1205
#define IDC_FIND_LABEL 1206
#define IDC_FIND_TEXT 1207
#define IDC_REPLACE_LABEL 1208
#define IDC_REPLACE_TEXT 1209

// Sheet layout dialog
#define IDD_SHEET_LAYOUT 176
#define IDC_LAYOUT_LABEL_COLUMN 1002
#define IDC_LAYOUT_COLS_LABEL 1016
#define IDC_LAYOUT_COLS 1017
#define IDC_LAYOUT_ROWS_LABEL 1018
#define IDC_LAYOUT_ROWS 1019
#define IDC_LAYOUT_HEADER_HEIGHT_LABEL 1020
#define IDC_LAYOUT_HEADER_HEIGHT 1021
#define IDC_LAYOUT_HEADER_WIDTH_LABEL 1022
#define IDC_LAYOUT_HEADER_WIDTH 1023
#define IDC_LAYOUT_LABEL_ROW 1025
#define IDC_LAYOUT_INFO 1026
#define IDC_LAYOUT_PREVIEW_INFO 1027

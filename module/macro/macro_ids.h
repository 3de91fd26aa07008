// Resource and control ids of the macro input dialog (8131) and its template page (8137),
// shared by their resource script and the code.  The numbers are the ones the package's
// callers and stored links rely on.
#pragma once

// The macro input dialog
#define IDD_MACRO 8131
#define IDC_MACRO_TABS 8097
#define IDC_MACRO_SELECT_OTHER 1176
#define IDC_MACRO_GROUP_FILTER 1177
#define IDC_MACRO_SECOND_FILTER 1178
#define IDC_MACRO_GROUP_LABEL 1179
#define IDC_MACRO_SECOND_LABEL 1180
#define IDC_MACRO_VIEW_BEFORE 1181
#define IDC_MACRO_VIEW_TOP 1182
#define IDC_MACRO_VIEW_FRONT 1183
#define IDC_MACRO_VIEW_SIDE 1184
#define IDC_MACRO_CLASH 1292
#define IDC_MACRO_APPLY_AGAIN 1293
#define IDC_MACRO_LOAD_VALUES 1299
#define IDC_MACRO_SAVE_VALUES 1302

// The template page
#define IDD_MACRO_TAB_PAGE 8137
#define IDC_PAGE_SHEET 1001
#define IDC_PAGE_BOLT_COMPOSITION 1091
#define IDC_PAGE_BOLT_DIAMETER 1092
#define IDC_PAGE_BOLT_COMPOSITION_LABEL 1109
#define IDC_PAGE_BOLT_DIAMETER_LABEL 1110
#define IDC_PAGE_BOLT_OPTIONS 1114

// The button pictures of the macro input dialog
#define IDB_MACRO_SELECT_OTHER 217
#define IDB_MACRO_VIEW_BEFORE 218
#define IDB_MACRO_VIEW_TOP 220
#define IDB_MACRO_VIEW_SIDE 221
#define IDB_MACRO_VIEW_FRONT 222
#define IDB_MACRO_CLASH 237

// The package's icons for icon buttons (defined once, in module.rc).
#include "../resources/package_icons.h"

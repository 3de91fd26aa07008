// Resource and control ids of the macro selection dialog, shared by its resource script and
// the code.  The numbers are the ones the package's callers rely on.
#pragma once

#define IDD_SELECT_MACRO 8717
#define IDC_SELECT_MACRO_GROUP 1175
#define IDC_SELECT_MACRO_FILTER 1196
#define IDC_SELECT_MACRO_OTHER 1352
#define IDC_SELECT_MACRO_FILTER_LABEL 1353
#define IDC_SELECT_MACRO_TOGGLE 1409
#define IDC_SELECT_MACRO_PICTURES 9091
#define IDC_SELECT_MACRO_PREVIEWS 9093
#define IDI_SELECT_MACRO_FILTER_SHOWN 241
#define IDI_SELECT_MACRO_FILTER_HIDDEN 245

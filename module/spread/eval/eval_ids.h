// Resource and control ids of the formulas window, shared by the resource script and the code.
// The numbers are the ones the package's callers rely on.
#pragma once

#define IDD_FORMULAS 133
#define IDC_FORMULAS_PATH 1000
#define IDC_FORMULAS_SAVE 1001
#define IDC_FORMULAS_SHEET 1004
#define IDC_FORMULAS_STYLE_DEFAULT 1005
#define IDC_FORMULAS_STYLE_A1 1006
#define IDC_FORMULAS_STYLE_R1C1 1007
#define IDC_FORMULAS_LOAD 1087
#define IDC_FORMULAS_AUTOCALC 1106
#define IDC_FORMULAS_RECALC 1107

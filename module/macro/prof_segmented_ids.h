// Resource and control ids of the segmented profiles dialog (221), shared by its resource
// script and the code.
#pragma once

#define IDD_MACRO_PROF_SEGMENTED 221
#define IDC_SEGMENTED_NAME 1000
#define IDC_SEGMENTED_NAME_LABEL 1081
#define IDC_SEGMENTED_ADD_ROW 1088
#define IDC_SEGMENTED_REMOVE_ROW 1089
#define IDC_SEGMENTED_PICK_POINT 1090
#define IDC_SEGMENTED_POINTS_LABEL 1123
#define IDC_SEGMENTED_GAP_LABEL 1124
#define IDC_SEGMENTED_SHEET 1196
#define IDC_SEGMENTED_GAP 1232
#define IDC_SEGMENTED_PROFILES 1247
#define IDC_SEGMENTED_PROFILES_LABEL 1248
#define IDC_SEGMENTED_BREAK 1249

// The package's icons for icon buttons (defined once, in module.rc).
#include "../resources/package_icons.h"

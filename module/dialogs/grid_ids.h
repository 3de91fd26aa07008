// Resource and control ids of the grid and levels dialogs, shared by their resource script
// and the code.  The numbers are the ones the package's callers rely on.
#pragma once

// Grid dialog
#define IDD_GRID 242
#define IDC_GRID_COUNT_X_LABEL 1366
#define IDC_GRID_COUNT_X 1367
#define IDC_GRID_SPACING_X_LABEL 1368
#define IDC_GRID_SPACING_X 1369
#define IDC_GRID_FIRST_X_LABEL 1370
#define IDC_GRID_FIRST_X 1371
#define IDC_GRID_FRAME_X 1372
#define IDC_GRID_COUNT_Y_LABEL 1373
#define IDC_GRID_COUNT_Y 1374
#define IDC_GRID_FRAME_Y 1375
#define IDC_GRID_SPACING_Y_LABEL 1376
#define IDC_GRID_SPACING_Y 1377
#define IDC_GRID_FIRST_Y_LABEL 1378
#define IDC_GRID_FIRST_Y 1379
#define IDC_GRID_OPTION 1380

// Levels dialog
#define IDD_LEVELS 243
#define IDC_LEVELS_NAME 1000
#define IDC_LEVELS_VALUE 1001
#define IDC_LEVELS_HEIGHT 1002
#define IDC_LEVELS_FRAME 1081
#define IDC_LEVELS_ADD 1088
#define IDC_LEVELS_DELETE 1089
#define IDC_LEVELS_NAME_LABEL 1123
#define IDC_LEVELS_REFERENCE_LABEL 1124
#define IDC_LEVELS_HEIGHT_LABEL 1126
#define IDC_LEVELS_VALUE_LABEL 1227
#define IDC_LEVELS_LIST 1381
#define IDC_LEVELS_REFERENCE 1382

// The package's icons for icon buttons (defined once, in module.rc).
#include "../resources/package_icons.h"

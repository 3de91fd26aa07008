// Resource and control ids of the DSTV point group dialog and the point editor, shared by
// their resource script and the code.  The numbers are the ones the package's callers rely on.
#pragma once

// Group dialog
#define IDD_DSTV_GROUPS 234
#define IDC_DSTV_GROUPS_EDIT 1334
#define IDC_DSTV_GROUPS_ACTIVATE 1335
#define IDC_DSTV_GROUPS_LIST 1336
#define IDC_DSTV_GROUPS_ADD 1337
#define IDC_DSTV_GROUPS_DELETE 1338

// Point editor
#define IDD_DSTV_POINT_EDIT 233
#define IDC_DSTV_POINT_NAME 1000
#define IDC_DSTV_POINT_SIDE_DISTANCE 1001
#define IDC_DSTV_POINT_RADIUS 1002
#define IDC_DSTV_POINT_FRAME 1175
#define IDC_DSTV_POINT_NAME_LABEL 1123
#define IDC_DSTV_POINT_SIDE_LABEL 1124
#define IDC_DSTV_POINT_RADIUS_LABEL 1125
#define IDC_DSTV_POINT_DISTANCE_LABEL 1127
#define IDC_DSTV_POINT_LIST 1325
#define IDC_DSTV_POINT_LIST_LABEL 1326
#define IDC_DSTV_POINT_ADD 1327
#define IDC_DSTV_POINT_DELETE 1328
#define IDC_DSTV_POINT_SIDE1 1330
#define IDC_DSTV_POINT_START_DIR 1332
#define IDC_DSTV_POINT_MIDDLE 1333
#define IDC_DSTV_POINT_VIEW 1334
#define IDC_DSTV_POINT_VIEW_LABEL 1335
#define IDC_DSTV_POINT_FULL_HOLE 1336
#define IDC_DSTV_POINT_THICKNESS_BASED 1337
#define IDC_DSTV_POINT_SIDE2 1338
#define IDC_DSTV_POINT_MARK_LABEL 1339
#define IDC_DSTV_POINT_MARK 1340
#define IDC_DSTV_POINT_BY_EXTENT 1355
#define IDC_DSTV_POINT_BY_INTERSECTION 1356

// The package's icons for icon buttons (defined once, in module.rc).
#include "../resources/package_icons.h"

#pragma once
// Resource ids of the designer dialog (module/resources/designer.rc); its open, save, add and
// remove buttons show the package icons.
#include "../resources/package_icons.h"

#define IDD_DLG_DESIGNER 227

#define IDI_DESIGNER 148
#define IDI_DESIGNER_COPY 223
#define IDI_DESIGNER_PICTURE 231
#define IDI_DESIGNER_WIDTH 235
#define IDI_DESIGNER_HEIGHT 236
#define IDI_DESIGNER_UNDO 237
#define IDI_DESIGNER_REDO 238

#define IDC_DESIGNER_COPY 1199
#define IDC_DESIGNER_BOTTOMS 1200
#define IDC_DESIGNER_SIDE_BY_SIDE 1201
#define IDC_DESIGNER_TYPE 1005
#define IDC_DESIGNER_FRAME 1015
#define IDC_DESIGNER_CONTENTS_CAPTION 1016
#define IDC_DESIGNER_LIST_CAPTION 1017
#define IDC_DESIGNER_OPEN 1299
#define IDC_DESIGNER_ADD 1300
#define IDC_DESIGNER_REMOVE 1301
#define IDC_DESIGNER_SAVE 1302
#define IDC_DESIGNER_PICTURE 1303
#define IDC_DESIGNER_CONTENTS 1304
#define IDC_DESIGNER_LIST 1305
#define IDC_DESIGNER_WIDTH 1306
#define IDC_DESIGNER_HEIGHT 1307
#define IDC_DESIGNER_UNDO 1308
#define IDC_DESIGNER_REDO 1309

// The ids the designer gives the template's controls.
#define IDC_DESIGNER_FIRST_DYNAMIC 33000
#define IDC_DESIGNER_LAST_DYNAMIC 33099

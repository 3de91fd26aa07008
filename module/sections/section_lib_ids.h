// Resource and control ids of the section library editor and the simple library editor,
// shared by the resource script (module/sections/sections.rc) and the C++ code.  The numbers
// are the ones the package's callers rely on.
#pragma once

// The library editor: the frame with its tab control and three pages.
#define IDD_EDIT_LIB_SECTIONS 209
#define IDC_LIB_TABS 8097
#define IDD_LIB_GROUPS_PAGE 8138
#define IDD_LIB_TYPES_PAGE 8139
#define IDD_LIB_LIBRARIES_PAGE 8716

// Shared by the pages.
#define IDC_LIB_NEW 1189
#define IDC_LIB_REMOVE 1190

// Groups and types pages.
#define IDC_LIB_ENABLED 1185
#define IDC_LIB_PICTURE_LABEL 1186
#define IDC_LIB_GROUP_LABEL 1187
#define IDC_LIB_PICTURE_FRAME 1188
#define IDC_LIB_TEXT_LABEL 1192
#define IDC_LIB_PICTURE 1193
#define IDC_LIB_GROUP_LIST 1194
#define IDC_LIB_PICTURE_FILE 1195
#define IDC_LIB_TYPE_GROUP 1196
#define IDC_LIB_NAMES_SHEET 1197
#define IDC_LIB_SECOND_TEXT 1198
#define IDC_LIB_TYPE_LIST 1199
#define IDC_LIB_NAMES_LABEL 1209

// Libraries page.
#define IDC_LIB_LIBRARY_LIST 1248
#define IDC_LIB_LAYOUT 1200
#define IDC_LIB_RENAME 1201
#define IDC_LIB_COPY 1199
#define IDC_LIB_PASTE 1198
#define IDC_LIB_INSERT_ROW 1204
#define IDC_LIB_DELETE_ROW 1205
#define IDC_LIB_ROW_UP 1206
#define IDC_LIB_ROW_DOWN 1207
#define IDC_LIB_FIND 1208
#define IDC_LIB_SECTION_TYPE_FRAME 1203
#define IDC_LIB_SECTION_TYPE 1202
#define IDC_LIB_SHEET 1196

// Icons of the libraries page's buttons (copy is the package's copy icon, shared with the
// designer).
#define IDI_LIB_COPY 223
#define IDI_LIB_PASTE 224
#define IDI_LIB_INSERT_ROW 225
#define IDI_LIB_DELETE_ROW 226
#define IDI_LIB_ROW_UP 227
#define IDI_LIB_ROW_DOWN 228
#define IDI_LIB_FIND 238

// The simple library editor.
#define IDD_EDIT_LIB_SIMPLE 226
#define IDC_SIMPLE_PICTURE 1294
#define IDC_SIMPLE_NAME_GROUP 1360
#define IDC_SIMPLE_BUILD_NAME 1358
#define IDC_SIMPLE_TYPE_NAME 1359
#define IDC_SIMPLE_NAME_LABEL 1123
#define IDC_SIMPLE_NAME 1000
#define IDC_SIMPLE_FIRST_LABEL 1299
#define IDC_SIMPLE_FIRST_VALUE 1300
#define SIMPLE_VALUE_FIELDS 11

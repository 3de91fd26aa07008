// Resource and control ids of the cut dialogs, shared by their resource script and the code.
// The numbers are the ones the package's callers rely on.
#pragma once

// The macro cut dialog
#define IDD_MACRO_CUTS 223
#define IDC_CUTS_DESCRIPTION 1000
#define IDC_CUTS_NAME 1001
#define IDC_CUTS_PICK_MACRO 1079
#define IDC_CUTS_NAME_LABEL 1123
#define IDC_CUTS_SHEET 1196
#define IDC_CUTS_TYPE_LABEL 1280
#define IDC_CUTS_CUT_BOTH 1281
#define IDC_CUTS_MACRO 1282
#define IDC_CUTS_PLACEMENT 1283
#define IDC_CUTS_TYPE 1284
#define IDC_CUTS_MODE_NEW 1285
#define IDC_CUTS_MODE_EXISTING 1286
#define IDC_CUTS_CHOICE_1 1288
#define IDC_CUTS_CHOICE_2 1289
#define IDC_CUTS_CHOICE_3 1290
#define IDC_CUTS_KEEP_GAP 1323
#define IDC_CUTS_WELD 1325
#define IDC_CUTS_WELD_BOTH 1326

// The profile cuts dialog
#define IDD_PROF_CUTS 235
#define IDC_PROF_CUTS_DELETE 1087
#define IDC_PROF_CUTS_LIST 1339
#define IDC_PROF_CUTS_ONLY_SELECTED 1340
#define IDC_PROF_CUTS_OTHER_PROFILE 1341

// Resource and control ids of the look-up dialog, shared by its resource script and the code.
// The numbers are the ones the package's callers rely on.
#pragma once

#define IDD_LOOKUP 244
#define IDC_LOOKUP_SHOW_ALL 3
#define IDC_LOOKUP_LABEL_1 1123
#define IDC_LOOKUP_LABEL_3 1124
#define IDC_LOOKUP_TEXT_1 1384
#define IDC_LOOKUP_LABEL_2 1385
#define IDC_LOOKUP_TEXT_2 1386
#define IDC_LOOKUP_TEXT_3 1387
#define IDC_LOOKUP_LABEL_4 1388
#define IDC_LOOKUP_TEXT_4 1389
#define IDC_LOOKUP_LABEL_5 1390
#define IDC_LOOKUP_TEXT_5 1391
#define IDC_LOOKUP_CHOICE_B_LABEL 1392
#define IDC_LOOKUP_CHOICE_B 1393
#define IDC_LOOKUP_FLAG 1394
#define IDC_LOOKUP_FRAME 1395
#define IDC_LOOKUP_FIRST_OPTION 1396
#define IDC_LOOKUP_SECOND_OPTION 1397
#define IDC_LOOKUP_CHOICE_A 1398

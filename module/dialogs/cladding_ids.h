// Resource and control ids of the cladding settings dialog, shared by its resource script and
// the code.  The numbers are the ones the package's callers rely on.
#pragma once

#define IDD_CLADDING_SETTINGS 252
#define IDC_CLADDING_PROFILE_LABEL 1188
#define IDC_CLADDING_CHOICE_A_LABEL 1189
#define IDC_CLADDING_CHOICE_B_LABEL 1190
#define IDC_CLADDING_VALUE_LABEL 1191
#define IDC_CLADDING_START_LABEL 1192
#define IDC_CLADDING_END_LABEL 1193
#define IDC_CLADDING_PROFILE 1250
#define IDC_CLADDING_BROWSE 1251
#define IDC_CLADDING_CHOICE_A 1252
#define IDC_CLADDING_CHOICE_B 1253
#define IDC_CLADDING_START 1254
#define IDC_CLADDING_END 1255
#define IDC_CLADDING_VALUE 1410
#define IDC_CLADDING_FLAG 1411

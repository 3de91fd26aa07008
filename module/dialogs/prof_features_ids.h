// Resource and control ids of the profile features dialog, shared by its resource script and
// the code.  The numbers are the ones the package's callers rely on.
#pragma once

#define IDD_PROF_FEATURES 241
#define IDC_PROF_FEATURES_CHECK 1018
#define IDC_PROF_FEATURES_PROFILE_LABEL 1188
#define IDC_PROF_FEATURES_PROFILE 1250
#define IDC_PROF_FEATURES_BROWSE 1251
#define IDC_PROF_FEATURES_VALUE1 1252
#define IDC_PROF_FEATURES_VALUE3_LIST 1253
#define IDC_PROF_FEATURES_LABEL1 1299
#define IDC_PROF_FEATURES_LABEL2 1301
#define IDC_PROF_FEATURES_VALUE2 1302
#define IDC_PROF_FEATURES_LABEL3 1303
#define IDC_PROF_FEATURES_VALUE3 1304
#define IDC_PROF_FEATURES_LABEL4 1305
#define IDC_PROF_FEATURES_VALUE4 1306

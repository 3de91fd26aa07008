// Resource and control ids of the profile page (219), shared by its resource script and the
// code.
#pragma once

#define IDD_MACRO_PROF_PAGE 219
// The sheet of unplaced values: the template page's id (IDC_PAGE_SHEET), which the shared page
// code attaches.
#define IDC_PROF_SHEET 1001
#define IDC_PROF_OPTIONS 1114
#define IDC_PROF_SEGMENTED 1210
#define IDC_PROF_GROUP_LABEL 1211
#define IDC_PROF_GROUP 1212
#define IDC_PROF_PROFILE 1213
#define IDC_PROF_PLANE_LABEL 1214
#define IDC_PROF_PLANE 1215
#define IDC_PROF_ROTATION_LABEL 1216
#define IDC_PROF_OFFSET_LABEL 1218
#define IDC_PROF_OFFSET 1219
#define IDC_PROF_PROFILE_LABEL 1220
#define IDC_PROF_SECTION 1221
#define IDC_PROF_SECTION_BUTTON 1222
#define IDC_PROF_PICK_PLANE 1223
#define IDC_PROF_ROTATION 1316

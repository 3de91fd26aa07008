// Control ids of the constraint editor's geometry page (8135) and variables page (8099),
// shared by their resource script and the code.  The page ids themselves are the editor's
// (constraints_ids.h).
#pragma once

#include "constraints_ids.h"

// Geometry page
#define IDC_CG_SHEET 1196

// Variables page
#define IDC_CV_VARIABLES 1127
#define IDC_CV_DIMENSIONS 1128
#define IDC_CV_EQUATIONS 1129
#define IDC_CV_VARIABLES_GROUP 1130
#define IDC_CV_ADD 1131
#define IDC_CV_DELETE_LAST 1132
#define IDC_CV_DIMENSIONS_GROUP 1133
#define IDC_CV_EQUATIONS_GROUP 1134

// Resource and control ids of the general dialogs, shared by the resource script and the
// code.  The numbers are the ones the package's callers rely on.
#pragma once

// Filtered open and save dialog
#define IDD_OPENSAVE_FILTERED 231
#define IDC_OPENSAVE_NAME 1043
#define IDC_OPENSAVE_DELETE 1087
#define IDC_OPENSAVE_LIST 1317
#define IDC_OPENSAVE_SHOW_FIRST 1382

// The package's delete icon for icon buttons (defined once, in module.rc).
#include "../resources/package_icons.h"
#define IDI_KV_DELETE IDI_KV_REMOVE

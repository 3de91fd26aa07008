// Resource and control ids of the image selection dialog, shared by its resource script and
// the code.  The numbers are the ones the package's callers rely on.
#pragma once

#define IDD_SELECT_IMAGE 8719
#define IDC_SELECT_IMAGE_LIST 9091

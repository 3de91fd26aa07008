#pragma once
// Ids shared by the compiled test script and the tests that look its resources up.
#define IDD_WINRES_MAIN 4100
#define IDC_WINRES_NAME 4101
#define IDC_WINRES_KIND (IDC_WINRES_NAME + 1)
#define IDB_WINRES_CHECK_ON 4134
#define IDB_WINRES_CHECK_OFF 4136
#define IDI_WINRES_APP 4139

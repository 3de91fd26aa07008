#pragma once
// Resource ids of the hidden bill sheet window (shared by C++ and the resource script).
#define IDD_BILL_SHEET 248
#define IDC_BILL_SHEET 1196
#define IDB_BILL_PICTURE_ROW 251

// Resource and control ids of the module's own resources, shared by the resource script and
// the C++ code.  The numbers are the ones the package's callers and stored files rely on.
#pragma once

// Pictures of the two states of a check-box cell in the macro dialogs' property sheets.
#define IDB_CHECK_OFF 8134
#define IDB_CHECK_ON 8136

// Text entry dialog: one line of text, or a confirmation when the edit field is hidden.
#define IDD_TEXT_ENTRY 8069
#define IDC_TEXT_ENTRY_PROMPT 8600
#define IDC_TEXT_ENTRY_EDIT 8003

// Resource and control ids of the text entry dialog, shared by its resource script and the
// code.  The numbers are the ones the package's callers rely on.
#pragma once

// One line of text, or a confirmation when the edit field is hidden.
#define IDD_TEXT_ENTRY 8069
#define IDC_TEXT_ENTRY_PROMPT 8600
#define IDC_TEXT_ENTRY_EDIT 8003

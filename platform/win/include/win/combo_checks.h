#pragma once
// Check marks per entry of a combo box's list, as check lists have them.  Not Win32 messages:
// the check combo box of the core library keeps its marks in the combo box itself, so that
// they can be read back and drawn like any state.  Only the program sets them; a click never
// does.  A combo box without a check style (the default) has no marks.

#include "win/types.h"

constexpr UINT CB_SETCHECKSTYLE = 0x01D0;   // wParam: a BS_* check style, 0 for none
constexpr UINT CB_GETCHECKSTYLE = 0x01D1;
constexpr UINT CB_SETCHECK = 0x01D2;        // wParam: entry, lParam: BST_*; CB_ERR without the entry
constexpr UINT CB_GETCHECK = 0x01D3;        // the entry's BST_* mark; CB_ERR without the entry

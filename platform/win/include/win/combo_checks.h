#pragma once
// Check marks per entry of a combo box's list, as check lists have them.  Not Win32 messages:
// the check combo box of the core library keeps its marks in the combo box itself, so that
// they can be read back and drawn like any state.  A combo box without a check style (the
// default) has no marks.  With BS_CHECKBOX or BS_3STATE only the program sets them; with
// BS_AUTOCHECKBOX or BS_AUTO3STATE a person does too, as in a check list: a click on the mark
// of an entry in the opened list, or Space (the entry under the highlight while the list is
// open, else the selected one), changes it, keeps the list open and the selection as it was,
// and tells the parent CBN_CHECKCHANGE.

#include "win/types.h"

constexpr UINT CB_SETCHECKSTYLE = 0x01D0;  // wParam: a BS_* check style, 0 for none
constexpr UINT CB_GETCHECKSTYLE = 0x01D1;
constexpr UINT CB_SETCHECK = 0x01D2;  // wParam: entry, lParam: BST_*; CB_ERR without the entry
constexpr UINT CB_GETCHECK = 0x01D3;  // the entry's BST_* mark; CB_ERR without the entry

constexpr UINT CBN_CHECKCHANGE = 40;  // a person changed a mark (CB_GETCHECK reads them)
constexpr int kComboCheckWidth = 16;  // the mark column at the left of the opened list

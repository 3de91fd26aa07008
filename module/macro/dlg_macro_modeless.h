#pragma once
// The macro input dialog without a modal loop: each open dialog holds a numbered slot of the
// module's modeless table until it ends.  A dialog whose drawing update still runs (the
// record's busy flag) is not closed under it: its close is retried every 50 ms until the
// update is done.

#include "core/records/macro_data.h"

// Opens a dialog over a copy of the record in the highest free slot (else a new one at the
// end) and gives its number in id.  With keepFocus false the keyboard goes back to the host's
// main window.  False when the dialog could not be made (id is still set, no slot is taken).
bool StartDlgMacroModeless(bool keepFocus, MacroData& macro, int& id);
// A copy of the record the dialog numbered id edits now; false, macro untouched, for a number
// that holds no dialog.
bool GetDlgMacroData(int id, MacroData& macro);
// Ends the dialog numbered id: at once, or, while its drawing is busy, on a later tick of a
// 50 ms timer (true at once either way).  False for a number that holds no dialog or a window
// that could not be destroyed.
bool EndDlgMacroModeless(int id);

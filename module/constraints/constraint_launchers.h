#pragma once
// The constraint editor's exported launchers.
//
// StartDlgEditConstrModal runs the editor modally over a copy of the record and returns true
// when it ended with OK (Escape on a page counts as OK, the close box does not).  The caller's
// record is never changed: every edit reached the drawing while the editor ran.
//
// StartDlgEditConstraints opens the one modeless editor (always true); while one is open a
// further call changes nothing and does not take its record.  EndDlgEditConstraints
// (frame/modeless_tables.h) closes it.

class EditConstrData;

bool StartDlgEditConstrModal(EditConstrData& data);
bool StartDlgEditConstraints(EditConstrData& data);

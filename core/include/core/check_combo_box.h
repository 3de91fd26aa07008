#pragma once
// CCheckComboBox: a drop-down list whose entries carry check marks, for lists where one or more
// entries are marked as in use while another may be selected (the standard DSTV point group
// among all groups).  The marks live in the combo box itself (the window system's check style
// of combo boxes), so that they are read back and drawn like any other state.  By default only
// the program sets them: a person selects entries as in any drop-down list, and a click never
// changes a mark.  Made with PersonTicks, a person ticks marks too (a click on the mark in the
// opened list, or Space), and the parent hears CBN_CHECKCHANGE.

#include "win/afx/controls.h"
#include "win/combo_checks.h"

class CCheckComboBox : public CComboBox {
public:
    enum Ticking { ProgramTicks, PersonTicks };
    explicit CCheckComboBox(Ticking ticking = ProgramTicks) : ticking_(ticking) {}

    // Adds an entry with its mark; the index of the new entry.
    int AddString(LPCSTR text, bool checked);
    using CComboBox::AddString;
    // False when there is no entry at index.
    bool SetCheck(int index, bool checked);
    // The mark of an entry; false also when there is no entry at index.
    bool GetCheck(int index) const;
    void PreSubclassWindow() override;

private:
    Ticking ticking_;
};

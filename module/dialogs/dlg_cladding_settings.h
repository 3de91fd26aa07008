#pragma once
// CDlgCladdingSettings: edits the settings of one cladding purlin (TwCladdingDlgData): its
// profile (a section combo with a browse button), two fixed choices, a value that only the
// fourth and fifth entries of the second choice need (the field is disabled otherwise, but
// what it holds is still read back), a flag, and the constraint types at its two ends.  Only
// the constraint types valid for the purlin's type are offered; a type is shown and read back
// by its name, so the five names must differ.  A type that is not offered selects nothing and
// an empty selection reads back as type 0.

#include "core/kv_string_array.h"
#include "core/records/tw_cladding_dlg_data.h"
#include "win/afxwin.h"

class CDlgCladdingSettings : public CDialog {
public:
    explicit CDlgCladdingSettings(CWnd* parent = nullptr);

    TwCladdingDlgData data;

    // The name of constraint type k (text 1723 + k); empty for a number outside 0 to 4.
    static Kv_String constrainTypeName(int type);
    // The first type with that name, 0 when none has it.
    static TwCladConstrainType constrainTypeFromName(const Kv_String& name);

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void showValues();
    void readValues();
    void enableValue();
    void browse();

    CComboBox profileCombo_;
    Kv_StringArray systemNames_;
};

// Runs the cladding settings dialog over the caller's record; true, with the record copied
// back, on OK.
bool StartDlgCladdingSettings(TwCladdingDlgData& data);

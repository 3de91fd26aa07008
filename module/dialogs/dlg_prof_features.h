#pragma once
// CDlgProfFeatures: a form whose rows the caller defines (DlgProfFeaturesData): a profile and
// up to four labelled values.  A row whose label is empty is hidden and its value comes back
// as given; an empty check box label hides the box and `checked` comes back as given.  Row 3
// shows value3, or altValue3 (with altLabel3) while the box is ticked, in edit 1304 or, as a
// list of the choices, in combo 1253; what it holds goes back into the field it showed.
//
// Rules it keeps beyond the package's old ones: a value of row 1 or of row 3 as a list that is
// not among the choices is shown as the combo's text and comes back unchanged; the list form of
// row 3 follows the check box like the edit does.  With the box hidden, the record's `checked`
// decides which of row 3's pairs is shown.

#include "core/kv_string_array.h"
#include "core/records/dlg_prof_features_data.h"
#include "win/afxwin.h"

class CDlgProfFeatures : public CDialog {
public:
    explicit CDlgProfFeatures(CWnd* parent = nullptr);

    DlgProfFeaturesData data;

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    int rowThreeControl() const;
    bool alternativeShown() const;
    void showInCombo(int id, const Kv_String& text);
    void showRowThree(const Kv_String& text);
    void applyCheckRule();
    Kv_String textOf(int id) const;

    CComboBox profileCombo_;
    Kv_StringArray systemNames_;
};

// Runs the profile features dialog over the caller's record; true, with the record copied
// back, on OK.
bool StartDlgProfFeatures(DlgProfFeaturesData& data);

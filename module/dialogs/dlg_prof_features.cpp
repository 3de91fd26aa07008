#include "dialogs/dlg_prof_features.h"

#include <string>

#include "core/dialog_helpers.h"
#include "core/kv_texts.h"
#include "dialogs/prof_features_ids.h"
#include "frame/dialog_launcher.h"
#include "sections/section_pickers.h"

CDlgProfFeatures::CDlgProfFeatures(CWnd* parent) : CDialog(IDD_PROF_FEATURES, parent) {}

BOOL CDlgProfFeatures::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(data.caption.c_str());
    SetDlgItemText(IDC_PROF_FEATURES_PROFILE_LABEL, dialString(1003).c_str());
    SetDlgItemText(IDC_PROF_FEATURES_BROWSE, dialString(969).c_str());
    SetDlgItemText(IDC_PROF_FEATURES_LABEL1, data.label1.c_str());
    SetDlgItemText(IDC_PROF_FEATURES_LABEL2, data.label2.c_str());
    SetDlgItemText(IDC_PROF_FEATURES_LABEL3, data.label3.c_str());
    SetDlgItemText(IDC_PROF_FEATURES_LABEL4, data.label4.c_str());
    SetDlgItemText(IDC_PROF_FEATURES_CHECK, data.checkLabel.c_str());
    SetDlgItemText(IDOK, dialString(1).c_str());
    SetDlgItemText(IDCANCEL, dialString(2).c_str());

    profileCombo_.SubclassDlgItem(IDC_PROF_FEATURES_PROFILE, this);
    fillSectionCombo(profileCombo_, systemNames_, data.profile);
    FillCombo(this, IDC_PROF_FEATURES_VALUE1, data.choices);
    if (data.row3AsList) FillCombo(this, IDC_PROF_FEATURES_VALUE3_LIST, data.choices);
    ShowOrHideCtrl(this, data.row3AsList ? IDC_PROF_FEATURES_VALUE3 : IDC_PROF_FEATURES_VALUE3_LIST, false);

    struct Row {
        const Kv_String& label;
        int labelId, controlId;
    };
    const Row rows[] = {{data.label1, IDC_PROF_FEATURES_LABEL1, IDC_PROF_FEATURES_VALUE1},
                        {data.label2, IDC_PROF_FEATURES_LABEL2, IDC_PROF_FEATURES_VALUE2},
                        {data.label3, IDC_PROF_FEATURES_LABEL3, rowThreeControl()},
                        {data.label4, IDC_PROF_FEATURES_LABEL4, IDC_PROF_FEATURES_VALUE4}};
    for (const Row& row : rows) {
        if (!row.label.isEmpty()) continue;
        ShowOrHideCtrl(this, row.labelId, false);
        ShowOrHideCtrl(this, row.controlId, false);
    }
    if (!data.label1.isEmpty()) showInCombo(IDC_PROF_FEATURES_VALUE1, data.value1);
    if (!data.label2.isEmpty()) SetDlgItemText(IDC_PROF_FEATURES_VALUE2, data.value2.c_str());
    if (!data.label3.isEmpty()) showRowThree(data.checked ? data.altValue3 : data.value3);
    if (!data.label4.isEmpty()) SetDlgItemText(IDC_PROF_FEATURES_VALUE4, data.value4.c_str());

    if (data.checkLabel.isEmpty())
        ShowOrHideCtrl(this, IDC_PROF_FEATURES_CHECK, false);
    else
        ::CheckDlgButton(m_hWnd, IDC_PROF_FEATURES_CHECK, data.checked ? BST_CHECKED : BST_UNCHECKED);
    applyCheckRule();
    return TRUE;
}

int CDlgProfFeatures::rowThreeControl() const {
    return data.row3AsList ? IDC_PROF_FEATURES_VALUE3_LIST : IDC_PROF_FEATURES_VALUE3;
}

bool CDlgProfFeatures::alternativeShown() const {
    if (data.checkLabel.isEmpty()) return data.checked;
    return ::IsDlgButtonChecked(m_hWnd, IDC_PROF_FEATURES_CHECK) == BST_CHECKED;
}

void CDlgProfFeatures::showInCombo(int id, const Kv_String& text) {
    // The item equal to the text, compared exactly; a text that is no item stays as the combo's
    // own text, so that it comes back as it was.
    const int index = data.choices.find(text, false);
    if (index >= 0 && static_cast<int>(SendDlgItemMessage(id, CB_GETCOUNT)) > index)
        SendDlgItemMessage(id, CB_SETCURSEL, static_cast<WPARAM>(index));
    else
        SetDlgItemText(id, text.c_str());
}

void CDlgProfFeatures::showRowThree(const Kv_String& text) {
    if (data.row3AsList)
        showInCombo(IDC_PROF_FEATURES_VALUE3_LIST, text);
    else
        SetDlgItemText(IDC_PROF_FEATURES_VALUE3, text.c_str());
}

void CDlgProfFeatures::applyCheckRule() {
    if (data.altLabel3.isEmpty()) return;
    const bool alternative = alternativeShown();
    SetDlgItemText(IDC_PROF_FEATURES_LABEL3, (alternative ? data.altLabel3 : data.label3).c_str());
    // What was typed into row 3 before the click is not kept: the row shows the stored value.
    if (!data.altValue3.isEmpty()) showRowThree(alternative ? data.altValue3 : data.value3);
}

Kv_String CDlgProfFeatures::textOf(int id) const {
    std::string text;
    GetDlgItemText(id, text);
    return Kv_String(text);
}

void CDlgProfFeatures::OnOK() {
    Kv_String profile;
    if (selectedSystemName(profileCombo_, systemNames_, profile)) data.profile = profile;
    if (!data.checkLabel.isEmpty()) data.checked = ::IsDlgButtonChecked(m_hWnd, IDC_PROF_FEATURES_CHECK) == BST_CHECKED;
    if (!data.label1.isEmpty()) data.value1 = textOf(IDC_PROF_FEATURES_VALUE1);
    if (!data.label2.isEmpty()) data.value2 = textOf(IDC_PROF_FEATURES_VALUE2);
    if (!data.label3.isEmpty()) (data.checked ? data.altValue3 : data.value3) = textOf(rowThreeControl());
    if (!data.label4.isEmpty()) data.value4 = textOf(IDC_PROF_FEATURES_VALUE4);
    EndDialog(IDOK);
}

BOOL CDlgProfFeatures::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam), code = HIWORD(wParam);
    if (id == IDC_PROF_FEATURES_CHECK && code == BN_CLICKED) {
        applyCheckRule();
        return TRUE;
    }
    if (id == IDC_PROF_FEATURES_BROWSE && code == BN_CLICKED) {
        chooseSectionAndFill(profileCombo_, systemNames_);
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

bool StartDlgProfFeatures(DlgProfFeaturesData& data) {
    return frame::launchModalDialog<CDlgProfFeatures>(
        frame::LaunchRules{}, [&](CDlgProfFeatures& dialog) { dialog.data = data; },
        [&](CDlgProfFeatures& dialog) { data = dialog.data; });
}

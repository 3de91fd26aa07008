#include "dialogs/dlg_cladding_settings.h"

#include <string>

#include "core/dialog_helpers.h"
#include "core/kv_texts.h"
#include "dialogs/cladding_ids.h"
#include "frame/dialog_launcher.h"
#include "sections/section_pickers.h"

namespace {

// The entries of the second choice that need the value.
bool choiceNeedsValue(int choiceB) { return choiceB == 3 || choiceB == 4; }

Kv_StringArray textsFrom(int first, int last) {
    Kv_StringArray texts;
    for (int n = first; n <= last; ++n) texts.append(dialString(n));
    return texts;
}

}  // namespace

CDlgCladdingSettings::CDlgCladdingSettings(CWnd* parent) : CDialog(IDD_CLADDING_SETTINGS, parent) {}

Kv_String CDlgCladdingSettings::constrainTypeName(int type) {
    if (type < 0 || type >= kCladConstrainTypeCount) return Kv_String();
    return dialString(1723 + type);
}

TwCladConstrainType CDlgCladdingSettings::constrainTypeFromName(const Kv_String& name) {
    for (int type = 0; type < kCladConstrainTypeCount; ++type)
        if (constrainTypeName(type).equal(name, false)) return static_cast<TwCladConstrainType>(type);
    return kCladConstrainFree;
}

BOOL CDlgCladdingSettings::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(1708).c_str());
    SetDlgItemText(IDC_CLADDING_PROFILE_LABEL, dialString(1012).c_str());
    SetDlgItemText(IDC_CLADDING_BROWSE, dialString(969).c_str());
    SetDlgItemText(IDC_CLADDING_START_LABEL, (dialString(1721) + ":").c_str());
    SetDlgItemText(IDC_CLADDING_END_LABEL, (dialString(1722) + ":").c_str());
    SetDlgItemText(IDC_CLADDING_CHOICE_A_LABEL, dialString(1709).c_str());
    SetDlgItemText(IDC_CLADDING_CHOICE_B_LABEL, dialString(1710).c_str());
    SetDlgItemText(IDC_CLADDING_VALUE_LABEL, dialString(1711).c_str());
    SetDlgItemText(IDC_CLADDING_FLAG, dialString(1712).c_str());
    SetDlgItemText(IDOK, dialString(1).c_str());
    SetDlgItemText(IDCANCEL, dialString(2).c_str());
    profileCombo_.SubclassDlgItem(IDC_CLADDING_PROFILE, this);

    FillCombo(this, IDC_CLADDING_CHOICE_A, textsFrom(1713, 1715));
    FillCombo(this, IDC_CLADDING_CHOICE_B, textsFrom(1716, 1720));
    Kv_StringArray validTypes;
    for (int type = 0; type < kCladConstrainTypeCount; ++type)
        if (isValidConstrainType(data.purlinType, static_cast<TwCladConstrainType>(type), true))
            validTypes.append(constrainTypeName(type));
    FillCombo(this, IDC_CLADDING_START, validTypes);
    FillCombo(this, IDC_CLADDING_END, validTypes);

    showValues();
    return TRUE;
}

void CDlgCladdingSettings::showValues() {
    fillSectionCombo(profileCombo_, systemNames_, data.profile);
    auto selectType = [&](int id, TwCladConstrainType type) {
        // A type that is not offered, or has no name, selects nothing.
        const Kv_String name = constrainTypeName(type);
        const LPARAM text = reinterpret_cast<LPARAM>(name.c_str());
        const int index = name.isEmpty() ? -1 : static_cast<int>(SendDlgItemMessage(id, CB_FINDSTRINGEXACT, -1, text));
        SendDlgItemMessage(id, CB_SETCURSEL, static_cast<WPARAM>(index));
    };
    selectType(IDC_CLADDING_START, data.constraintStart);
    selectType(IDC_CLADDING_END, data.constraintEnd);
    SendDlgItemMessage(IDC_CLADDING_CHOICE_A, CB_SETCURSEL, static_cast<WPARAM>(data.choiceA));
    SendDlgItemMessage(IDC_CLADDING_CHOICE_B, CB_SETCURSEL, static_cast<WPARAM>(data.choiceB));
    SetDlgItemText(IDC_CLADDING_VALUE, data.value.c_str());
    ::CheckDlgButton(m_hWnd, IDC_CLADDING_FLAG, data.flag ? BST_CHECKED : BST_UNCHECKED);
    enableValue();
}

void CDlgCladdingSettings::readValues() {
    Kv_String profile;
    if (selectedSystemName(profileCombo_, systemNames_, profile)) data.profile = profile;
    std::string start, end, value;
    GetDlgItemText(IDC_CLADDING_START, start);
    GetDlgItemText(IDC_CLADDING_END, end);
    data.constraintStart = constrainTypeFromName(Kv_String(start));
    data.constraintEnd = constrainTypeFromName(Kv_String(end));
    data.choiceA = static_cast<int>(SendDlgItemMessage(IDC_CLADDING_CHOICE_A, CB_GETCURSEL));
    data.choiceB = static_cast<int>(SendDlgItemMessage(IDC_CLADDING_CHOICE_B, CB_GETCURSEL));
    GetDlgItemText(IDC_CLADDING_VALUE, value);
    data.value = Kv_String(value);
    data.flag = ::IsDlgButtonChecked(m_hWnd, IDC_CLADDING_FLAG) == BST_CHECKED;
}

void CDlgCladdingSettings::enableValue() { EnDisCtrl(this, IDC_CLADDING_VALUE, choiceNeedsValue(data.choiceB)); }

void CDlgCladdingSettings::browse() {
    readValues();
    if (chooseSection(data.profile)) showValues();
}

void CDlgCladdingSettings::OnOK() {
    readValues();
    EndDialog(IDOK);
}

BOOL CDlgCladdingSettings::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam), code = HIWORD(wParam);
    if (id == IDC_CLADDING_CHOICE_B && code == CBN_SELCHANGE) {
        readValues();
        enableValue();
        return TRUE;
    }
    if (id == IDC_CLADDING_BROWSE && code == BN_CLICKED) {
        browse();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

bool StartDlgCladdingSettings(TwCladdingDlgData& data) {
    return frame::launchModalDialog<CDlgCladdingSettings>(
        frame::LaunchRules{}, [&](CDlgCladdingSettings& dialog) { dialog.data = data; },
        [&](CDlgCladdingSettings& dialog) { data = dialog.data; });
}

#include "dialogs/dlg_look_up.h"

#include <string>

#include "core/dialog_helpers.h"
#include "core/kv_texts.h"
#include "dialogs/lookup_ids.h"
#include "frame/dialog_launcher.h"

namespace {

constexpr int kShowAllResult = 2;

}  // namespace

CDlgLookUp::CDlgLookUp(CWnd* parent) : CDialog(IDD_LOOKUP, parent) {}

BOOL CDlgLookUp::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(1499).c_str());
    SetDlgItemText(IDC_LOOKUP_FRAME, dialString(1500).c_str());
    SetDlgItemText(IDC_LOOKUP_LABEL_1, dialString(87).c_str());
    SetDlgItemText(IDC_LOOKUP_LABEL_2, string(2262).c_str());
    SetDlgItemText(IDC_LOOKUP_LABEL_3, string(2263).c_str());
    SetDlgItemText(IDC_LOOKUP_LABEL_4, dialString(95).c_str());
    SetDlgItemText(IDC_LOOKUP_LABEL_5, dialString(96).c_str());
    SetDlgItemText(IDC_LOOKUP_CHOICE_B_LABEL, dialString(1501).c_str());
    SetDlgItemText(IDC_LOOKUP_FIRST_OPTION, dialString(1516).c_str());
    SetDlgItemText(IDC_LOOKUP_SECOND_OPTION, dialString(1517).c_str());
    SetDlgItemText(IDC_LOOKUP_FLAG, dialString(1502).c_str());
    SetDlgItemText(IDC_LOOKUP_SHOW_ALL, dialString(1503).c_str());
    SetDlgItemText(IDOK, dialString(1).c_str());
    SetDlgItemText(IDCANCEL, dialString(2).c_str());

    const struct {
        int id;
        const Kv_StringArray& list;
        const Kv_String& text;
    } criteria[] = {{IDC_LOOKUP_TEXT_1, data.list1, data.text1},
                    {IDC_LOOKUP_TEXT_2, data.list2, data.text2},
                    {IDC_LOOKUP_TEXT_3, data.list3, data.text3},
                    {IDC_LOOKUP_TEXT_4, data.list4, data.text4},
                    {IDC_LOOKUP_TEXT_5, data.list5, data.text5}};
    for (const auto& criterion : criteria) {
        FillCombo(this, criterion.id, criterion.list);
        SetDlgItemText(criterion.id, criterion.text.c_str());
    }
    FillCombo(this, IDC_LOOKUP_CHOICE_A, Kv_StringArray{dialString(88), dialString(89), dialString(1511)},
              data.choiceA);
    FillCombo(this, IDC_LOOKUP_CHOICE_B, Kv_StringArray{dialString(1504), dialString(1505), dialString(1506)},
              data.choiceB);
    ::CheckRadioButton(m_hWnd, IDC_LOOKUP_FIRST_OPTION, IDC_LOOKUP_SECOND_OPTION,
                       data.secondOption == 0 ? IDC_LOOKUP_FIRST_OPTION : IDC_LOOKUP_SECOND_OPTION);
    ::CheckDlgButton(m_hWnd, IDC_LOOKUP_FLAG, data.flag ? BST_CHECKED : BST_UNCHECKED);
    enableFlag();
    return TRUE;
}

void CDlgLookUp::enableFlag() {
    EnDisCtrl(this, IDC_LOOKUP_FLAG, ::IsDlgButtonChecked(m_hWnd, IDC_LOOKUP_FIRST_OPTION) == BST_CHECKED);
}

Kv_String CDlgLookUp::fieldText(int id) const {
    std::string text;
    GetDlgItemText(id, text);
    return Kv_String(text);
}

void CDlgLookUp::readBack() {
    data.text1 = fieldText(IDC_LOOKUP_TEXT_1);
    data.text2 = fieldText(IDC_LOOKUP_TEXT_2);
    data.text3 = fieldText(IDC_LOOKUP_TEXT_3);
    data.text4 = fieldText(IDC_LOOKUP_TEXT_4);
    data.text5 = fieldText(IDC_LOOKUP_TEXT_5);
    data.choiceA = static_cast<int>(SendDlgItemMessage(IDC_LOOKUP_CHOICE_A, CB_GETCURSEL));
    data.choiceB = static_cast<int>(SendDlgItemMessage(IDC_LOOKUP_CHOICE_B, CB_GETCURSEL));
    data.secondOption = ::IsDlgButtonChecked(m_hWnd, IDC_LOOKUP_FIRST_OPTION) == BST_CHECKED ? 0 : 1;
    data.flag = ::IsDlgButtonChecked(m_hWnd, IDC_LOOKUP_FLAG) == BST_CHECKED;
    data.resultCode = 0;
}

void CDlgLookUp::OnOK() {
    readBack();
    EndDialog(IDOK);
}

BOOL CDlgLookUp::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam), code = HIWORD(wParam);
    if ((id == IDC_LOOKUP_FIRST_OPTION || id == IDC_LOOKUP_SECOND_OPTION) && code == BN_CLICKED) {
        enableFlag();
        return TRUE;
    }
    if (id == IDC_LOOKUP_SHOW_ALL && code == BN_CLICKED) {
        readBack();
        data.resultCode = kShowAllResult;
        // Ended as confirmed, not with the button's own id, so that the record is copied back.
        EndDialog(IDOK);
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

bool StartDlgLookUp(TwLookUpDlgData& data) {
    return frame::launchModalDialog<CDlgLookUp>(
        frame::LaunchRules{}, [&](CDlgLookUp& dialog) { dialog.data = data; },
        [&](CDlgLookUp& dialog) { data = dialog.data; });
}

#include "frame/dlg_text_entry.h"

#include <string>

#include "frame/text_entry_ids.h"

CDlgTextEntry::CDlgTextEntry(CWnd* parent) : CDialog(IDD_TEXT_ENTRY, parent) {}

BOOL CDlgTextEntry::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(title.c_str());
    SetDlgItemText(IDC_TEXT_ENTRY_PROMPT, prompt.c_str());
    SetDlgItemText(IDC_TEXT_ENTRY_EDIT, text.c_str());
    // A button without a label could not be told apart from its neighbour.
    if (!okText.isEmpty()) SetDlgItemText(IDOK, okText.c_str());
    if (!cancelText.isEmpty()) SetDlgItemText(IDCANCEL, cancelText.c_str());

    CWnd* edit = GetDlgItem(IDC_TEXT_ENTRY_EDIT);
    if (!textRequired) {
        // A hidden field cannot take the typing; the confirmation is answered with the buttons.
        if (edit) edit->ShowWindow(SW_HIDE);
        GotoDlgCtrl(GetDlgItem(IDOK));
        return FALSE;
    }
    if (edit) {
        GotoDlgCtrl(edit);
        // Selected whole, so that typing replaces the proposal.
        edit->SendMessage(EM_SETSEL, 0, -1);
    }
    return FALSE;  // the focus is set
}

void CDlgTextEntry::OnOK() {
    std::string typed;
    GetDlgItemText(IDC_TEXT_ENTRY_EDIT, typed);
    if (textRequired && typed.empty()) return;
    text = Kv_String(typed);
    confirmed = true;
    EndDialog(IDOK);
}

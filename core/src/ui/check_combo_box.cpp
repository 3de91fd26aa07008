#include "core/check_combo_box.h"

int CCheckComboBox::AddString(LPCSTR text, bool checked) {
    const int index = CComboBox::AddString(text);
    if (index >= 0) SetCheck(index, checked);
    return index;
}

bool CCheckComboBox::SetCheck(int index, bool checked) {
    return SendMessage(CB_SETCHECK, static_cast<WPARAM>(index), checked ? BST_CHECKED : BST_UNCHECKED) != CB_ERR;
}

bool CCheckComboBox::GetCheck(int index) const {
    return SendMessage(CB_GETCHECK, static_cast<WPARAM>(index)) == BST_CHECKED;
}

void CCheckComboBox::PreSubclassWindow() {
    // Two states are enough: a mark says whether the entry is in use.
    if (!SendMessage(CB_GETCHECKSTYLE))
        SendMessage(CB_SETCHECKSTYLE, ticking_ == PersonTicks ? BS_AUTOCHECKBOX : BS_CHECKBOX);
}

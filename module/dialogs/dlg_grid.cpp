#include "dialogs/dlg_grid.h"

#include <string>

#include "core/kv_texts.h"
#include "dialogs/grid_ids.h"
#include "frame/dialog_launcher.h"

CDlgGrid::CDlgGrid(CWnd* parent) : CDialog(IDD_GRID, parent) {}

BOOL CDlgGrid::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(1463).c_str());
    SetDlgItemText(IDC_GRID_FRAME_X, dialString(1464).c_str());
    SetDlgItemText(IDC_GRID_FRAME_Y, dialString(1465).c_str());
    for (int id : {IDC_GRID_COUNT_X_LABEL, IDC_GRID_COUNT_Y_LABEL}) SetDlgItemText(id, dialString(1466).c_str());
    for (int id : {IDC_GRID_SPACING_X_LABEL, IDC_GRID_SPACING_Y_LABEL}) SetDlgItemText(id, dialString(1467).c_str());
    for (int id : {IDC_GRID_FIRST_X_LABEL, IDC_GRID_FIRST_Y_LABEL}) SetDlgItemText(id, dialString(1468).c_str());
    SetDlgItemText(IDC_GRID_OPTION, dialString(1469).c_str());
    SetDlgItemText(IDOK, dialString(1).c_str());
    SetDlgItemText(IDCANCEL, dialString(2).c_str());

    SetDlgItemText(IDC_GRID_COUNT_X, Kv_String(data.countX).c_str());
    SetDlgItemText(IDC_GRID_SPACING_X, data.spacingX.c_str());
    SetDlgItemText(IDC_GRID_FIRST_X, data.firstNameX.c_str());
    SetDlgItemText(IDC_GRID_COUNT_Y, Kv_String(data.countY).c_str());
    SetDlgItemText(IDC_GRID_SPACING_Y, data.spacingY.c_str());
    SetDlgItemText(IDC_GRID_FIRST_Y, data.firstNameY.c_str());
    ::CheckDlgButton(m_hWnd, IDC_GRID_OPTION, data.option ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}

Kv_String CDlgGrid::fieldText(int id) const {
    std::string text;
    GetDlgItemText(id, text);
    return Kv_String(text);
}

void CDlgGrid::OnOK() {
    data.countX = fieldText(IDC_GRID_COUNT_X).toInt();
    data.spacingX = fieldText(IDC_GRID_SPACING_X);
    data.firstNameX = fieldText(IDC_GRID_FIRST_X);
    data.countY = fieldText(IDC_GRID_COUNT_Y).toInt();
    data.spacingY = fieldText(IDC_GRID_SPACING_Y);
    data.firstNameY = fieldText(IDC_GRID_FIRST_Y);
    data.option = ::IsDlgButtonChecked(m_hWnd, IDC_GRID_OPTION) == BST_CHECKED;
    EndDialog(IDOK);
}

bool StartDlgGrid(TwGridDlgData& data) {
    return frame::launchModalDialog<CDlgGrid>(
        frame::LaunchRules{}, [&](CDlgGrid& dialog) { dialog.data = data; },
        [&](CDlgGrid& dialog) { data = dialog.data; });
}

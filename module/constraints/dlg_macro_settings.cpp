#include "constraints/dlg_macro_settings.h"

#include "constraints/macro_settings_ids.h"
#include "core/kv_texts.h"

DlgMacroSettings::DlgMacroSettings(CWnd* parent) : CAcUiTabMainDialog(IDD_MACRO_SETTINGS, parent) {}

BOOL DlgMacroSettings::OnInitDialog() {
    CAcUiTabMainDialog::OnInitDialog();
    SetWindowText(dialString(916).c_str());
    SetDlgItemText(IDOK, dialString(1).c_str());
    SetDlgItemText(IDCANCEL, dialString(2).c_str());
    anglePage_.settings = &settings;
    distancePage_.settings = &settings;
    templatePage_.settings = &settings;
    tablePage_.settings = &settings;
    listPage_.settings = &settings;
    SetAcadTabControl(IDC_MS_TABS);
    AddTab(0, dialString(917).c_str(), IDD_MS_ANGLE_PAGE, &anglePage_);
    AddTab(1, dialString(918).c_str(), IDD_MS_DISTANCE_PAGE, &distancePage_);
    AddTab(2, dialString(919).c_str(), IDD_MS_TEMPLATE_PAGE, &templatePage_);
    AddTab(3, dialString(875).c_str(), IDD_MS_TABLE_PAGE, &tablePage_);
    AddTab(4, dialString(755).c_str(), IDD_MS_LIST_PAGE, &listPage_);
    SetActiveTab(0);
    return TRUE;
}

void DlgMacroSettings::OnOK() {
    templatePage_.storeShownAndCopyBack();
    CAcUiTabMainDialog::OnOK();
}

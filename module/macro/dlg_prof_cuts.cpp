#include "macro/dlg_prof_cuts.h"

#include <algorithm>

#include "core/dialog_helpers.h"
#include "core/kv_texts.h"
#include "frame/dialog_launcher.h"
#include "frame/module_frame.h"
#include "macro/cuts_ids.h"
#include "resources/package_icons.h"

CDlgProfCuts::CDlgProfCuts(CWnd* parent) : CAcUiDialog(IDD_PROF_CUTS, parent) {}

BOOL CDlgProfCuts::OnInitDialog() {
    CAcUiDialog::OnInitDialog();
    const struct {
        int id, icon, tooltip;
    } buttons[] = {{IDC_PROF_CUTS_OTHER_PROFILE, IDI_KV_SELECT_MACRO, 1121},
                   {IDC_PROF_CUTS_DELETE, IDI_KV_REMOVE, 1122}};
    for (size_t i = 0; i < iconButtons_.size(); ++i) {
        if (!iconButtons_[i].SubclassDlgItem(buttons[i].id, this)) continue;
        iconButtons_[i].SetIcon(buttons[i].icon);
        iconButtons_[i].SetTooltipText(buttons[i].tooltip);
    }
    SetWindowText(dialString(1123).c_str());
    SetDlgItemText(IDOK, dialString(285).c_str());
    SetDlgItemText(IDC_PROF_CUTS_OTHER_PROFILE, dialString(1124).c_str());
    SetDlgItemText(IDC_PROF_CUTS_ONLY_SELECTED, dialString(1125).c_str());
    CheckDlgButton(IDC_PROF_CUTS_ONLY_SELECTED, onlySelectedPreview ? BST_CHECKED : BST_UNCHECKED);
    fillCuts();
    selectCut(0);
    return TRUE;
}

void CDlgProfCuts::fillCuts() {
    Kv_StringArray descriptions;
    data.getCutDescs(descriptions);
    FillCombo(this, IDC_PROF_CUTS_LIST, descriptions);
}

void CDlgProfCuts::selectCut(int index) {
    const int count = static_cast<int>(SendDlgItemMessage(IDC_PROF_CUTS_LIST, CB_GETCOUNT));
    if (count <= 0) {
        current_ = -1;
        return;
    }
    current_ = std::clamp(index, 0, count - 1);
    SendDlgItemMessage(IDC_PROF_CUTS_LIST, CB_SETCURSEL, static_cast<WPARAM>(current_));
    data.selectedCut = current_;
    data.drawCutPreview(current_);
}

void CDlgProfCuts::deleteCut() {
    const int selected = static_cast<int>(SendDlgItemMessage(IDC_PROF_CUTS_LIST, CB_GETCURSEL));
    if (selected < 0) return;
    if (onlySelectedPreview) data.removeCutPreview(current_);
    data.removeCut(selected);
    fillCuts();
    selectCut(current_);
}

void CDlgProfCuts::pickOtherProfile() {
    if (onlySelectedPreview) data.removeAllCutPreviews();
    if (!BeginEditorCommand()) return;
    if (data.selectOtherProf()) {
        fillCuts();
        selectCut(current_);
    }
    CompleteEditorCommand();
}

BOOL CDlgProfCuts::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == IDC_PROF_CUTS_LIST && code == CBN_SELCHANGE) {
        if (onlySelectedPreview) data.removeCutPreview(current_);
        current_ = static_cast<int>(SendDlgItemMessage(IDC_PROF_CUTS_LIST, CB_GETCURSEL));
        data.selectedCut = current_;
        data.drawCutPreview(current_);
        return TRUE;
    }
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_PROF_CUTS_ONLY_SELECTED: onlySelectedPreview = IsDlgButtonChecked(id) == BST_CHECKED; return TRUE;
        case IDC_PROF_CUTS_DELETE: deleteCut(); return TRUE;
        case IDC_PROF_CUTS_OTHER_PROFILE: pickOtherProfile(); return TRUE;
        default: break;
        }
    }
    return CAcUiDialog::OnCommand(wParam, lParam);
}

void CDlgProfCuts::OnDestroy() {
    if (onlySelectedPreview) data.removeAllCutPreviews();
    CAcUiDialog::OnDestroy();
}

bool StartEditProfCutsDlg(DlgProfCutsData& data) {
    return frame::launchModalDialog<CDlgProfCuts>(
        frame::LaunchRules{},
        [&](CDlgProfCuts& dialog) {
            dialog.data = data;
            dialog.onlySelectedPreview = frame::profCutsRememberedFlag();
        },
        [&](CDlgProfCuts& dialog) { frame::rememberProfCutsFlag(dialog.onlySelectedPreview); });
}

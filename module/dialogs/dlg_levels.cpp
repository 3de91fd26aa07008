#include "dialogs/dlg_levels.h"

#include <string>

#include "core/dialog_helpers.h"
#include "core/kv_texts.h"
#include "dialogs/grid_ids.h"
#include "frame/dialog_launcher.h"
#include "frame/text_entry_launcher.h"

CDlgLevels::CDlgLevels(CWnd* parent) : CDialog(IDD_LEVELS, parent) {}

Kv_String CDlgLevels::nameInUseMessage() { return string(857) + ".\n" + string(858) + "."; }

BOOL CDlgLevels::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(1478).c_str());
    SetDlgItemText(IDC_LEVELS_FRAME, dialString(760).c_str());
    SetDlgItemText(IDC_LEVELS_NAME_LABEL, dialString(87).c_str());
    SetDlgItemText(IDC_LEVELS_REFERENCE_LABEL, dialString(1473).c_str());
    SetDlgItemText(IDC_LEVELS_VALUE_LABEL, dialString(593).c_str());
    SetDlgItemText(IDC_LEVELS_HEIGHT_LABEL, dialString(1474).c_str());
    SetDlgItemText(IDOK, dialString(1).c_str());
    SetDlgItemText(IDCANCEL, dialString(2).c_str());
    addButton_.SubclassDlgItem(IDC_LEVELS_ADD, this);
    addButton_.SetIcon(IDI_KV_ADD);
    addButton_.SetTooltipText(131);
    deleteButton_.SubclassDlgItem(IDC_LEVELS_DELETE, this);
    deleteButton_.SetIcon(IDI_KV_REMOVE);
    deleteButton_.SetTooltipText(134);

    fillLevelList();
    showLevel(0);
    return TRUE;
}

void CDlgLevels::fillLevelList() {
    Kv_StringArray names;
    data.getNames(names);
    FillCombo(this, IDC_LEVELS_LIST, names);
}

void CDlgLevels::showLevel(int index) {
    Kv_String name, reference;
    double value = 0, height = 0;
    const bool exists = data.getLevelData(index, name, reference, value, height);
    SendDlgItemMessage(IDC_LEVELS_LIST, CB_SETCURSEL, static_cast<WPARAM>(exists ? index : -1));
    if (exists) {
        Kv_StringArray others;
        data.getNames(others);
        others.removeAt(index);
        FillCombo(this, IDC_LEVELS_REFERENCE, others, others.find(reference, false));
        SetDlgItemText(IDC_LEVELS_NAME, name.c_str());
        SetDlgItemText(IDC_LEVELS_VALUE, Kv_String(value, 3).c_str());
        SetDlgItemText(IDC_LEVELS_HEIGHT, Kv_String(height, 3).c_str());
    } else {
        // Nothing to show: showing the level that was there would invite typing a value for a
        // level that no longer exists.
        FillCombo(this, IDC_LEVELS_REFERENCE, Kv_StringArray{});
        for (int id : {IDC_LEVELS_NAME, IDC_LEVELS_VALUE, IDC_LEVELS_HEIGHT}) SetDlgItemText(id, "");
    }
    EnDisCtrl(this, IDC_LEVELS_VALUE, exists);
    currentIndex_ = index;
    newLevel_ = false;
    for (int id : {IDC_LEVELS_REFERENCE, IDC_LEVELS_NAME, IDC_LEVELS_HEIGHT}) EnDisCtrl(this, id, false);
}

void CDlgLevels::commitLevel() {
    if (!data.levels().isValidIndex(currentIndex_)) return;
    std::string typed;
    GetDlgItemText(IDC_LEVELS_VALUE, typed);
    data.updateLevel(currentIndex_, Kv_String(typed).toDouble());
    if (newLevel_) {
        std::string reference;
        GetDlgItemText(IDC_LEVELS_REFERENCE, reference);
        data.updateLevel(currentIndex_, Kv_String(reference));
    }
}

void CDlgLevels::addLevel() {
    commitLevel();
    Kv_StringArray forbidden;
    data.getNames(forbidden);
    forbidden.append(TwLevelsDlgData::kOrigin);

    frame::TextEntryRequest request;
    request.title = dialString(87);
    request.prompt = dialString(1475);
    request.text = dialString(171);
    request.okText = dialString(1);
    request.cancelText = dialString(2);
    request.textRequired = true;
    for (int offered = 0; offered < kNamePromptLimit; ++offered) {
        // A refused name is offered again, so that it can be corrected rather than retyped.
        if (!frame::askForText(request)) return;
        if (!forbidden.contains(request.text, false)) {
            int newIndex = -1;
            data.addLevel(request.text, newIndex);
            fillLevelList();
            showLevel(newIndex);
            newLevel_ = true;
            EnDisCtrl(this, IDC_LEVELS_REFERENCE, true);
            return;
        }
        ::MessageBox(m_hWnd, nameInUseMessage().c_str(), dialString(856).c_str(), MB_OK | MB_ICONEXCLAMATION);
    }
}

void CDlgLevels::deleteLevel() {
    if (!data.deleteLevel(currentIndex_)) return;
    fillLevelList();
    showLevel(currentIndex_ - 1);
}

void CDlgLevels::OnOK() {
    commitLevel();
    EndDialog(IDOK);
}

BOOL CDlgLevels::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam), code = HIWORD(wParam);
    if (id == IDC_LEVELS_LIST && code == CBN_SELCHANGE) {
        commitLevel();
        showLevel(static_cast<int>(SendDlgItemMessage(IDC_LEVELS_LIST, CB_GETCURSEL)));
        return TRUE;
    }
    if (id == IDC_LEVELS_ADD && code == BN_CLICKED) {
        addLevel();
        return TRUE;
    }
    if (id == IDC_LEVELS_DELETE && code == BN_CLICKED) {
        deleteLevel();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

bool StartDlgLevels(TwLevelsDlgData& data) {
    return frame::launchModalDialog<CDlgLevels>(
        frame::LaunchRules{}, [&](CDlgLevels& dialog) { dialog.data = data; },
        [&](CDlgLevels& dialog) { data = dialog.data; });
}

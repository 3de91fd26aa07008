// CDlgOpenSaveFiltered: the filtered open and save dialog.
#include "dialogs/dlg_open_save_filtered.h"

#include <string>

#include "core/dialog_helpers.h"
#include "core/file_name_check.h"
#include "core/kv_texts.h"
#include "core/file_layer.h"
#include "dialogs/dialogs_ids.h"

namespace {

constexpr const char* kSizeName = "DLG_OPENSAVEFILTERED";
// The package has always shown this tooltip in its original words, whatever the language.
constexpr const char* kDeleteTooltip = "Selectie verwijderen...";

}  // namespace

CDlgOpenSaveFiltered::CDlgOpenSaveFiltered(CWnd* parent) : CDialog(IDD_OPENSAVE_FILTERED, parent) {}

Kv_String CDlgOpenSaveFiltered::deleteQuestion(const Kv_String& fileName) {
    return string(1132) + " \"" + fileName + "\" " + string(1133) + "\n" + string(1134) + "\n";
}

Kv_String CDlgOpenSaveFiltered::overwriteQuestion(bool inSecondList) {
    Kv_String text = string(1128) + "\n";
    if (!inSecondList) text += string(1129) + "\n";
    return text + "\n" + string(1130) + "\n";
}

BOOL CDlgOpenSaveFiltered::OnInitDialog() {
    CDialog::OnInitDialog();
    deleteButton_.SubclassDlgItem(IDC_OPENSAVE_DELETE, this);
    deleteButton_.SetIcon(IDI_KV_DELETE);
    deleteButton_.SetTooltipText(Kv_String(kDeleteTooltip));

    int width = 0, height = 0;
    if (getDlgSize(m_hWnd, width, height, true)) minimumTrackSize = SIZE{width, height};
    resizer_.attach(this);
    resizer_.setMinimumSize(minimumTrackSize.cx, minimumTrackSize.cy);
    resizer_.setAnchor(IDC_OPENSAVE_LIST, CResizer::All);
    resizer_.setAnchor(IDC_OPENSAVE_DELETE, CResizer::Right | CResizer::Top);
    resizer_.setAnchor(IDC_OPENSAVE_NAME, CResizer::Left | CResizer::Right | CResizer::Bottom);
    resizer_.setAnchor(IDC_OPENSAVE_SHOW_FIRST, CResizer::Left | CResizer::Bottom);
    resizer_.setAnchor(IDOK, CResizer::Right | CResizer::Bottom);
    resizer_.setAnchor(IDCANCEL, CResizer::Right | CResizer::Bottom);

    ::CheckDlgButton(m_hWnd, IDC_OPENSAVE_SHOW_FIRST, BST_UNCHECKED);
    fillList();
    if (saveMode == 0) ShowOrHideCtrl(m_hWnd, IDC_OPENSAVE_NAME, false);

    SetWindowText(dialString(saveMode == 0 ? 1126 : 1127).c_str());
    SetDlgItemText(IDC_OPENSAVE_SHOW_FIRST, dialString(1498).c_str());
    SetDlgItemText(IDOK, dialString(saveMode == 0 ? 841 : 842).c_str());
    SetDlgItemText(IDCANCEL, dialString(2).c_str());
    ChangeDlgSize(m_hWnd, kSizeName, false);
    return TRUE;
}

bool CDlgOpenSaveFiltered::showsFirstList() const {
    return ::IsDlgButtonChecked(m_hWnd, IDC_OPENSAVE_SHOW_FIRST) == BST_CHECKED;
}

void CDlgOpenSaveFiltered::fillList() {
    const Kv_StringArray& shown = showsFirstList() ? firstList : secondList;
    SendDlgItemMessage(IDC_OPENSAVE_LIST, LB_RESETCONTENT);
    for (const Kv_String& entry : shown)
        SendDlgItemMessage(IDC_OPENSAVE_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
}

void CDlgOpenSaveFiltered::deleteSelected() {
    const Kv_StringArray& shown = showsFirstList() ? firstList : secondList;
    const int selected = static_cast<int>(SendDlgItemMessage(IDC_OPENSAVE_LIST, LB_GETCURSEL));
    if (!shown.isValidIndex(selected) || shown[selected].isEmpty()) return;
    const Kv_String fileName = shown[selected];
    if (::MessageBox(m_hWnd, deleteQuestion(fileName).c_str(), dialString(1135).c_str(),
                     MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return;
    if (!deleteFile(pathOf(fileName))) return;
    for (Kv_StringArray* list : {&firstList, &secondList}) {
        const int index = list->find(fileName, false);
        if (index >= 0) list->removeAt(index);
    }
    fillList();
}

void CDlgOpenSaveFiltered::OnOK() {
    std::string typed;
    GetDlgItemText(IDC_OPENSAVE_NAME, typed);
    const Kv_String chosen(typed);
    if (chosen.isEmpty()) return;
    if (saveMode != 0) {
        if (warnInvalidFileName(chosen)) return;
        if (ObjectExportFileExists(pathOf(chosen))) {
            const int answer = ::MessageBox(m_hWnd, overwriteQuestion(secondList.contains(chosen, false)).c_str(),
                                            dialString(1131).c_str(), MB_YESNOCANCEL | MB_ICONEXCLAMATION);
            if (answer != IDYES) return;
        }
    }
    name = chosen;
    EndDialog(1);
}

BOOL CDlgOpenSaveFiltered::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam), code = HIWORD(wParam);
    if (id == IDC_OPENSAVE_SHOW_FIRST && code == BN_CLICKED) {
        fillList();
        return TRUE;
    }
    if (id == IDC_OPENSAVE_LIST && code == LBN_SELCHANGE) {
        const int selected = static_cast<int>(SendDlgItemMessage(IDC_OPENSAVE_LIST, LB_GETCURSEL));
        const Kv_StringArray& shown = showsFirstList() ? firstList : secondList;
        if (shown.isValidIndex(selected)) SetDlgItemText(IDC_OPENSAVE_NAME, shown[selected].c_str());
        return TRUE;
    }
    if (id == IDC_OPENSAVE_DELETE && code == BN_CLICKED) {
        deleteSelected();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CDlgOpenSaveFiltered::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    if (resizer_.isAttached()) resizer_.resize();
}

void CDlgOpenSaveFiltered::OnGetMinMaxInfo(MINMAXINFO* info) {
    CDialog::OnGetMinMaxInfo(info);
    info->ptMinTrackSize.x = minimumTrackSize.cx;
    info->ptMinTrackSize.y = minimumTrackSize.cy;
}

void CDlgOpenSaveFiltered::OnDestroy() {
    WriteDlgSize(m_hWnd, kSizeName);
    CDialog::OnDestroy();
}

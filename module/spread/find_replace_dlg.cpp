// FindReplaceDlg: the find/replace dialog of a sheet.
#include "spread/find_replace_dlg.h"

#include "core/dialog_helpers.h"
#include "core/kv_texts.h"
#include "spread/kv_spread.h"
#include "spread/spread_ids.h"

namespace {
constexpr const char* kFindDlgName = "DLG_FINDREPLACE";
}  // namespace

FindReplaceDlg::FindReplaceDlg(Kv_Spread* sheet) : CDialog(IDD_FINDREPLACE, sheet), sheet_(sheet) {}

bool FindReplaceDlg::create() { return Create(IDD_FINDREPLACE, sheet_) != FALSE; }

BOOL FindReplaceDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(1136).c_str());
    SetDlgItemText(IDC_FIND_LABEL, dialString(1137).c_str());
    SetDlgItemText(IDC_REPLACE_LABEL, dialString(1138).c_str());
    SetDlgItemText(IDOK, dialString(1139).c_str());
    SetDlgItemText(IDC_FIND_REPLACE_BUTTON, dialString(1140).c_str());
    SetDlgItemText(IDC_FIND_REPLACE_ALL, dialString(1141).c_str());
    SetDlgItemText(IDCANCEL, dialString(285).c_str());
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    if (sheet_) {
        savedOption13 = sheet_->GetBool(sheet::kOptBlockSelect) != 0;
        sheet_->SetBool(sheet::kOptBlockSelect, 1);
        sheet_->SetBool(20, 0);
    }
    ChangeDlgSize(m_hWnd, kFindDlgName, false);
    return TRUE;
}

Kv_String FindReplaceDlg::findText() const {
    std::string text;
    GetDlgItemText(IDC_FIND_TEXT, text);
    return Kv_String(text);
}

Kv_String FindReplaceDlg::replaceText() const {
    std::string text;
    GetDlgItemText(IDC_REPLACE_TEXT, text);
    return Kv_String(text);
}

bool FindReplaceDlg::searchFrom(const Kv_String& text, int col, int row) {
    int foundCol = 0, foundRow = 0;
    if (!sheet_->findNext(text, col, row, foundCol, foundRow)) return false;
    if (!sheet_->findAndSelect(text, foundCol, foundRow, 0)) return false;
    int start = 0;
    sheet_->getEditSel(start, lastHitEnd);
    lastHitCol = foundCol;
    lastHitRow = foundRow;
    return true;
}

bool FindReplaceDlg::findNextWithMessages() {
    if (!sheet_ || !sheet_->isAttached()) return false;
    const Kv_String text = findText();
    if (text.isEmpty()) return false;
    sheet_->SetFocus();
    int col = 1, row = 1;
    sheet_->getActiveCellOrFirst(col, row);
    int selStart = 0, selEnd = 0;
    const bool editing = sheet_->getEditSel(selStart, selEnd);
    if (!editing && col == lastHitCol && row == lastHitRow && lastHitEnd >= 0) selEnd = lastHitEnd;
    if (editing || selEnd > 0) {
        // Inside the cell the search goes on behind the current selection first.
        if (sheet_->findAndSelect(text, col, row, selEnd)) {
            sheet_->getEditSel(selStart, lastHitEnd);
            lastHitCol = col;
            lastHitRow = row;
            return true;
        }
        ++col;
    }
    if (searchFrom(text, col, row)) return true;
    const Kv_String question = string(1142) + "\n" + string(1143);
    if (MessageBox(question.c_str(), string(1144).c_str(), MB_YESNO | MB_ICONQUESTION) != IDYES) return false;
    if (searchFrom(text, 1, 1)) return true;
    MessageBox(string(1145).c_str(), string(1146).c_str(), MB_OK);
    return false;
}

bool FindReplaceDlg::replace(bool withMessages) {
    if (!sheet_ || !sheet_->isAttached()) return false;
    (void)withMessages;
    if (!findNextWithMessages()) return false;
    int start = 0, end = 0;
    if (!sheet_->getEditSel(start, end) || end <= start) return false;
    int col = 1, row = 1;
    sheet_->getActiveCellOrFirst(col, row);
    Kv_String value;
    if (!sheet_->getCellText(col, row, value, CellTextKind::Value)) return false;
    value.removeAt(start, end - start);
    const Kv_String to = replaceText();
    value.insertAt(start, to);
    // Writing the cell closes its editor; reopen it with the caret behind the new characters.
    sheet_->SetEditMode(FALSE);
    if (!sheet_->SetData(col, row, value.c_str())) return false;
    sheet_->markChanged();
    sheet_->SetFocus();
    sheet_->SetActiveCell(col, row);
    sheet_->SetEditMode(TRUE);
    sheet_->SetSel(start + to.length(), start + to.length());
    // The next search goes on behind the inserted text, also when the editor has closed by
    // then: searching from the old hit's end would find the replacement itself ("ab" to
    // "abab") or step over a hit just behind a shorter one.
    lastHitCol = col;
    lastHitRow = row;
    lastHitEnd = start + to.length();
    return true;
}

int FindReplaceDlg::replaceAll() {
    if (!sheet_ || !sheet_->isAttached()) return 0;
    const Kv_String from = findText(), to = replaceText();
    int count = 0;
    if (!from.isEmpty()) {
        int col = 1, row = 1, foundCol = 0, foundRow = 0;
        while (sheet_->findNext(from, col, row, foundCol, foundRow)) {
            if (sheet_->replaceInCell(foundCol, foundRow, from, to)) ++count;
            col = foundCol + 1;
            row = foundRow;
        }
    }
    const Kv_String report = string(1147) + " " + Kv_String(count) + " " + string(1148);
    MessageBox(report.c_str(), string(1149).c_str(), MB_OK);
    sheet_->markChanged();
    return count;
}

void FindReplaceDlg::OnOK() { findNextWithMessages(); }

void FindReplaceDlg::OnCancel() { DestroyWindow(); }

BOOL FindReplaceDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDC_FIND_REPLACE_BUTTON: replace(true); return TRUE;
        case IDC_FIND_REPLACE_ALL: replaceAll(); return TRUE;
        default: break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

BOOL FindReplaceDlg::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_F3) {
        findNextWithMessages();
        return TRUE;
    }
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_F5) {
        replace(true);
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

void FindReplaceDlg::OnDestroy() {
    WriteDlgSize(m_hWnd, kFindDlgName);
    if (sheet_ && sheet_->isAttached() && ::IsWindow(sheet_->m_hWnd) && !savedOption13)
        sheet_->SetBool(sheet::kOptBlockSelect, 0);
    CDialog::OnDestroy();
}

#include "constraints/constraint_page.h"

#include "constraints/dlg_edit_constraints.h"
#include "constraints/editor_lifetime.h"
#include "sheet/ss_api.h"

void ConstraintPage::OnTabActivation(BOOL activate) {
    if (!activate) {
        leave();
        return;
    }
    DlgEditConstraints& main = editor_;
    for (int i = 0; i < 4; ++i)
        if (main.page(i) == this) main.currentTab_ = i;
    this->activate(main.activationStores());
}

BOOL ConstraintPage::PreTranslateMessage(MSG* msg) {
    constraints::HandlerScope handling;
    if (msg->message != WM_KEYDOWN || msg->wParam != VK_ESCAPE || !m_hWnd) return FALSE;
    // An open cell editor or drop-down list takes its own Escape.  A sheet asks for every key
    // (Enter moves its cell), but without an open editor its Escape belongs to the page.
    if (HWND focus = ::GetFocus()) {
        if (SSGetSheet(focus)) {
            if (SSGetEditMode(focus)) return FALSE;
            SS_COORD col = 0, row = 0;
            SSGetActiveCell(focus, &col, &row);
            if (SSComboBoxSendMessage(focus, col, row, CB_GETDROPPEDSTATE, 0, 0) == TRUE) return FALSE;
        } else {
            const LRESULT code = ::SendMessage(focus, WM_GETDLGCODE, VK_ESCAPE, reinterpret_cast<LPARAM>(msg));
            if (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return FALSE;
            if (::SendMessage(focus, CB_GETDROPPEDSTATE, 0, 0)) return FALSE;
        }
    }
    if (!takeEscape()) editor_.closeAsOk();
    return TRUE;
}

LRESULT ConstraintPage::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    constraints::HandlerScope handling;
    const int sheetId = LOWORD(wParam);
    switch (msg) {
    case SSM_CLICK:
        if (const auto* cell = reinterpret_cast<const SS_CELLCOORD*>(lParam))
            onSheetClick(sheetId, cell->Col, cell->Row);
        return 0;
    case SSM_LEAVECELL:
        if (const auto* move = reinterpret_cast<const SS_LEAVECELL*>(lParam))
            onSheetLeaveCell(sheetId, move->Col, move->Row, move->NewCol, move->NewRow);
        return 0;
    case SSM_RBUTTON:
        if (const auto* cell = reinterpret_cast<const SS_CELLCOORD*>(lParam))
            onSheetRightClick(sheetId, cell->Col, cell->Row);
        return 0;
    case WM_COMMAND:
        // The sheet hears its own notification too (its check-box locks), through the base.
        if (HIWORD(wParam) == SSN_CELLCHANGE) onSheetCellChanged(sheetId);
        break;
    default: break;
    }
    return CAcUiTabChildDialog::WindowProc(msg, wParam, lParam);
}

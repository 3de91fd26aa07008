// Kv_Spread: the right-button menu, the keys F3, F5 and F8, Tab navigation across locked cells
// and spans, and the engine's change notifications.
#include <cstring>

#include "core/kv_texts.h"
#include "spread/find_replace_dlg.h"
#include "spread/kv_spread.h"

namespace {
// Captions of the menu codes 2..9.
constexpr int kMenuCaptions[8] = {1154, 1155, 774, 775, 1156, 1157, 1400, 1401};
}  // namespace

bool Kv_Spread::setPopupMenu(const Kv_Array<int>& codes) {
    if (!isAttached()) return false;
    popupMenu = std::make_unique<CMenu>();
    menuCodes = codes;
    return true;
}

void Kv_Spread::OnRButtonDown(UINT flags, CPoint point) {
    if (popupMenu && !menuCodes.isEmpty()) {
        popupMenu->DestroyMenu();
        popupMenu->CreatePopupMenu();
        int next = 0;
        for (int i = 0; i < menuCodes.length(); ++i) {
            const int code = menuCodes[i];
            if (code == kMenuSeparator) {
                popupMenu->AppendMenu(MF_SEPARATOR);
            } else if (code >= kMenuCopy && code <= kMenuUncheckAll && next < 10) {
                popupMenu->AppendMenu(MF_STRING, kSpreadMenuIds[next++], dialString(kMenuCaptions[code - 2]).c_str());
            }
        }
        POINT screen;
        ::GetCursorPos(&screen);
        popupMenu->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, this);
    }
    CWnd::OnRButtonDown(flags, point);
}

void Kv_Spread::runMenuCode(int code) {
    switch (code) {
    case kMenuCopy: ClipboardCopy(); break;
    case kMenuPaste: ClipboardPaste(); break;
    case kMenuInsertRow: insertRow(getSelRow(), false, true); break;
    case kMenuDeleteRow: deleteRow(getSelRow()); break;
    case kMenuInsertCol: insertCol(getSelCol(), true, true); break;
    case kMenuDeleteCol: deleteCol(getSelCol()); break;
    case kMenuCheckAll: setChecksInSel(true); break;
    case kMenuUncheckAll: setChecksInSel(false); break;
    default: break;
    }
}

BOOL Kv_Spread::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT*) {
    if (message == WM_COMMAND) OnCommand(wParam, lParam);
    return FALSE;
}

BOOL Kv_Spread::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    const int notification = HIWORD(wParam);
    if (isAttached() && (notification == SSN_DATACHANGE || notification == SSN_CELLCHANGE) && checkCol > 0 &&
        boundCol > 0) {
        SS_COORD col = 0, row = 0;
        if (GetActiveCell(&col, &row) && col == checkCol && row >= 1) {
            syncCheckLock(row);
            SetActiveCell(boundCol, row);
        }
    } else if (isAttached() && notification == 0) {
        // The k-th id stands for the k-th code that is not a separator.
        int ordinal = -1;
        for (int k = 0; k < 10; ++k)
            if (kSpreadMenuIds[k] == id) ordinal = k;
        if (ordinal >= 0) {
            for (int i = 0, seen = 0; i < menuCodes.length(); ++i) {
                if (menuCodes[i] == kMenuSeparator) continue;
                if (seen++ == ordinal) {
                    runMenuCode(menuCodes[i]);
                    break;
                }
            }
        }
    }
    return CWnd::OnCommand(wParam, lParam);
}

BOOL Kv_Spread::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN && isAttached()) {
        switch (msg->wParam) {
        case VK_F3: openFind(false); return TRUE;
        case VK_F5: openFind(true); return TRUE;
        case VK_F8:
            if (f8Enabled) SetBool(sheet::kOptBlockSelect, !GetBool(sheet::kOptBlockSelect));
            break;
        default: break;
        }
    }
    return CWnd::PreTranslateMessage(msg);
}

bool Kv_Spread::openFind(bool replaceMode) {
    if (!isAttached()) return false;
    if (!findDialog || !findDialog->m_hWnd || !::IsWindow(findDialog->m_hWnd)) {
        findDialog = std::make_unique<FindReplaceDlg>(this);
        if (!findDialog->create()) {
            findDialog.reset();
            return false;
        }
        findDialog->ShowWindow(SW_SHOW);
        return true;
    }
    findDialog->ShowWindow(SW_SHOW);
    return replaceMode ? findDialog->replace(true) : findDialog->findNextWithMessages();
}

bool Kv_Spread::showFindDialog() {
    if (!isAttached()) return false;
    if (!findDialog || !findDialog->m_hWnd) return openFind(false);
    findDialog->ShowWindow(SW_SHOW);
    return true;
}

bool Kv_Spread::hideFindDialog() {
    if (!isAttached() || !findDialog || !findDialog->m_hWnd) return false;
    findDialog->ShowWindow(SW_HIDE);
    return true;
}

// --- Tab navigation -----------------------------------------------------------------------

bool Kv_Spread::isSpreadFocused() const {
    HWND focus = ::GetFocus();
    if (!focus) return false;
    char name[64] = {0};
    ::GetClassName(focus, name, sizeof(name));
    return std::strncmp(name, "SPR32", 5) == 0 || std::strncmp(name, "fpSpr", 5) == 0;
}

// A cell a person can reach: not locked, and either in no span or in one whose anchor is not
// locked.  anchorCol gives the column the cell is reached by.
bool Kv_Spread::cellUsable(int col, int row) const {
    if (GetLock(col, row)) return false;
    SS_COORD anchorCol = 0, anchorRow = 0, numCols = 0, numRows = 0;
    if (GetCellSpan(col, row, &anchorCol, &anchorRow, &numCols, &numRows) == 0) return true;
    return !GetLock(anchorCol, anchorRow);
}

bool Kv_Spread::findFirstUnlocked(int& col, int& row) const {
    if (!isAttached()) return false;
    const int rows = GetMaxRows(), cols = GetMaxCols();
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols; ++c)
            if (cellUsable(c, r)) {
                col = c;
                row = r;
                return true;
            }
    return false;
}

bool Kv_Spread::findLastUnlocked(int& col, int& row) const {
    if (!isAttached()) return false;
    const int rows = GetMaxRows(), cols = GetMaxCols();
    for (int r = rows; r >= 1; --r)
        for (int c = cols; c >= 1; --c)
            if (cellUsable(c, r)) {
                SS_COORD anchorCol = c, anchorRow = r, numCols = 0, numRows = 0;
                GetCellSpan(c, r, &anchorCol, &anchorRow, &numCols, &numRows);
                col = anchorCol > 0 ? anchorCol : c;
                row = r;
                return true;
            }
    return false;
}

bool Kv_Spread::handleTab(UINT key, int& result) const {
    result = kTabDefault;
    if (key != VK_TAB || !isAttached() || !IsWindowVisible() || ::GetFocus() != m_hWnd) return false;
    SS_COORD activeCol = 0, activeRow = 0;
    GetActiveCell(&activeCol, &activeRow);
    int col = 0, row = 0;
    const bool shift = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
    if (shift && findFirstUnlocked(col, row) && col == activeCol && row == activeRow)
        result = kTabLeaveBackward;
    else if (!shift && findLastUnlocked(col, row) && col == activeCol && row == activeRow)
        result = kTabLeaveForward;
    else
        result = kTabInside;
    return true;
}

bool Kv_Spread::focusEdge(bool first) {
    if (!isAttached() || !IsWindowVisible()) return false;
    int col = 0, row = 0;
    if (!(first ? findFirstUnlocked(col, row) : findLastUnlocked(col, row))) return false;
    SetFocus();
    SetActiveCell(col, row);
    return true;
}

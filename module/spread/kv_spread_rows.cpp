// Kv_Spread: inserting, deleting, swapping and moving rows and columns, check-box driven
// locks, and ticking the check cells of the selection.
#include <algorithm>

#include "core/kv_texts.h"
#include "frame/text_entry_launcher.h"
#include "spread/kv_spread.h"

namespace {
// Asks for the label of a new row or column.  Cancel keeps the proposal: a new row always
// gets a label, as the callers' lists of names expect one per row.
Kv_String askLabel(CWnd* parent, bool row) {
    frame::TextEntryRequest request;
    request.title = dialString(1150);
    request.prompt = dialString(1151) + " " + dialString(row ? 1152 : 1153) + ":";
    request.text = dialString(171);
    request.okText = dialString(1);
    request.cancelText = dialString(2);
    request.parent = parent;
    frame::askForText(request);
    return request.text;
}
}  // namespace

bool Kv_Spread::insertRow(int row, bool askName, bool duplicate) {
    if (!isAttached() || row < 1 || row > GetMaxRows() + 1) return false;
    if (!setMaxRows(GetMaxRows() + 1)) return false;
    if (!InsRow(row)) return false;
    setRowFont(row, true);
    markChanged();
    if (duplicate && row + 1 <= GetMaxRows()) CopyRange(SS_HEADER, row + 1, GetMaxCols(), row + 1, SS_HEADER, row);
    if (askName) SetData(SS_HEADER, row, askLabel(parentWnd, true).c_str());
    return true;
}

bool Kv_Spread::insertCol(int col, bool askName, bool duplicate) {
    if (!isAttached() || col < 1 || col > GetMaxCols() + 1) return false;
    if (!setMaxCols(GetMaxCols() + 1, false)) return false;
    if (!InsCol(col)) return false;
    setColFont(col, true);
    markChanged();
    if (duplicate && col + 1 <= GetMaxCols()) CopyRange(col + 1, SS_HEADER, col + 1, GetMaxRows(), col, SS_HEADER);
    if (askName) SetData(col, SS_HEADER, askLabel(parentWnd, false).c_str());
    return true;
}

bool Kv_Spread::insertRowBelowSel(bool duplicate) {
    if (!isAttached()) return false;
    return insertRow(getSelRow() + 1, false, duplicate);
}

bool Kv_Spread::deleteRow(int row) {
    if (!isAttached() || row < 1 || row > GetMaxRows()) return false;
    if (!DelRow(row)) return false;
    SetMaxRows(GetMaxRows() - 1);
    return markChanged();
}

bool Kv_Spread::deleteSelRow() {
    if (!isAttached()) return false;
    return deleteRow(getSelRow());
}

bool Kv_Spread::deleteCol(int col) {
    if (!isAttached() || col < 1 || col > GetMaxCols()) return false;
    if (!DelCol(col)) return false;
    SetMaxCols(GetMaxCols() - 1);
    return markChanged();
}

bool Kv_Spread::swapRows(int fromRow, int toRow, int targetRow) {
    if (!isAttached() || targetRow < 1 || targetRow > GetMaxRows()) return false;
    if (!SwapRange(1, fromRow, GetMaxCols(), toRow, 1, targetRow)) return false;
    const int col = std::max(getSelCol(), 1);
    SetActiveCell(col, targetRow);
    selectBlock({col, targetRow, col, targetRow});
    return markChanged();
}

bool Kv_Spread::moveSelRowUp() {
    if (!isAttached()) return false;
    const int row = getSelRow();
    return swapRows(row, row, row - 1);
}

bool Kv_Spread::moveSelRowDown() {
    if (!isAttached()) return false;
    const int row = getSelRow();
    return swapRows(row, row, row + 1);
}

bool Kv_Spread::setChecksInSel(bool value) {
    SpreadRange block;
    if (!getSelBlockOrActive(block)) return false;
    // A block of whole rows or columns reports its open end as negative.
    const int col1 = std::max(block.col1, 1), row1 = std::max(block.row1, 1);
    const int col2 = block.col2 < 0 ? GetMaxCols() : block.col2;
    const int row2 = block.row2 < 0 ? GetMaxRows() : block.row2;
    for (int row = row1; row <= row2; ++row)
        for (int col = col1; col <= col2; ++col)
            if (isCheckBoxCell(col, row)) {
                SetData(col, row, value ? "1" : "0");
                if (col == checkCol) syncCheckLock(row);
            }
    return true;
}

// --- check-box driven locks ---------------------------------------------------------------

void Kv_Spread::syncCheckLock(int row) {
    Kv_String text;
    readText(checkCol, row, text, CellTextKind::Value);
    if (text == "1")
        SetLock(boundCol, row, FALSE);
    else if (text == "0")
        SetLock(boundCol, row, TRUE);
}

bool Kv_Spread::bindCheckLock(int checkColumn, int boundColumn) {
    if (!isAttached()) return false;
    const int cols = GetMaxCols();
    if (checkColumn < 1 || checkColumn > cols || boundColumn < 1 || boundColumn > cols) return false;
    checkCol = checkColumn;
    boundCol = boundColumn;
    for (int row = 1; row <= GetMaxRows(); ++row) syncCheckLock(row);
    return true;
}

// Kv_Spread: searching cell values and replacing in them.  Texts compare exactly (case
// counts), as the find dialog promises nothing else.
#include <algorithm>

#include "spread/kv_spread.h"

bool Kv_Spread::findInRow(const Kv_String& text, int row, int startCol, int& foundCol) const {
    if (!isAttached() || row < 0 || row > GetMaxRows() || text.isEmpty()) return false;
    const int cols = GetMaxCols();
    for (int col = std::max(startCol, 1); col <= cols; ++col) {
        Kv_String value;
        if (readText(col, row, value, CellTextKind::Value) && value.hasSubString(text, false)) {
            foundCol = col;
            return true;
        }
    }
    return false;
}

bool Kv_Spread::findNext(const Kv_String& text, int col, int row, int& foundCol, int& foundRow) const {
    if (!isAttached()) return false;
    if (findInRow(text, row, col, foundCol)) {
        foundRow = row;
        return true;
    }
    const int rows = GetMaxRows();
    for (int r = std::max(row + 1, 1); r <= rows; ++r)
        if (findInRow(text, r, 1, foundCol)) {
            foundRow = r;
            return true;
        }
    return false;
}

bool Kv_Spread::findInCell(const Kv_String& text, int col, int row, int& pos, int& len) const {
    Kv_String value;
    if (!getCellText(col, row, value, CellTextKind::Value) || text.isEmpty()) return false;
    const int at = value.findFirst(text, false);
    if (at < 0) return false;
    pos = at;
    len = text.length();
    return true;
}

bool Kv_Spread::findAndSelect(const Kv_String& text, int col, int row, int start) {
    if (!isAttached() || text.isEmpty()) return false;
    Kv_String value;
    if (!readText(col, row, value, CellTextKind::Value)) return false;
    const int pos = value.findFirst(text, false, std::max(start, 0));
    if (pos < 0) return false;
    SetFocus();
    SetActiveCell(col, row);
    if (!GetEditMode()) SetEditMode(TRUE);
    return SetSel(pos, pos + text.length()) != 0;
}

bool Kv_Spread::replaceInCell(int col, int row, const Kv_String& from, const Kv_String& to) {
    Kv_String value;
    if (!getCellText(col, row, value, CellTextKind::Value) || from.isEmpty()) return false;
    value.replaceSubString(from, to, false);
    return SetData(col, row, value.c_str()) != 0;
}

// Kv_Spread: reading and writing cells, columns and rows, and the selection.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "spread/kv_spread.h"

bool Kv_Spread::readText(int col, int row, Kv_String& text, CellTextKind kind) const {
    text.clear();
    int length = 0;
    switch (kind) {
    case CellTextKind::Data: length = GetDataLen(col, row); break;
    case CellTextKind::Formula: length = GetFormulaLen(col, row); break;
    case CellTextKind::Tag: length = GetCellTag(col, row, nullptr); break;
    case CellTextKind::Value: length = GetValueLen(col, row); break;
    }
    if (length < 0) return false;
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    int got = 0;
    switch (kind) {
    case CellTextKind::Data: got = GetData(col, row, buffer.data()); break;
    case CellTextKind::Formula: got = GetFormula(col, row, buffer.data()); break;
    case CellTextKind::Tag: got = GetCellTag(col, row, buffer.data()); break;
    case CellTextKind::Value: got = GetValue(col, row, buffer.data()); break;
    }
    if (got == 0) return false;
    buffer[static_cast<size_t>(length)] = '\0';
    text = Kv_String(buffer.data());
    return true;
}

bool Kv_Spread::getCellText(int col, int row, Kv_String& text, CellTextKind kind) const {
    if (!isAttached()) return false;
    return readText(col, row, text, kind);
}

bool Kv_Spread::setCellText(int col, int row, const Kv_String& text) {
    return isAttached() && SetData(col, row, text.c_str()) != 0;
}

bool Kv_Spread::setCellDouble(int col, int row, double value, int decimals) {
    return isAttached() && SetData(col, row, Kv_String(value, decimals).c_str()) != 0;
}

bool Kv_Spread::setComboIndex(int col, int row, int index) {
    if (!isAttached() || ComboBoxSendMessage(col, row, CB_GETCOUNT, 0, 0) == CB_ERR) return false;
    // Emptying answers CB_ERR as a combo box does: the cell is a drop-down, so it worked.
    const LRESULT chosen = ComboBoxSendMessage(col, row, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    return index == -1 || chosen != CB_ERR;
}

bool Kv_Spread::getComboIndex(int col, int row, int& index) const {
    index = -1;
    if (!isAttached() || ComboBoxSendMessage(col, row, CB_GETCOUNT, 0, 0) == CB_ERR) return false;
    index = static_cast<int>(ComboBoxSendMessage(col, row, CB_GETCURSEL, 0, 0));
    return true;
}

bool Kv_Spread::getCellDouble(int col, int row, double& value) const {
    Kv_String text;
    if (!getCellText(col, row, text, CellTextKind::Value)) return false;
    value = std::atof(text.c_str());
    return true;
}

bool Kv_Spread::getCellBool(int col, int row, bool& value) const {
    Kv_String text;
    if (!getCellText(col, row, text, CellTextKind::Value)) return false;
    if (text == "1")
        value = true;
    else if (text == "0")
        value = false;
    else
        return false;
    return true;
}

bool Kv_Spread::setCellBool(int col, int row, bool value) {
    return isAttached() && SetData(col, row, value ? "1" : "0") != 0;
}

bool Kv_Spread::isCheckBoxCell(int col, int row) const {
    if (!isAttached()) return false;
    SS_CELLTYPE type;
    return GetCellType(col, row, &type) && type.record.kind == sheet::CellKind::CheckBox;
}

bool Kv_Spread::writeColumn(int col, int count, bool asValue, Kv_String (*textOf)(const void*, int),
                            const void* items) {
    if (!isAttached() || col > GetMaxCols()) return false;
    const int n = std::min(count, GetMaxRows());
    if (asValue) {
        for (int i = 0; i < n; ++i) SetValue(col, i + 1, textOf(items, i).c_str());
        return true;
    }
    // Data goes in as one block: one engine call for the column, not one per cell.
    std::vector<Kv_String> texts;
    texts.reserve(static_cast<size_t>(std::max(n, 0)));
    for (int i = 0; i < n; ++i) texts.push_back(textOf(items, i));
    std::vector<LPCSTR> pointers;
    pointers.reserve(texts.size());
    for (const Kv_String& text : texts) pointers.push_back(text.c_str());
    if (n > 0) SetDataBlock(col, 1, col, n, pointers.data());
    return true;
}

bool Kv_Spread::setColStrings(int col, const Kv_StringArray& strings, bool asValue) {
    return writeColumn(
        col, strings.length(), asValue,
        [](const void* p, int i) { return (*static_cast<const Kv_StringArray*>(p))[i]; }, &strings);
}

bool Kv_Spread::setColInts(int col, const Kv_Array<int>& ints) {
    return writeColumn(
        col, ints.length(), false,
        [](const void* p, int i) { return Kv_String((*static_cast<const Kv_Array<int>*>(p))[i]); }, &ints);
}

bool Kv_Spread::setColDoubles(int col, const Kv_Array<double>& doubles, int decimals) {
    Kv_StringArray texts;
    for (double value : doubles) texts.append(Kv_String(value, decimals));
    return setColStrings(col, texts, false);
}

bool Kv_Spread::setColBools(int col, const Kv_Array<bool>& bools) {
    // Element access of a bool array hands out a reference into packed bits; iterate by value.
    Kv_StringArray texts;
    for (bool value : bools) texts.append(value ? "1" : "0");
    return setColStrings(col, texts, false);
}

bool Kv_Spread::setColIntsAsValues(int col, const Kv_Array<int>& ints) {
    if (!isAttached()) return false;
    // The values are row numbers of this sheet: one that names no row reads as "none".
    Kv_Array<int> clamped;
    const int rows = GetMaxRows();
    for (int i = 0; i < ints.length(); ++i) clamped.append(ints[i] < 0 || ints[i] > rows ? 0 : ints[i]);
    return writeColumn(
        col, clamped.length(), true,
        [](const void* p, int i) { return Kv_String((*static_cast<const Kv_Array<int>*>(p))[i]); }, &clamped);
}

bool Kv_Spread::getColStrings(int col, Kv_StringArray& strings, CellTextKind kind) const {
    if (!isAttached() || col > GetMaxCols()) return false;
    strings.removeAll();
    const int rows = GetMaxRows();
    for (int row = 1; row <= rows; ++row) {
        Kv_String text;
        readText(col, row, text, kind);
        strings.append(text);
    }
    return true;
}

bool Kv_Spread::getColValues(int col, Kv_StringArray& strings) const {
    return getColStrings(col, strings, CellTextKind::Value);
}

bool Kv_Spread::getColData(int col, Kv_StringArray& strings) const {
    return getColStrings(col, strings, CellTextKind::Data);
}

bool Kv_Spread::getColInts(int col, Kv_Array<int>& ints) const {
    Kv_StringArray texts;
    if (!getColValues(col, texts)) return false;
    ints.removeAll();
    for (int i = 0; i < texts.length(); ++i) ints.append(std::atoi(texts[i].c_str()));
    return true;
}

bool Kv_Spread::getColDoubles(int col, Kv_Array<double>& doubles) const {
    Kv_StringArray texts;
    if (!getColValues(col, texts)) return false;
    doubles.removeAll();
    for (int i = 0; i < texts.length(); ++i) doubles.append(std::atof(texts[i].c_str()));
    return true;
}

bool Kv_Spread::getColBools(int col, Kv_Array<bool>& bools) const {
    Kv_StringArray texts;
    if (!getColValues(col, texts)) return false;
    bools.removeAll();
    for (int i = 0; i < texts.length(); ++i) bools.append(texts[i] == "1");
    return true;
}

bool Kv_Spread::setRowStrings(int row, const Kv_StringArray& strings, bool asValue) {
    if (!isAttached() || row > GetMaxRows()) return false;
    const int n = std::min(strings.length(), GetMaxCols());
    if (asValue) {
        for (int i = 0; i < n; ++i) SetValue(i + 1, row, strings[i].c_str());
        return true;
    }
    // Data goes in as one block: one engine call for the row, not one per cell.
    std::vector<LPCSTR> texts;
    texts.reserve(static_cast<size_t>(std::max(n, 0)));
    for (int i = 0; i < n; ++i) texts.push_back(strings[i].c_str());
    if (n > 0) SetDataBlock(1, row, n, row, texts.data());
    return true;
}

bool Kv_Spread::getRowStrings(int row, Kv_StringArray& strings, CellTextKind kind) const {
    if (!isAttached() || row > GetMaxRows()) return false;
    strings.removeAll();
    const int cols = GetMaxCols();
    for (int col = 1; col <= cols; ++col) {
        Kv_String text;
        readText(col, row, text, kind);
        strings.append(text);
    }
    return true;
}

bool Kv_Spread::setHeaderColTexts(const Kv_StringArray& strings) { return setColStrings(SS_HEADER, strings); }
bool Kv_Spread::setHeaderRowTexts(const Kv_StringArray& strings) { return setRowStrings(SS_HEADER, strings); }
bool Kv_Spread::getHeaderRowTexts(Kv_StringArray& strings) const { return getRowStrings(SS_HEADER, strings); }

bool Kv_Spread::clearRow(int row) { return clearRows(row, row); }

bool Kv_Spread::clearRows(int row1, int row2) {
    if (!isAttached()) return false;
    const int cols = GetMaxCols();
    for (int row = row1; row <= row2; ++row)
        for (int col = 1; col <= cols; ++col) SetValue(col, row, "");
    return true;
}

bool Kv_Spread::getAllRows(Kv_Array<Kv_StringArray>& rows, CellTextKind kind) const {
    if (!isAttached()) return false;
    rows.removeAll();
    const int count = GetMaxRows();
    for (int row = 1; row <= count; ++row) {
        Kv_StringArray texts;
        getRowStrings(row, texts, kind);
        rows.append(std::move(texts));
    }
    return true;
}

// --- selection ----------------------------------------------------------------------------

bool Kv_Spread::getActiveCellOrFirst(int& col, int& row) const {
    if (!isAttached()) return false;
    SS_COORD c = 0, r = 0;
    if (!GetActiveCell(&c, &r) || c < 1 || r < 1) {
        SetActiveCell(1, 1);
        c = 1;
        r = 1;
    }
    col = c;
    row = r;
    return true;
}

bool Kv_Spread::getEditSel(int& start, int& end) const {
    if (!isAttached() || !GetEditMode()) return false;
    return GetSel(&start, &end) != 0;
}

bool Kv_Spread::selectBlock(const SpreadRange& range) {
    if (!isAttached()) return false;
    SS_CELLCOORD upperLeft{range.col1, range.row1}, lowerRight{range.col2, range.row2};
    return SetSelectBlock(&upperLeft, &lowerRight) != 0;
}

bool Kv_Spread::selectRow(int row) {
    if (!isAttached()) return false;
    return selectBlock({SS_HEADER, row, GetMaxCols(), row});
}

bool Kv_Spread::getSelBlockOrActive(SpreadRange& block) const {
    if (!isAttached()) return false;
    SS_CELLCOORD upperLeft, lowerRight;
    if (GetSelectBlock(&upperLeft, &lowerRight)) {
        block = {upperLeft.Col, upperLeft.Row, lowerRight.Col, lowerRight.Row};
        return true;
    }
    int col = 0, row = 0;
    getActiveCellOrFirst(col, row);
    block = {col, row, col, row};
    return true;
}

int Kv_Spread::getSelCol() const {
    SpreadRange block;
    return getSelBlockOrActive(block) ? block.col1 : -1;
}

int Kv_Spread::getSelRow() const {
    SpreadRange block;
    return getSelBlockOrActive(block) ? block.row1 : -1;
}

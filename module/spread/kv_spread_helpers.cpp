// Free functions on a sheet that the dialogs share: adding and removing the active row, edit
// and combo types on a range, enabling a dialog item, and resetting a sheet to a plain list.
#include "spread/kv_spread.h"

namespace {
// The fixed "Tahoma" fonts of plain lists, made once for the module's lifetime.
HFONT tahomaFont(bool bold) {
    static HFONT regular = CreateFont(15, 0, 0, 0, 400, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
    static HFONT heavy = CreateFont(15, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
    return bold ? heavy : regular;
}
}  // namespace

bool appendRowAfterActive(Kv_Spread* sheet) {
    if (!sheet || !sheet->isAttached()) return false;
    int col = 0, row = 0;
    sheet->getActiveCellOrFirst(col, row);
    if (sheet->getMaxRows() == 0) row = 0;
    if (!sheet->SetMaxRows(sheet->getMaxRows() + 1)) return false;
    const int newRow = row + 1;
    sheet->InsRow(newRow);
    sheet->SetFontRange(1, newRow, sheet->getMaxCols(), newRow, tahomaFont(false), TRUE);
    sheet->SetFocus();
    sheet->SetActiveCell(col, newRow);
    return true;
}

bool deleteActiveRow(Kv_Spread* sheet) {
    if (!sheet || !sheet->isAttached() || sheet->getMaxRows() < 1) return false;
    int col = 0, row = 0;
    sheet->getActiveCellOrFirst(col, row);
    if (!sheet->DelRow(row)) return false;
    const int rows = sheet->getMaxRows() - 1;
    sheet->SetMaxRows(rows);
    if (rows < 1) return true;
    // The cell below moved up into the active place; past the end the last row takes it.
    const int activeRow = row > rows ? rows : row;
    sheet->SetActiveCell(col, activeRow);
    sheet->SetEditMode(TRUE);
    Kv_String text;
    sheet->getCellText(col, activeRow, text, CellTextKind::Data);
    sheet->SetSel(0, text.length());
    return true;
}

bool setTypeEditRange(Kv_Spread* sheet, const SpreadRange& range) {
    if (!sheet) return false;
    return sheet->setTypeEdit(range, 0x400000, 100);
}

bool setComboRange(Kv_Spread* sheet, const SpreadRange& range, const Kv_StringArray& items, bool editable) {
    if (!sheet || !sheet->isAttached()) return false;
    const Kv_String joined = items.join("\t");
    SS_CELLTYPE type;
    sheet->SetTypeComboBox(&type, editable ? 2 : 0, joined.c_str());
    return sheet->SetCellTypeRange(range.col1, range.row1, range.col2, range.row2, &type) != 0;
}

bool enableDlgItem(CWnd* parent, int id, bool enable) {
    if (!parent || !parent->m_hWnd) return false;
    HWND item = ::GetDlgItem(parent->m_hWnd, id);
    if (!item) return false;
    ::EnableWindow(item, enable);
    return true;
}

bool resetListSheet(Kv_Spread* sheet, int cols, int rows, int modeFlag) {
    if (!sheet || !sheet->isAttached()) return false;
    sheet->Reset();
    for (auto [option, value] : {std::pair{8, 0}, {12, 0}, {7, 0}, {21, 1}, {26, 0}, {34, 1}, {32, 1}, {18, 0}})
        sheet->SetBool(static_cast<short>(option), value);
    sheet->SetOperationMode(modeFlag != 0 ? 0 : 3);
    sheet->SetCursor(1, -1);
    sheet->SetSelColor(0x6A240A, 0xFFFFFF);
    sheet->SetEditEnterAction(5);
    for (auto [option, value] : {std::pair{11, 1}, {10, 0}, {3, 1}, {4, 0}, {21, 1}})
        sheet->SetBool(static_cast<short>(option), value);
    sheet->SetMaxCols(cols);
    sheet->SetMaxRows(rows == 0 ? 1 : rows);
    const int maxCols = sheet->getMaxCols(), maxRows = sheet->getMaxRows();
    SS_CELLTYPE type;
    sheet->SetTypeEdit(&type, 4, 100, 0, 1);
    sheet->SetCellTypeRange(1, 1, maxCols, maxRows, &type);
    // The fonts of a plain list are fixed, whatever face the sheet was given.
    sheet->SetFontRange(0, SS_HEADER, maxCols, SS_HEADER, tahomaFont(true), FALSE);
    sheet->SetFontRange(1, 1, maxCols, maxRows, tahomaFont(false), FALSE);
    WORD status = 0;
    long delay = 0;
    LOGFONT tipFont{};
    COLORREF back = 0, fore = 0;
    sheet->GetTextTip(&status, &delay, &tipFont, &back, &fore);
    GetObject(tahomaFont(false), sizeof(LOGFONT), &tipFont);
    sheet->SetTextTip(1, 0, &tipFont, back, fore);
    fitColumnsEqual(sheet, true, -1);
    sheet->SetBool(sheet::kOptRedraw, 1);
    return true;
}

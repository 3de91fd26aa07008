// The forwarding layer: every method hands the sheet's window to the engine call of its name.
#include "spread/tspread.h"

BOOL TSpread::createSheet(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateEx(0, kSpreadWindowClass, "", style, rect, parent, id);
}

bool TSpread::engineAvailable() { return SSSetData != nullptr && SSGetMaxRows != nullptr; }

BOOL TSpread::SetData(SS_COORD col, SS_COORD row, LPCSTR data) const {
    return SSSetData ? SSSetData(m_hWnd, col, row, data) : 0;
}

int TSpread::GetData(SS_COORD col, SS_COORD row, LPSTR buffer) const {
    return SSGetData ? SSGetData(m_hWnd, col, row, buffer) : 0;
}

int TSpread::GetDataLen(SS_COORD col, SS_COORD row) const {
    return SSGetDataLen ? SSGetDataLen(m_hWnd, col, row) : 0;
}

BOOL TSpread::SetValue(SS_COORD col, SS_COORD row, LPCSTR value) const {
    return SSSetValue ? SSSetValue(m_hWnd, col, row, value) : 0;
}

int TSpread::GetValue(SS_COORD col, SS_COORD row, LPSTR buffer) const {
    return SSGetValue ? SSGetValue(m_hWnd, col, row, buffer) : 0;
}

int TSpread::GetValueLen(SS_COORD col, SS_COORD row) const {
    return SSGetValueLen ? SSGetValueLen(m_hWnd, col, row) : 0;
}

int TSpread::GetFormula(SS_COORD col, SS_COORD row, LPSTR buffer) const {
    return SSGetFormula ? SSGetFormula(m_hWnd, col, row, buffer) : 0;
}

int TSpread::GetFormulaLen(SS_COORD col, SS_COORD row) const {
    return SSGetFormulaLen ? SSGetFormulaLen(m_hWnd, col, row) : 0;
}

int TSpread::GetCellTag(SS_COORD col, SS_COORD row, LPSTR buffer) const {
    return _SSGetCellTag ? _SSGetCellTag(m_hWnd, col, row, buffer) : 0;
}

BOOL TSpread::SetMaxRows(SS_COORD rows) const {
    return SSSetMaxRows ? SSSetMaxRows(m_hWnd, rows) : 0;
}

BOOL TSpread::SetMaxCols(SS_COORD cols) const {
    return SSSetMaxCols ? SSSetMaxCols(m_hWnd, cols) : 0;
}

SS_COORD TSpread::GetMaxRows() const {
    return SSGetMaxRows ? SSGetMaxRows(m_hWnd) : 0;
}

SS_COORD TSpread::GetMaxCols() const {
    return SSGetMaxCols ? SSGetMaxCols(m_hWnd) : 0;
}

BOOL TSpread::SetBool(short option, BOOL value) const {
    return SSSetBool ? SSSetBool(m_hWnd, option, value) : 0;
}

BOOL TSpread::GetBool(short option) const {
    return SSGetBool ? SSGetBool(m_hWnd, option) : 0;
}

BOOL TSpread::Reset() const {
    return SSReset ? SSReset(m_hWnd) : 0;
}

BOOL TSpread::SetAppearance(WORD appearance) const {
    return _SSSetAppearance ? _SSSetAppearance(m_hWnd, appearance) : 0;
}

BOOL TSpread::SetActionKey(WORD action, BOOL shift, BOOL control, WORD key) const {
    return _SSSetActionKey ? _SSSetActionKey(m_hWnd, action, shift, control, key) : 0;
}

BOOL TSpread::SetGrayAreaColor(COLORREF back, COLORREF fore) const {
    return SSSetGrayAreaColor ? SSSetGrayAreaColor(m_hWnd, back, fore) : 0;
}

BOOL TSpread::SetCursor(WORD type, HCURSOR cursor) const {
    return SSSetCursor ? SSSetCursor(m_hWnd, type, cursor) : 0;
}

BOOL TSpread::SetSelColor(COLORREF back, COLORREF fore) const {
    return _SSSetSelColor ? _SSSetSelColor(m_hWnd, back, fore) : 0;
}

BOOL TSpread::SetLockColor(COLORREF back, COLORREF fore) const {
    return SSSetLockColor ? SSSetLockColor(m_hWnd, back, fore) : 0;
}

BOOL TSpread::SetEditEnterAction(WORD action) const {
    return SSSetEditEnterAction ? SSSetEditEnterAction(m_hWnd, action) : 0;
}

BOOL TSpread::SetOperationMode(WORD mode) const {
    return SSSetOperationMode ? SSSetOperationMode(m_hWnd, mode) : 0;
}

BOOL TSpread::SetFontRange(SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, HFONT font, BOOL redraw) const {
    return SSSetFontRange ? SSSetFontRange(m_hWnd, col1, row1, col2, row2, font, redraw) : 0;
}

BOOL TSpread::GetTextTip(WORD* status, LONG* delay, LOGFONT* font, COLORREF* back, COLORREF* fore) const {
    return _SSGetTextTip ? _SSGetTextTip(m_hWnd, status, delay, font, back, fore) : 0;
}

BOOL TSpread::SetTextTip(WORD status, LONG delay, const LOGFONT* font, COLORREF back, COLORREF fore) const {
    return _SSSetTextTip ? _SSSetTextTip(m_hWnd, status, delay, font, back, fore) : 0;
}

BOOL TSpread::SetBorder(SS_COORD col, SS_COORD row, WORD type, WORD style, COLORREF color) const {
    return SSSetBorder ? SSSetBorder(m_hWnd, col, row, type, style, color) : 0;
}

BOOL TSpread::SetBorderRange(SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, WORD type, WORD style, COLORREF color) const {
    return SSSetBorderRange ? SSSetBorderRange(m_hWnd, col1, row1, col2, row2, type, style, color) : 0;
}

BOOL TSpread::AddCellSpan(SS_COORD col, SS_COORD row, SS_COORD numCols, SS_COORD numRows) const {
    return _SSAddCellSpan ? _SSAddCellSpan(m_hWnd, col, row, numCols, numRows) : 0;
}

int TSpread::GetCellSpan(SS_COORD col, SS_COORD row, SS_COORD* anchorCol, SS_COORD* anchorRow, SS_COORD* numCols, SS_COORD* numRows) const {
    return _SSGetCellSpan ? _SSGetCellSpan(m_hWnd, col, row, anchorCol, anchorRow, numCols, numRows) : 0;
}

BOOL TSpread::SetLock(SS_COORD col, SS_COORD row, BOOL locked) const {
    return SSSetLock ? SSSetLock(m_hWnd, col, row, locked) : 0;
}

BOOL TSpread::SetLockRange(SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, BOOL locked) const {
    return SSSetLockRange ? SSSetLockRange(m_hWnd, col1, row1, col2, row2, locked) : 0;
}

BOOL TSpread::GetLock(SS_COORD col, SS_COORD row) const {
    return SSGetLock ? SSGetLock(m_hWnd, col, row) : 0;
}

SS_CELLTYPE* TSpread::SetTypeEdit(SS_CELLTYPE* type, LONG style, int length, short chrSet, short chrCase) const {
    return SSSetTypeEdit ? SSSetTypeEdit(m_hWnd, type, style, length, chrSet, chrCase) : nullptr;
}

SS_CELLTYPE* TSpread::SetTypeNumber(SS_CELLTYPE* type, LONG style, short decimals, double minimum, double maximum, BOOL separator) const {
    return _SSSetTypeNumber ? _SSSetTypeNumber(m_hWnd, type, style, decimals, minimum, maximum, separator) : nullptr;
}

SS_CELLTYPE* TSpread::SetTypeComboBox(SS_CELLTYPE* type, LONG style, LPCSTR items) const {
    return SSSetTypeComboBox ? SSSetTypeComboBox(m_hWnd, type, style, items) : nullptr;
}

SS_CELLTYPE* TSpread::SetTypeCheckBox(SS_CELLTYPE* type, LONG style, LPCSTR text, HANDLE up, WORD upKind, HANDLE down, WORD downKind, HANDLE focusUp, WORD focusUpKind, HANDLE focusDown, WORD focusDownKind) const {
    return SSSetTypeCheckBox ? SSSetTypeCheckBox(m_hWnd, type, style, text, up, upKind, down, downKind, focusUp, focusUpKind, focusDown, focusDownKind) : nullptr;
}

SS_CELLTYPE* TSpread::SetTypeButton(SS_CELLTYPE* type, LONG style, LPCSTR text) const {
    return SSSetTypeButton ? SSSetTypeButton(m_hWnd, type, style, text) : nullptr;
}

SS_CELLTYPE* TSpread::SetTypePictureHandle(SS_CELLTYPE* type, LONG style, HANDLE picture) const {
    return SSSetTypePictureHandle ? SSSetTypePictureHandle(m_hWnd, type, style, picture) : nullptr;
}

SS_CELLTYPE* TSpread::SetTypePicture(SS_CELLTYPE* type, LONG style, LPCSTR file) const {
    return SSSetTypePicture ? SSSetTypePicture(m_hWnd, type, style, file) : nullptr;
}

SS_CELLTYPE* TSpread::SetTypeStaticText(SS_CELLTYPE* type, LONG style) const {
    return SSSetTypeStaticText ? SSSetTypeStaticText(m_hWnd, type, style) : nullptr;
}

BOOL TSpread::SetCellType(SS_COORD col, SS_COORD row, const SS_CELLTYPE* type) const {
    return SSSetCellType ? SSSetCellType(m_hWnd, col, row, type) : 0;
}

BOOL TSpread::SetCellTypeRange(SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, const SS_CELLTYPE* type) const {
    return SSSetCellTypeRange ? SSSetCellTypeRange(m_hWnd, col1, row1, col2, row2, type) : 0;
}

BOOL TSpread::GetCellType(SS_COORD col, SS_COORD row, SS_CELLTYPE* type) const {
    return SSGetCellType ? SSGetCellType(m_hWnd, col, row, type) : 0;
}

BOOL TSpread::SetColWidth(SS_COORD col, double width) const {
    return SSSetColWidth ? SSSetColWidth(m_hWnd, col, width) : 0;
}

BOOL TSpread::SetColWidthInPixels(SS_COORD col, int pixels) const {
    return SSSetColWidthInPixels ? SSSetColWidthInPixels(m_hWnd, col, pixels) : 0;
}

BOOL TSpread::GetColWidthInPixels(SS_COORD col, int* pixels) const {
    return SSGetColWidthInPixels ? SSGetColWidthInPixels(m_hWnd, col, pixels) : 0;
}

BOOL TSpread::SetRowHeight(SS_COORD row, double height) const {
    return SSSetRowHeight ? SSSetRowHeight(m_hWnd, row, height) : 0;
}

BOOL TSpread::SetRowHeightInPixels(SS_COORD row, int pixels) const {
    return SSSetRowHeightInPixels ? SSSetRowHeightInPixels(m_hWnd, row, pixels) : 0;
}

BOOL TSpread::GetRowHeightInPixels(SS_COORD row, int* pixels) const {
    return SSGetRowHeightInPixels ? SSGetRowHeightInPixels(m_hWnd, row, pixels) : 0;
}

BOOL TSpread::GetMaxTextCellSize(SS_COORD col, SS_COORD row, double* width, double* height) const {
    return SSGetMaxTextCellSize ? SSGetMaxTextCellSize(m_hWnd, col, row, width, height) : 0;
}

BOOL TSpread::GetClientRect(RECT* rect) const {
    return SSGetClientRect ? SSGetClientRect(m_hWnd, rect) : 0;
}

BOOL TSpread::InsRow(SS_COORD row) const {
    return SSInsRow ? SSInsRow(m_hWnd, row) : 0;
}

BOOL TSpread::InsCol(SS_COORD col) const {
    return SSInsCol ? SSInsCol(m_hWnd, col) : 0;
}

BOOL TSpread::DelRow(SS_COORD row) const {
    return SSDelRow ? SSDelRow(m_hWnd, row) : 0;
}

BOOL TSpread::DelCol(SS_COORD col) const {
    return SSDelCol ? SSDelCol(m_hWnd, col) : 0;
}

BOOL TSpread::CopyRange(SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, SS_COORD destCol, SS_COORD destRow) const {
    return SSCopyRange ? SSCopyRange(m_hWnd, col1, row1, col2, row2, destCol, destRow) : 0;
}

BOOL TSpread::SwapRange(SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, SS_COORD destCol, SS_COORD destRow) const {
    return SSSwapRange ? SSSwapRange(m_hWnd, col1, row1, col2, row2, destCol, destRow) : 0;
}

BOOL TSpread::ClipboardCopy() const {
    return SSClipboardCopy ? SSClipboardCopy(m_hWnd) : 0;
}

BOOL TSpread::ClipboardPaste() const {
    return SSClipboardPaste ? SSClipboardPaste(m_hWnd) : 0;
}

BOOL TSpread::SetActiveCell(SS_COORD col, SS_COORD row) const {
    return SSSetActiveCell ? SSSetActiveCell(m_hWnd, col, row) : 0;
}

BOOL TSpread::GetActiveCell(SS_COORD* col, SS_COORD* row) const {
    return SSGetActiveCell ? SSGetActiveCell(m_hWnd, col, row) : 0;
}

BOOL TSpread::SetSelectBlock(const SS_CELLCOORD* upperLeft, const SS_CELLCOORD* lowerRight) const {
    return SSSetSelectBlock ? SSSetSelectBlock(m_hWnd, upperLeft, lowerRight) : 0;
}

BOOL TSpread::GetSelectBlock(SS_CELLCOORD* upperLeft, SS_CELLCOORD* lowerRight) const {
    return SSGetSelectBlock ? SSGetSelectBlock(m_hWnd, upperLeft, lowerRight) : 0;
}

BOOL TSpread::GetEditMode() const {
    return SSGetEditMode ? SSGetEditMode(m_hWnd) : 0;
}

BOOL TSpread::SetEditMode(BOOL open) const {
    return SSSetEditMode ? SSSetEditMode(m_hWnd, open) : 0;
}

BOOL TSpread::SetSel(int start, int end) const {
    return SSSetSel ? SSSetSel(m_hWnd, start, end) : 0;
}

BOOL TSpread::GetSel(int* start, int* end) const {
    return SSGetSel ? SSGetSel(m_hWnd, start, end) : 0;
}

// The forwarding layer: every method hands the sheet's window to the engine call of its name.
#include "spread/tspread.h"

BOOL TSpread::createSheet(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateEx(0, kSpreadClassName, "", style, rect, parent, id);
}

BOOL TSpread::SetData(SS_COORD col, SS_COORD row, LPCSTR data) const { return SSSetData(m_hWnd, col, row, data); }

BOOL TSpread::SetDataBlock(SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, const LPCSTR* texts) const {
    return SSSetDataBlock(m_hWnd, col1, row1, col2, row2, texts);
}

int TSpread::GetData(SS_COORD col, SS_COORD row, LPSTR buffer) const { return SSGetData(m_hWnd, col, row, buffer); }

int TSpread::GetDataLen(SS_COORD col, SS_COORD row) const { return SSGetDataLen(m_hWnd, col, row); }

BOOL TSpread::SetValue(SS_COORD col, SS_COORD row, LPCSTR value) const { return SSSetValue(m_hWnd, col, row, value); }

int TSpread::GetValue(SS_COORD col, SS_COORD row, LPSTR buffer) const { return SSGetValue(m_hWnd, col, row, buffer); }

int TSpread::GetValueLen(SS_COORD col, SS_COORD row) const { return SSGetValueLen(m_hWnd, col, row); }

int TSpread::GetFormula(SS_COORD col, SS_COORD row, LPSTR buffer) const {
    return SSGetFormula(m_hWnd, col, row, buffer);
}

int TSpread::GetFormulaLen(SS_COORD col, SS_COORD row) const { return SSGetFormulaLen(m_hWnd, col, row); }

int TSpread::GetCellTag(SS_COORD col, SS_COORD row, LPSTR buffer) const {
    return _SSGetCellTag(m_hWnd, col, row, buffer);
}

BOOL TSpread::SetMaxRows(SS_COORD rows) const { return SSSetMaxRows(m_hWnd, rows); }

BOOL TSpread::SetMaxCols(SS_COORD cols) const { return SSSetMaxCols(m_hWnd, cols); }

SS_COORD TSpread::GetMaxRows() const { return SSGetMaxRows(m_hWnd); }

SS_COORD TSpread::GetMaxCols() const { return SSGetMaxCols(m_hWnd); }

BOOL TSpread::SetBool(short option, BOOL value) const { return SSSetBool(m_hWnd, option, value); }

BOOL TSpread::GetBool(short option) const { return SSGetBool(m_hWnd, option); }

BOOL TSpread::Reset() const { return SSReset(m_hWnd); }

BOOL TSpread::SetAppearance(WORD appearance) const { return _SSSetAppearance(m_hWnd, appearance); }

BOOL TSpread::SetActionKey(WORD action, BOOL shift, BOOL control, WORD key) const {
    return _SSSetActionKey(m_hWnd, action, shift, control, key);
}

BOOL TSpread::SetGrayAreaColor(COLORREF back, COLORREF fore) const { return SSSetGrayAreaColor(m_hWnd, back, fore); }

BOOL TSpread::SetCursor(WORD type, long cursor) const { return SSSetCursor(m_hWnd, type, cursor); }

BOOL TSpread::SetSelColor(COLORREF back, COLORREF fore) const { return _SSSetSelColor(m_hWnd, back, fore); }

BOOL TSpread::SetLockColor(COLORREF back, COLORREF fore) const { return SSSetLockColor(m_hWnd, back, fore); }

BOOL TSpread::SetEditEnterAction(WORD action) const { return SSSetEditEnterAction(m_hWnd, action); }

BOOL TSpread::SetOperationMode(WORD mode) const { return SSSetOperationMode(m_hWnd, mode); }

BOOL TSpread::SetFontRange(SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, HFONT font, BOOL redraw) const {
    return SSSetFontRange(m_hWnd, col1, row1, col2, row2, font, redraw);
}

BOOL TSpread::GetTextTip(WORD* status, long* delay, LOGFONT* font, COLORREF* back, COLORREF* fore) const {
    return _SSGetTextTip(m_hWnd, status, delay, font, back, fore);
}

BOOL TSpread::SetTextTip(WORD status, long delay, const LOGFONT* font, COLORREF back, COLORREF fore) const {
    return _SSSetTextTip(m_hWnd, status, delay, font, back, fore);
}

BOOL TSpread::SetBorder(SS_COORD col, SS_COORD row, WORD type, WORD style, COLORREF color) const {
    return SSSetBorder(m_hWnd, col, row, type, style, color);
}

BOOL TSpread::SetBorderRange(SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, WORD type, WORD style,
                             COLORREF color) const {
    return SSSetBorderRange(m_hWnd, col1, row1, col2, row2, type, style, color);
}

BOOL TSpread::AddCellSpan(SS_COORD col, SS_COORD row, SS_COORD numCols, SS_COORD numRows) const {
    return _SSAddCellSpan(m_hWnd, col, row, numCols, numRows);
}

int TSpread::GetCellSpan(SS_COORD col, SS_COORD row, SS_COORD* anchorCol, SS_COORD* anchorRow, SS_COORD* numCols,
                         SS_COORD* numRows) const {
    return _SSGetCellSpan(m_hWnd, col, row, anchorCol, anchorRow, numCols, numRows);
}

BOOL TSpread::SetLock(SS_COORD col, SS_COORD row, BOOL locked) const { return SSSetLock(m_hWnd, col, row, locked); }

BOOL TSpread::SetLockRange(SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, BOOL locked) const {
    return SSSetLockRange(m_hWnd, col1, row1, col2, row2, locked);
}

BOOL TSpread::GetLock(SS_COORD col, SS_COORD row) const { return SSGetLock(m_hWnd, col, row); }

SS_CELLTYPE* TSpread::SetTypeEdit(SS_CELLTYPE* type, LONG style, int length, short chrSet, short chrCase) const {
    return SSSetTypeEdit(m_hWnd, type, style, length, chrSet, chrCase);
}

SS_CELLTYPE* TSpread::SetTypeNumber(SS_CELLTYPE* type, LONG style, short decimals, double minimum, double maximum,
                                    BOOL separator) const {
    return _SSSetTypeNumber(m_hWnd, type, style, decimals, minimum, maximum, separator);
}

SS_CELLTYPE* TSpread::SetTypeComboBox(SS_CELLTYPE* type, LONG style, LPCSTR items) const {
    return SSSetTypeComboBox(m_hWnd, type, style, items);
}

SS_CELLTYPE* TSpread::SetTypeCheckBox(SS_CELLTYPE* type, LONG style, LPCSTR text, HANDLE up, WORD upKind, HANDLE down,
                                      WORD downKind, HANDLE focusUp, WORD focusUpKind, HANDLE focusDown,
                                      WORD focusDownKind) const {
    return SSSetTypeCheckBox(m_hWnd, type, style, text, up, static_cast<short>(upKind), down,
                             static_cast<short>(downKind), focusUp, static_cast<short>(focusUpKind), focusDown,
                             static_cast<short>(focusDownKind));
}

SS_CELLTYPE* TSpread::SetTypeButton(SS_CELLTYPE* type, LONG style, LPCSTR text) const {
    return SSSetTypeButton(m_hWnd, type, style, text);
}

SS_CELLTYPE* TSpread::SetTypePictureHandle(SS_CELLTYPE* type, LONG style, HANDLE picture) const {
    return SSSetTypePictureHandle(m_hWnd, type, style, picture);
}

SS_CELLTYPE* TSpread::SetTypePicture(SS_CELLTYPE* type, LONG style, LPCSTR file) const {
    return SSSetTypePicture(m_hWnd, type, style, file);
}

SS_CELLTYPE* TSpread::SetTypeStaticText(SS_CELLTYPE* type, LONG style) const {
    return SSSetTypeStaticText(m_hWnd, type, style);
}

BOOL TSpread::SetCellType(SS_COORD col, SS_COORD row, const SS_CELLTYPE* type) const {
    return SSSetCellType(m_hWnd, col, row, type);
}

BOOL TSpread::SetCellTypeRange(SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2,
                               const SS_CELLTYPE* type) const {
    return SSSetCellTypeRange(m_hWnd, col1, row1, col2, row2, type);
}

BOOL TSpread::GetCellType(SS_COORD col, SS_COORD row, SS_CELLTYPE* type) const {
    return SSGetCellType(m_hWnd, col, row, type);
}

LRESULT TSpread::ComboBoxSendMessage(SS_COORD col, SS_COORD row, UINT msg, WPARAM wParam, LPARAM lParam) const {
    return SSComboBoxSendMessage(m_hWnd, col, row, msg, wParam, lParam);
}

BOOL TSpread::SetColWidth(SS_COORD col, double width) const { return SSSetColWidth(m_hWnd, col, width); }

BOOL TSpread::SetColWidthInPixels(SS_COORD col, int pixels) const { return SSSetColWidthInPixels(m_hWnd, col, pixels); }

BOOL TSpread::GetColWidthInPixels(SS_COORD col, int* pixels) const {
    return SSGetColWidthInPixels(m_hWnd, col, pixels);
}

BOOL TSpread::SetRowHeight(SS_COORD row, double height) const { return SSSetRowHeight(m_hWnd, row, height); }

BOOL TSpread::SetRowHeightInPixels(SS_COORD row, int pixels) const {
    return SSSetRowHeightInPixels(m_hWnd, row, pixels);
}

BOOL TSpread::GetRowHeightInPixels(SS_COORD row, int* pixels) const {
    return SSGetRowHeightInPixels(m_hWnd, row, pixels);
}

BOOL TSpread::GetMaxTextCellSize(SS_COORD col, SS_COORD row, double* width, double* height) const {
    return SSGetMaxTextCellSize(m_hWnd, col, row, width, height);
}

BOOL TSpread::GetMaxTextSizes(SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, double* colWidths,
                              double* rowHeights) const {
    return SSGetMaxTextSizes(m_hWnd, col1, row1, col2, row2, colWidths, rowHeights);
}

BOOL TSpread::GetClientRect(RECT* rect) const { return SSGetClientRect(m_hWnd, rect); }

BOOL TSpread::InsRow(SS_COORD row) const { return SSInsRow(m_hWnd, row); }

BOOL TSpread::InsCol(SS_COORD col) const { return SSInsCol(m_hWnd, col); }

BOOL TSpread::DelRow(SS_COORD row) const { return SSDelRow(m_hWnd, row); }

BOOL TSpread::DelCol(SS_COORD col) const { return SSDelCol(m_hWnd, col); }

BOOL TSpread::CopyRange(SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, SS_COORD destCol,
                        SS_COORD destRow) const {
    return SSCopyRange(m_hWnd, col1, row1, col2, row2, destCol, destRow);
}

BOOL TSpread::SwapRange(SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, SS_COORD destCol,
                        SS_COORD destRow) const {
    return SSSwapRange(m_hWnd, col1, row1, col2, row2, destCol, destRow);
}

BOOL TSpread::ClipboardCopy() const { return SSClipboardCopy(m_hWnd); }

BOOL TSpread::ClipboardPaste() const { return SSClipboardPaste(m_hWnd); }

BOOL TSpread::SetActiveCell(SS_COORD col, SS_COORD row) const { return SSSetActiveCell(m_hWnd, col, row); }

BOOL TSpread::GetActiveCell(SS_COORD* col, SS_COORD* row) const { return SSGetActiveCell(m_hWnd, col, row); }

BOOL TSpread::SetSelectBlock(const SS_CELLCOORD* upperLeft, const SS_CELLCOORD* lowerRight) const {
    return SSSetSelectBlock(m_hWnd, upperLeft, lowerRight);
}

BOOL TSpread::GetSelectBlock(SS_CELLCOORD* upperLeft, SS_CELLCOORD* lowerRight) const {
    return SSGetSelectBlock(m_hWnd, upperLeft, lowerRight);
}

BOOL TSpread::GetEditMode() const { return SSGetEditMode(m_hWnd); }

BOOL TSpread::SetEditMode(BOOL open) const { return SSSetEditMode(m_hWnd, open); }

BOOL TSpread::SetSel(int start, int end) const { return SSSetSel(m_hWnd, start, end); }

BOOL TSpread::GetSel(int* start, int* end) const { return SSGetSel(m_hWnd, start, end); }

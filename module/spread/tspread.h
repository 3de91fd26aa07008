#pragma once
// TSpread: a window of the spreadsheet engine's class, with one forwarding method per engine
// call the module uses (the call's name without its "SS" prefix).  It adds no state: whatever
// the engine knows is asked of the engine.  Every call fails (0 or nullptr) on a window that
// is not an engine window, so a caller's ordinary failure handling covers an unattached sheet.

#include "sheet/ss_api.h"
#include "win/afxwin.h"

class TSpread : public CWnd {
public:
    // Creates the engine window as a child control of parent.
    BOOL createSheet(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    BOOL SetData(SS_COORD col, SS_COORD row, LPCSTR data) const;
    BOOL SetDataBlock(SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, const LPCSTR* texts) const;
    int GetData(SS_COORD col, SS_COORD row, LPSTR buffer) const;
    int GetDataLen(SS_COORD col, SS_COORD row) const;
    BOOL SetValue(SS_COORD col, SS_COORD row, LPCSTR value) const;
    int GetValue(SS_COORD col, SS_COORD row, LPSTR buffer) const;
    int GetValueLen(SS_COORD col, SS_COORD row) const;
    int GetFormula(SS_COORD col, SS_COORD row, LPSTR buffer) const;
    int GetFormulaLen(SS_COORD col, SS_COORD row) const;
    int GetCellTag(SS_COORD col, SS_COORD row, LPSTR buffer) const;
    BOOL SetMaxRows(SS_COORD rows) const;
    BOOL SetMaxCols(SS_COORD cols) const;
    SS_COORD GetMaxRows() const;
    SS_COORD GetMaxCols() const;
    BOOL SetBool(short option, BOOL value) const;
    BOOL GetBool(short option) const;
    BOOL Reset() const;
    BOOL SetAppearance(WORD appearance) const;
    BOOL SetActionKey(WORD action, BOOL shift, BOOL control, WORD key) const;
    BOOL SetGrayAreaColor(COLORREF back, COLORREF fore) const;
    BOOL SetCursor(WORD type, long cursor) const;
    BOOL SetSelColor(COLORREF back, COLORREF fore) const;
    BOOL SetLockColor(COLORREF back, COLORREF fore) const;
    BOOL SetEditEnterAction(WORD action) const;
    BOOL SetOperationMode(WORD mode) const;
    BOOL SetFontRange(SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, HFONT font, BOOL redraw) const;
    BOOL GetTextTip(WORD* status, long* delay, LOGFONT* font, COLORREF* back, COLORREF* fore) const;
    BOOL SetTextTip(WORD status, long delay, const LOGFONT* font, COLORREF back, COLORREF fore) const;
    BOOL SetBorder(SS_COORD col, SS_COORD row, WORD type, WORD style, COLORREF color) const;
    BOOL SetBorderRange(SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, WORD type, WORD style,
                        COLORREF color) const;
    BOOL AddCellSpan(SS_COORD col, SS_COORD row, SS_COORD numCols, SS_COORD numRows) const;
    int GetCellSpan(SS_COORD col, SS_COORD row, SS_COORD* anchorCol, SS_COORD* anchorRow, SS_COORD* numCols,
                    SS_COORD* numRows) const;
    BOOL SetLock(SS_COORD col, SS_COORD row, BOOL locked) const;
    BOOL SetLockRange(SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, BOOL locked) const;
    BOOL GetLock(SS_COORD col, SS_COORD row) const;
    SS_CELLTYPE* SetTypeEdit(SS_CELLTYPE* type, LONG style, int length, short chrSet, short chrCase) const;
    SS_CELLTYPE* SetTypeNumber(SS_CELLTYPE* type, LONG style, short decimals, double minimum, double maximum,
                               BOOL separator) const;
    SS_CELLTYPE* SetTypeComboBox(SS_CELLTYPE* type, LONG style, LPCSTR items) const;
    SS_CELLTYPE* SetTypeCheckBox(SS_CELLTYPE* type, LONG style, LPCSTR text, HANDLE up, WORD upKind, HANDLE down,
                                 WORD downKind, HANDLE focusUp, WORD focusUpKind, HANDLE focusDown,
                                 WORD focusDownKind) const;
    SS_CELLTYPE* SetTypeButton(SS_CELLTYPE* type, LONG style, LPCSTR text) const;
    SS_CELLTYPE* SetTypePictureHandle(SS_CELLTYPE* type, LONG style, HANDLE picture) const;
    SS_CELLTYPE* SetTypePicture(SS_CELLTYPE* type, LONG style, LPCSTR file) const;
    SS_CELLTYPE* SetTypeStaticText(SS_CELLTYPE* type, LONG style) const;
    BOOL SetCellType(SS_COORD col, SS_COORD row, const SS_CELLTYPE* type) const;
    BOOL SetCellTypeRange(SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, const SS_CELLTYPE* type) const;
    BOOL GetCellType(SS_COORD col, SS_COORD row, SS_CELLTYPE* type) const;
    LRESULT ComboBoxSendMessage(SS_COORD col, SS_COORD row, UINT msg, WPARAM wParam, LPARAM lParam) const;
    BOOL SetColWidth(SS_COORD col, double width) const;
    BOOL SetColWidthInPixels(SS_COORD col, int pixels) const;
    BOOL GetColWidthInPixels(SS_COORD col, int* pixels) const;
    BOOL SetRowHeight(SS_COORD row, double height) const;
    BOOL SetRowHeightInPixels(SS_COORD row, int pixels) const;
    BOOL GetRowHeightInPixels(SS_COORD row, int* pixels) const;
    BOOL GetMaxTextCellSize(SS_COORD col, SS_COORD row, double* width, double* height) const;
    BOOL GetMaxTextSizes(SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, double* colWidths,
                         double* rowHeights) const;
    BOOL GetClientRect(RECT* rect) const;
    BOOL InsRow(SS_COORD row) const;
    BOOL InsCol(SS_COORD col) const;
    BOOL DelRow(SS_COORD row) const;
    BOOL DelCol(SS_COORD col) const;
    BOOL CopyRange(SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, SS_COORD destCol,
                   SS_COORD destRow) const;
    BOOL SwapRange(SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, SS_COORD destCol,
                   SS_COORD destRow) const;
    BOOL ClipboardCopy() const;
    BOOL ClipboardPaste() const;
    BOOL SetActiveCell(SS_COORD col, SS_COORD row) const;
    BOOL GetActiveCell(SS_COORD* col, SS_COORD* row) const;
    BOOL SetSelectBlock(const SS_CELLCOORD* upperLeft, const SS_CELLCOORD* lowerRight) const;
    BOOL GetSelectBlock(SS_CELLCOORD* upperLeft, SS_CELLCOORD* lowerRight) const;
    BOOL GetEditMode() const;
    BOOL SetEditMode(BOOL open) const;
    BOOL SetSel(int start, int end) const;
    BOOL GetSel(int* start, int* end) const;
};

#pragma once
// The spreadsheet engine's C-style calls as the wrapper uses them: the window handle first,
// then the engine's own argument order.  Columns and rows count from 1; kSSHeader addresses
// the header row (as a row) or the header column (as a column).
//
// The engine lives in its own shared library, which the module does not link: the host loads
// it beside the module.  Every call is therefore declared weak, so that the module still loads
// where the engine is missing; TSpread checks each call and reports a missing engine as a
// failed call (0), which every caller already treats as "the engine refused".

#include <cstdint>

#include "win/types.h"

using SS_COORD = int32_t;

inline constexpr SS_COORD kSSHeader = -32767;

struct SS_CELLCOORD {
    SS_COORD Col = 0;
    SS_COORD Row = 0;
};

// Cell types the wrapper gives and recognises (SSGetCellType reports them in Type).
inline constexpr int32_t kSSTypeEdit = 1;
inline constexpr int32_t kSSTypeNumber = 2;
inline constexpr int32_t kSSTypeStaticText = 5;
inline constexpr int32_t kSSTypePicture = 6;
inline constexpr int32_t kSSTypeButton = 8;
inline constexpr int32_t kSSTypeComboBox = 9;
inline constexpr int32_t kSSTypeCheckBox = 12;

// Picture kinds of check-box pictures: 6 is a bitmap handle.
inline constexpr uint16_t kSSPictHandleBitmap = 6;

// A cell-type record, filled by the SSSetType... calls and applied by SSSetCellType(Range).
// Texts are copied by the engine when the record is applied.
struct SS_CELLTYPE {
    int32_t Type = 0;
    int32_t Style = 0;
    int32_t Len = 0;
    int16_t ChrSet = 0, ChrCase = 0;
    int16_t Decimals = 0;
    double Min = 0.0, Max = 0.0;
    const char* Text = nullptr;       // combo items (tab separated), button or check text,
                                      // picture file
    HANDLE Picture[4] = {nullptr, nullptr, nullptr, nullptr};
    uint16_t PictureKind[4] = {0, 0, 0, 0};
};

// Engine options the wrapper names (SSSetBool / SSGetBool).
inline constexpr int kSSOptRowHeaderShown = 4;
inline constexpr int kSSOptRedraw = 8;
inline constexpr int kSSOptBlockSelect = 13;
inline constexpr int kSSOptChanged = 30;

// Notification codes (high word of the WM_COMMAND the engine sends its parent) for a cell
// whose content a person changed.
inline constexpr int kSSNotifyChange = 59;
inline constexpr int kSSNotifyEditChange = 60;

#define KV_SS_CALL extern "C" __attribute__((weak))

// Content
KV_SS_CALL BOOL SSSetData(HWND, SS_COORD col, SS_COORD row, LPCSTR data);
KV_SS_CALL int SSGetData(HWND, SS_COORD col, SS_COORD row, LPSTR buffer);
KV_SS_CALL int SSGetDataLen(HWND, SS_COORD col, SS_COORD row);
KV_SS_CALL BOOL SSSetValue(HWND, SS_COORD col, SS_COORD row, LPCSTR value);
KV_SS_CALL int SSGetValue(HWND, SS_COORD col, SS_COORD row, LPSTR buffer);
KV_SS_CALL int SSGetValueLen(HWND, SS_COORD col, SS_COORD row);
KV_SS_CALL int SSGetFormula(HWND, SS_COORD col, SS_COORD row, LPSTR buffer);
KV_SS_CALL int SSGetFormulaLen(HWND, SS_COORD col, SS_COORD row);
// With a null buffer the tag's length is returned.
KV_SS_CALL int _SSGetCellTag(HWND, SS_COORD col, SS_COORD row, LPSTR buffer);

// Size and options
KV_SS_CALL BOOL SSSetMaxRows(HWND, SS_COORD rows);
KV_SS_CALL BOOL SSSetMaxCols(HWND, SS_COORD cols);
KV_SS_CALL SS_COORD SSGetMaxRows(HWND);
KV_SS_CALL SS_COORD SSGetMaxCols(HWND);
KV_SS_CALL BOOL SSSetBool(HWND, short option, BOOL value);   // returns the previous value
KV_SS_CALL BOOL SSGetBool(HWND, short option);
KV_SS_CALL BOOL SSReset(HWND);
KV_SS_CALL BOOL _SSSetAppearance(HWND, WORD appearance);
KV_SS_CALL BOOL _SSSetActionKey(HWND, WORD action, BOOL shift, BOOL control, WORD key);
KV_SS_CALL BOOL SSSetGrayAreaColor(HWND, COLORREF back, COLORREF fore);
KV_SS_CALL BOOL SSSetCursor(HWND, WORD type, HCURSOR cursor);
KV_SS_CALL BOOL _SSSetSelColor(HWND, COLORREF back, COLORREF fore);
KV_SS_CALL BOOL SSSetLockColor(HWND, COLORREF back, COLORREF fore);
KV_SS_CALL BOOL SSSetEditEnterAction(HWND, WORD action);
KV_SS_CALL BOOL SSSetOperationMode(HWND, WORD mode);

// Looks
KV_SS_CALL BOOL SSSetFontRange(HWND, SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, HFONT font,
                               BOOL redraw);
KV_SS_CALL BOOL _SSGetTextTip(HWND, WORD* status, LONG* delay, LOGFONT* font, COLORREF* back, COLORREF* fore);
KV_SS_CALL BOOL _SSSetTextTip(HWND, WORD status, LONG delay, const LOGFONT* font, COLORREF back, COLORREF fore);
KV_SS_CALL BOOL SSSetBorder(HWND, SS_COORD col, SS_COORD row, WORD type, WORD style, COLORREF color);
KV_SS_CALL BOOL SSSetBorderRange(HWND, SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, WORD type,
                                 WORD style, COLORREF color);
KV_SS_CALL BOOL _SSAddCellSpan(HWND, SS_COORD col, SS_COORD row, SS_COORD numCols, SS_COORD numRows);
// 0: the cell lies in no span; otherwise the span's anchor and extent are given.
KV_SS_CALL int _SSGetCellSpan(HWND, SS_COORD col, SS_COORD row, SS_COORD* anchorCol, SS_COORD* anchorRow,
                              SS_COORD* numCols, SS_COORD* numRows);
KV_SS_CALL BOOL SSSetLock(HWND, SS_COORD col, SS_COORD row, BOOL locked);
KV_SS_CALL BOOL SSSetLockRange(HWND, SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, BOOL locked);
KV_SS_CALL BOOL SSGetLock(HWND, SS_COORD col, SS_COORD row);

// Cell types: the SSSetType... calls fill the record and return it.
KV_SS_CALL SS_CELLTYPE* SSSetTypeEdit(HWND, SS_CELLTYPE* type, LONG style, int length, short chrSet,
                                      short chrCase);
KV_SS_CALL SS_CELLTYPE* _SSSetTypeNumber(HWND, SS_CELLTYPE* type, LONG style, short decimals, double minimum,
                                         double maximum, BOOL separator);
KV_SS_CALL SS_CELLTYPE* SSSetTypeComboBox(HWND, SS_CELLTYPE* type, LONG style, LPCSTR items);
KV_SS_CALL SS_CELLTYPE* SSSetTypeCheckBox(HWND, SS_CELLTYPE* type, LONG style, LPCSTR text, HANDLE up,
                                          WORD upKind, HANDLE down, WORD downKind, HANDLE focusUp,
                                          WORD focusUpKind, HANDLE focusDown, WORD focusDownKind);
KV_SS_CALL SS_CELLTYPE* SSSetTypeButton(HWND, SS_CELLTYPE* type, LONG style, LPCSTR text);
KV_SS_CALL SS_CELLTYPE* SSSetTypePictureHandle(HWND, SS_CELLTYPE* type, LONG style, HANDLE picture);
KV_SS_CALL SS_CELLTYPE* SSSetTypePicture(HWND, SS_CELLTYPE* type, LONG style, LPCSTR file);
KV_SS_CALL SS_CELLTYPE* SSSetTypeStaticText(HWND, SS_CELLTYPE* type, LONG style);
KV_SS_CALL BOOL SSSetCellType(HWND, SS_COORD col, SS_COORD row, const SS_CELLTYPE* type);
KV_SS_CALL BOOL SSSetCellTypeRange(HWND, SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2,
                                   const SS_CELLTYPE* type);
KV_SS_CALL BOOL SSGetCellType(HWND, SS_COORD col, SS_COORD row, SS_CELLTYPE* type);

// Sizes in pixels, or in the engine's character units for SSSetColWidth / SSSetRowHeight.
KV_SS_CALL BOOL SSSetColWidth(HWND, SS_COORD col, double width);
KV_SS_CALL BOOL SSSetColWidthInPixels(HWND, SS_COORD col, int pixels);
KV_SS_CALL BOOL SSGetColWidthInPixels(HWND, SS_COORD col, int* pixels);
KV_SS_CALL BOOL SSSetRowHeight(HWND, SS_COORD row, double height);
KV_SS_CALL BOOL SSSetRowHeightInPixels(HWND, SS_COORD row, int pixels);
KV_SS_CALL BOOL SSGetRowHeightInPixels(HWND, SS_COORD row, int* pixels);
// The size of the cell's text in the units of SSSetColWidth and SSSetRowHeight.
KV_SS_CALL BOOL SSGetMaxTextCellSize(HWND, SS_COORD col, SS_COORD row, double* width, double* height);
KV_SS_CALL BOOL SSGetClientRect(HWND, RECT* rect);

// Structure and the clipboard
KV_SS_CALL BOOL SSInsRow(HWND, SS_COORD row);
KV_SS_CALL BOOL SSInsCol(HWND, SS_COORD col);
KV_SS_CALL BOOL SSDelRow(HWND, SS_COORD row);
KV_SS_CALL BOOL SSDelCol(HWND, SS_COORD col);
KV_SS_CALL BOOL SSCopyRange(HWND, SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, SS_COORD destCol,
                            SS_COORD destRow);
KV_SS_CALL BOOL SSSwapRange(HWND, SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, SS_COORD destCol,
                            SS_COORD destRow);
KV_SS_CALL BOOL SSClipboardCopy(HWND);
KV_SS_CALL BOOL SSClipboardPaste(HWND);

// Active cell, selection and the cell editor
KV_SS_CALL BOOL SSSetActiveCell(HWND, SS_COORD col, SS_COORD row);
// False when no cell is active.
KV_SS_CALL BOOL SSGetActiveCell(HWND, SS_COORD* col, SS_COORD* row);
KV_SS_CALL BOOL SSSetSelectBlock(HWND, const SS_CELLCOORD* upperLeft, const SS_CELLCOORD* lowerRight);
// False when only the active cell is selected.
KV_SS_CALL BOOL SSGetSelectBlock(HWND, SS_CELLCOORD* upperLeft, SS_CELLCOORD* lowerRight);
KV_SS_CALL BOOL SSGetEditMode(HWND);
KV_SS_CALL BOOL SSSetEditMode(HWND, BOOL open);
// The caret selection inside the open editor.
KV_SS_CALL BOOL SSSetSel(HWND, int start, int end);
KV_SS_CALL BOOL SSGetSel(HWND, int* start, int* end);

#undef KV_SS_CALL

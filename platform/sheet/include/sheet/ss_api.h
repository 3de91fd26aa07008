// The engine's C-style calls on a window of its class "fpSpread70" (library kvsheetwin).
// Every call takes the sheet's window first and fails (FALSE, 0 or -1) for a window that is
// not a sheet.  Columns and rows count from 1; SS_HEADER (-32767) and 0 address the header
// column and row.  The numbers the calls take are defined once, here and in the headers this
// one includes: option numbers (sheet::SheetOption, options.h), cell type numbers
// (sheet::CellKind, cell_format.h), size limits (limits.h), notification codes and messages.
// docs/sheet-engine.md lists them.
#pragma once

#include <cstdint>

#include "sheet/cell_format.h"
#include "sheet/formula/custom_function.h"
#include "sheet/limits.h"
#include "sheet/options.h"
#include "win/types.h"

namespace sheet {
class Sheet;
}

using SS_COORD = int32_t;
constexpr SS_COORD SS_HEADER = -32767;
constexpr LPCSTR kSpreadClassName = "fpSpread70";

// Notification codes (WM_COMMAND to the parent, high word of wParam; low word the control id,
// lParam the sheet's window).
constexpr WORD SSN_DATACHANGE = 59;  // a person committed an edit that changed a cell
constexpr WORD SSN_CELLCHANGE = 60;  // a person ticked a check box, chose a combo item or
                                     // pressed a button cell
// Messages sent to the parent (wParam the control id, lParam a pointer to SS_CELLCOORD, or to
// SS_LEAVECELL / SS_EDITMODEOFF, valid during the call).
constexpr UINT SSM_CLICK = 0x502;        // left click on a cell
constexpr UINT SSM_DBLCLK = 0x503;       // double click on a cell
constexpr UINT SSM_EDITMODEOFF = 0x508;  // the cell editor closed (committed or cancelled)
constexpr UINT SSM_LEAVECELL = 0x509;    // the active cell moves to another cell
constexpr UINT SSM_RBUTTON = 0x521;      // right click on a cell

struct SS_CELLCOORD {
    SS_COORD Col = 0, Row = 0;
};
struct SS_LEAVECELL {
    SS_COORD Col = 0, Row = 0, NewCol = 0, NewRow = 0;
};
struct SS_EDITMODEOFF {
    SS_COORD Col = 0, Row = 0;
    BOOL fChangeMade = FALSE;
};

// Picture kinds of the handles given to SSSetTypeCheckBox; the engine keeps them as given.
constexpr short SS_PICT_HANDLE_BITMAP = 6;  // the handle is a bitmap

// A cell type record: built by the SSSetType... calls, applied by SSSetCellType(Range), read
// back by SSGetCellType.  Type is the cell type number (12 the check box).
struct SS_CELLTYPE {
    short Type = 0;
    long Style = 0;
    sheet::CellTypeRecord record;
};

// Registers the class (done by every call that needs it; for windows created before any).
BOOL SSRegisterClass();
// The model behind a sheet window (for the engine's own view code and tests).
sheet::Sheet* SSGetSheet(HWND hWnd);

// Content
BOOL SSSetData(HWND hWnd, SS_COORD col, SS_COORD row, LPCSTR data);
// This engine's extension: the texts of a block at once, row by row (col2 - col1 + 1 texts
// per row, in model coordinates), each entered as SSSetData enters it; a null text empties its
// cell.  FALSE, writing nothing, for a block not inside the sheet; FALSE too when a cell
// refused its text (the others are written).
BOOL SSSetDataBlock(HWND hWnd, SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, const LPCSTR* texts);
int SSGetData(HWND hWnd, SS_COORD col, SS_COORD row, LPSTR buffer);  // length; 0 on failure
int SSGetDataLen(HWND hWnd, SS_COORD col, SS_COORD row);
BOOL SSSetValue(HWND hWnd, SS_COORD col, SS_COORD row, LPCSTR value);
int SSGetValue(HWND hWnd, SS_COORD col, SS_COORD row, LPSTR buffer);
int SSGetValueLen(HWND hWnd, SS_COORD col, SS_COORD row);
int SSGetFormula(HWND hWnd, SS_COORD col, SS_COORD row, LPSTR buffer);
int SSGetFormulaLen(HWND hWnd, SS_COORD col, SS_COORD row);
BOOL SSGetFloat(HWND hWnd, SS_COORD col, SS_COORD row, double* value);
BOOL _SSSetCellTag(HWND hWnd, SS_COORD col, SS_COORD row, LPCSTR tag);
// With a null buffer: the tag's length.  Otherwise copies it and returns its length.
int _SSGetCellTag(HWND hWnd, SS_COORD col, SS_COORD row, LPSTR buffer);

// Options and settings
BOOL SSSetBool(HWND hWnd, short index, BOOL value);
BOOL SSGetBool(HWND hWnd, short index);
BOOL SSSetMaxRows(HWND hWnd, SS_COORD rows);
BOOL SSSetMaxCols(HWND hWnd, SS_COORD cols);
SS_COORD SSGetMaxRows(HWND hWnd);
SS_COORD SSGetMaxCols(HWND hWnd);
BOOL SSSetEditEnterAction(HWND hWnd, WORD action);
BOOL SSSetOperationMode(HWND hWnd, WORD mode);
BOOL SSSetCursor(HWND hWnd, WORD type, long cursor);
BOOL SSSetAutoSizeVisible(HWND hWnd, SS_COORD cols, SS_COORD rows);
BOOL SSSetGrayAreaColor(HWND hWnd, COLORREF back, COLORREF fore);
BOOL SSSetGridType(HWND hWnd, WORD type);
BOOL SSSetGridColor(HWND hWnd, COLORREF color);
BOOL _SSSetSelColor(HWND hWnd, COLORREF back, COLORREF fore);
BOOL _SSSetAppearance(HWND hWnd, WORD appearance);
BOOL _SSSetActionKey(HWND hWnd, WORD action, BOOL shift, BOOL control, WORD key);
BOOL _SSSetTextTip(HWND hWnd, WORD status, long delay, const LOGFONT* font, COLORREF back, COLORREF fore);
BOOL _SSGetTextTip(HWND hWnd, WORD* status, long* delay, LOGFONT* font, COLORREF* back, COLORREF* fore);
BOOL _SSSetCellNoteIndicator(HWND hWnd, WORD indicator);
BOOL _SSSetRefStyle(HWND hWnd, short style);  // 0 default, 1 A1, 2 R1C1
BOOL SSSetLockColor(HWND hWnd, COLORREF back, COLORREF fore);

// Cell types
SS_CELLTYPE* SSSetTypeEdit(HWND hWnd, SS_CELLTYPE* ct, long style, int maxLength, short charSet, short charCase);
SS_CELLTYPE* _SSSetTypeNumber(HWND hWnd, SS_CELLTYPE* ct, long style, short decimals, double minimum, double maximum,
                              BOOL separator);
SS_CELLTYPE* SSSetTypeInteger(HWND hWnd, SS_CELLTYPE* ct, long minimum, long maximum);
SS_CELLTYPE* SSSetTypeFloat(HWND hWnd, SS_CELLTYPE* ct, long style, double minimum, double maximum);
SS_CELLTYPE* SSSetTypePercent(HWND hWnd, SS_CELLTYPE* ct, long style, double minimum, double maximum);
SS_CELLTYPE* SSSetTypeComboBox(HWND hWnd, SS_CELLTYPE* ct, long style, LPCSTR tabbedItems);
SS_CELLTYPE* SSSetTypeCheckBox(HWND hWnd, SS_CELLTYPE* ct, long style, LPCSTR text, HANDLE unchecked,
                               short uncheckedKind, HANDLE checked, short checkedKind, HANDLE uncheckedFocus,
                               short uncheckedFocusKind, HANDLE checkedFocus, short checkedFocusKind);
SS_CELLTYPE* SSSetTypeButton(HWND hWnd, SS_CELLTYPE* ct, long style, LPCSTR text);
SS_CELLTYPE* SSSetTypeStaticText(HWND hWnd, SS_CELLTYPE* ct, long style);
SS_CELLTYPE* SSSetTypePicture(HWND hWnd, SS_CELLTYPE* ct, long style, LPCSTR file);
SS_CELLTYPE* SSSetTypePictureHandle(HWND hWnd, SS_CELLTYPE* ct, long style, HANDLE picture);
BOOL SSSetCellType(HWND hWnd, SS_COORD col, SS_COORD row, const SS_CELLTYPE* ct);
BOOL SSSetCellTypeRange(HWND hWnd, SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, const SS_CELLTYPE* ct);
BOOL SSGetCellType(HWND hWnd, SS_COORD col, SS_COORD row, SS_CELLTYPE* ct);
// A combo cell's list by entry number, as a combo box's messages: CB_GETCURSEL gives the
// chosen entry (CB_ERR when the data is no entry), CB_SETCURSEL chooses entry wParam (-1
// empties the cell; CB_ERR for a number that names no entry), CB_GETCOUNT the entries,
// CB_GETDROPPEDSTATE whether a person has the cell's list open.  A
// repeated entry text keeps its own number.  CB_ERR for a cell outside the sheet or that is
// no combo cell.
LRESULT SSComboBoxSendMessage(HWND hWnd, SS_COORD col, SS_COORD row, UINT msg, WPARAM wParam, LPARAM lParam);

// Looks
BOOL _SSAddCellSpan(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD numCols, SS_COORD numRows);
// 0 when the cell lies in no span; otherwise 1, with the span's anchor and extent.
int _SSGetCellSpan(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD* anchorCol, SS_COORD* anchorRow, SS_COORD* numCols,
                   SS_COORD* numRows);
BOOL SSSetLock(HWND hWnd, SS_COORD col, SS_COORD row, BOOL lock);
BOOL SSSetLockRange(HWND hWnd, SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, BOOL lock);
BOOL SSGetLock(HWND hWnd, SS_COORD col, SS_COORD row);
BOOL SSSetFontRange(HWND hWnd, SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, HFONT font, BOOL redraw);
BOOL SSSetColor(HWND hWnd, SS_COORD col, SS_COORD row, COLORREF back, COLORREF fore);
BOOL SSSetBorder(HWND hWnd, SS_COORD col, SS_COORD row, WORD sides, WORD style, COLORREF color);
BOOL SSSetBorderRange(HWND hWnd, SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, WORD sides, WORD style,
                      COLORREF color);

// Sizes (widths in characters of the sheet's average character, or pixels)
BOOL SSSetColWidth(HWND hWnd, SS_COORD col, double width);
BOOL SSSetColWidthInPixels(HWND hWnd, SS_COORD col, int pixels);
BOOL SSGetColWidthInPixels(HWND hWnd, SS_COORD col, int* pixels);
BOOL SSSetRowHeight(HWND hWnd, SS_COORD row, double height);
BOOL SSGetRowHeightInPixels(HWND hWnd, SS_COORD row, int* pixels);
BOOL SSSetRowHeightInPixels(HWND hWnd, SS_COORD row, int pixels);
BOOL SSGetMaxTextCellSize(HWND hWnd, SS_COORD col, SS_COORD row, double* width, double* height);
BOOL SSGetMaxTextColWidth(HWND hWnd, SS_COORD col, double* width);
// This engine's extension: each cell of the block measured once, giving the widest text of
// every column (in characters, as SSGetMaxTextCellSize) and the tallest of every row (pixels).
// The block may begin at the header (SS_HEADER or 0); colWidths holds col2 - col1 + 1 entries
// and rowHeights row2 - row1 + 1 (in model coordinates), either may be null.  Picture cells
// measure nothing.  FALSE, writing nothing, for a block not inside the sheet.
BOOL SSGetMaxTextSizes(HWND hWnd, SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, double* colWidths,
                       double* rowHeights);
BOOL SSGetClientRect(HWND hWnd, RECT* rect);

// Structure, clipboard, selection
BOOL SSInsRow(HWND hWnd, SS_COORD row);
BOOL SSInsCol(HWND hWnd, SS_COORD col);
BOOL SSDelRow(HWND hWnd, SS_COORD row);
BOOL SSDelCol(HWND hWnd, SS_COORD col);
BOOL SSCopyRange(HWND hWnd, SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, SS_COORD destCol,
                 SS_COORD destRow);
BOOL SSSwapRange(HWND hWnd, SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, SS_COORD destCol,
                 SS_COORD destRow);
BOOL SSClipboardCopy(HWND hWnd);
BOOL SSClipboardPaste(HWND hWnd);
BOOL SSSetSelectBlock(HWND hWnd, const SS_CELLCOORD* first, const SS_CELLCOORD* last);
BOOL SSGetSelectBlock(HWND hWnd, SS_CELLCOORD* first, SS_CELLCOORD* last);
BOOL SSSetActiveCell(HWND hWnd, SS_COORD col, SS_COORD row);
BOOL SSGetActiveCell(HWND hWnd, SS_COORD* col, SS_COORD* row);
BOOL SSSetEditMode(HWND hWnd, BOOL on);
BOOL SSGetEditMode(HWND hWnd);
BOOL SSSetSel(HWND hWnd, int start, int end);
BOOL SSGetSel(HWND hWnd, int* start, int* end);

// Calculation and files
BOOL _SSAddCustomFunctionExt(HWND hWnd, LPCSTR name, short minArgs, short maxArgs, sheet::SSCustomFunctionProc proc,
                             long flags);
// The same for a function told which sheet window and cell call it (SSCaller::sheet is the
// window).  namedCells (may be null) gives, by argument count, the arguments that name cells
// rather than read them: they are no dependencies of the calling cell.
BOOL SSAddCustomFunctionWithCaller(HWND hWnd, LPCSTR name, short minArgs, short maxArgs,
                                   sheet::SSCustomFunctionCallerProc proc, long flags,
                                   uint32_t (*namedCells)(int argCount));
BOOL _SSReCalcCell(HWND hWnd, SS_COORD col, SS_COORD row);
BOOL SSReCalc(HWND hWnd);
BOOL SSReset(HWND hWnd);
BOOL SSSaveToFile(HWND hWnd, LPCSTR path, BOOL dataOnly);
BOOL SSLoadFromFile(HWND hWnd, LPCSTR path);
// This engine's extension: the notes of the window's last load of a workbook (characters
// replaced, unknown functions, formulas kept as texts), each line ended by '\n'; empty after
// any other load.  Returns the length; with a null buffer only the length is returned.
int SSGetLoadNotes(HWND hWnd, LPSTR buffer, int bufferSize);

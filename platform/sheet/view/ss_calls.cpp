// The engine's calls on content, options, cell types and looks.
#include <algorithm>
#include <cstring>
#include <string>

#include "view/spread_window.h"
#include "win/messages.h"
#include "win/wingdi.h"
#include "win/winuser.h"

using sheet::CellKind;
using sheet::CellRef;
using sheet::modelCoord;
using sheet::RangeRef;
using sheet::Sheet;
using sheet::sheetOf;

namespace {

CellRef at(SS_COORD col, SS_COORD row) { return {modelCoord(col), modelCoord(row)}; }

// A range of engine coordinates; -1 as an end means "to the last column/row".
bool rangeOf(const Sheet& s, SS_COORD c1, SS_COORD r1, SS_COORD c2, SS_COORD r2, RangeRef& out) {
    CellRef a = at(c1, r1), b = at(c2, r2);
    if (b.col == -1) b.col = s.maxCols();
    if (b.row == -1) b.row = s.maxRows();
    out = {{std::min(a.col, b.col), std::min(a.row, b.row)}, {std::max(a.col, b.col), std::max(a.row, b.row)}};
    return s.inSheet(out.first) && s.inSheet(out.last);
}

int copyOut(const std::string& text, LPSTR buffer) {
    if (buffer) std::memcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<int>(text.size());
}

SS_CELLTYPE* fill(SS_CELLTYPE* ct, CellKind kind, long style) {
    if (!ct) return nullptr;
    *ct = SS_CELLTYPE{};
    ct->Type = static_cast<short>(kind);
    ct->Style = style;
    ct->record.kind = kind;
    ct->record.style = static_cast<uint32_t>(style);
    return ct;
}

}  // namespace

sheet::Sheet* SSGetSheet(HWND hWnd) { return sheetOf(hWnd); }

BOOL SSSetData(HWND hWnd, SS_COORD col, SS_COORD row, LPCSTR data) {
    Sheet* s = sheetOf(hWnd);
    if (!s) return FALSE;
    auto r = s->setData(at(col, row), data ? data : "");
    return r == sheet::SetResult::Ok || r == sheet::SetResult::BadFormula;
}

BOOL SSSetDataBlock(HWND hWnd, SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, const LPCSTR* texts) {
    Sheet* s = sheetOf(hWnd);
    const CellRef first = at(col1, row1), last = at(col2, row2);
    if (!s || !texts || first.col > last.col || first.row > last.row || !s->inSheet(first) || !s->inSheet(last))
        return FALSE;
    bool ok = true;
    for (int32_t row = first.row; row <= last.row; ++row) {
        for (int32_t col = first.col; col <= last.col; ++col, ++texts) {
            auto r = s->setData({col, row}, *texts ? *texts : "");
            ok = (r == sheet::SetResult::Ok || r == sheet::SetResult::BadFormula) && ok;
        }
    }
    return ok;
}

int SSGetDataLen(HWND hWnd, SS_COORD col, SS_COORD row) {
    Sheet* s = sheetOf(hWnd);
    return s ? static_cast<int>(s->data(at(col, row)).size()) : 0;
}

int SSGetData(HWND hWnd, SS_COORD col, SS_COORD row, LPSTR buffer) {
    Sheet* s = sheetOf(hWnd);
    if (!s || !s->inSheet(at(col, row))) return 0;
    std::string text = s->data(at(col, row));
    if (buffer) copyOut(text, buffer);
    // A readable empty cell still counts as read: its length is 0 but the call succeeds.
    return text.empty() ? 1 : static_cast<int>(text.size());
}

BOOL SSSetValue(HWND hWnd, SS_COORD col, SS_COORD row, LPCSTR value) {
    Sheet* s = sheetOf(hWnd);
    if (!s) return FALSE;
    std::string text = value ? value : "";
    // A value is a number when it reads as one, else a text; never a formula.
    auto n = sheet::textToNumber(text);
    if (n) return s->setData(at(col, row), text) == sheet::SetResult::Ok;
    return s->setValueText(at(col, row), text) == sheet::SetResult::Ok;
}

int SSGetValueLen(HWND hWnd, SS_COORD col, SS_COORD row) { return SSGetDataLen(hWnd, col, row); }
int SSGetValue(HWND hWnd, SS_COORD col, SS_COORD row, LPSTR buffer) { return SSGetData(hWnd, col, row, buffer); }

int SSGetFormulaLen(HWND hWnd, SS_COORD col, SS_COORD row) {
    Sheet* s = sheetOf(hWnd);
    return s ? static_cast<int>(s->formulaText(at(col, row)).size()) : 0;
}

int SSGetFormula(HWND hWnd, SS_COORD col, SS_COORD row, LPSTR buffer) {
    Sheet* s = sheetOf(hWnd);
    if (!s || !s->hasFormula(at(col, row))) {
        if (buffer) buffer[0] = 0;
        return 0;
    }
    return copyOut(s->formulaText(at(col, row)), buffer);
}

BOOL SSGetFloat(HWND hWnd, SS_COORD col, SS_COORD row, double* value) {
    Sheet* s = sheetOf(hWnd);
    if (!s || !value || !s->inSheet(at(col, row))) return FALSE;
    sheet::Value v = s->value(at(col, row));
    if (v.isNumber() || v.isBool()) {
        *value = v.asNumber();
        return TRUE;
    }
    auto n = sheet::textToNumber(s->data(at(col, row)));
    *value = n ? *n : 0;
    return n.has_value();
}

BOOL _SSSetCellTag(HWND hWnd, SS_COORD col, SS_COORD row, LPCSTR tag) {
    Sheet* s = sheetOf(hWnd);
    return s && s->setTag(at(col, row), tag ? tag : "");
}

int _SSGetCellTag(HWND hWnd, SS_COORD col, SS_COORD row, LPSTR buffer) {
    Sheet* s = sheetOf(hWnd);
    if (!s || !s->inSheet(at(col, row))) return 0;
    return copyOut(s->tag(at(col, row)), buffer);
}

BOOL SSSetBool(HWND hWnd, short index, BOOL value) {
    Sheet* s = sheetOf(hWnd);
    return s && s->setOption(index, value != FALSE);
}

BOOL SSGetBool(HWND hWnd, short index) {
    Sheet* s = sheetOf(hWnd);
    return s && s->option(index);
}

BOOL SSSetMaxRows(HWND hWnd, SS_COORD rows) {
    sheet::SpreadWindow* w = sheet::spreadOf(hWnd);
    if (!w) return FALSE;
    sheet::endEditBeforeStructureChange(*w);
    return w->sheet.setMaxRows(rows);
}
BOOL SSSetMaxCols(HWND hWnd, SS_COORD cols) {
    sheet::SpreadWindow* w = sheet::spreadOf(hWnd);
    if (!w) return FALSE;
    sheet::endEditBeforeStructureChange(*w);
    return w->sheet.setMaxCols(cols);
}
SS_COORD SSGetMaxRows(HWND hWnd) {
    Sheet* s = sheetOf(hWnd);
    return s ? s->maxRows() : -1;
}
SS_COORD SSGetMaxCols(HWND hWnd) {
    Sheet* s = sheetOf(hWnd);
    return s ? s->maxCols() : -1;
}

#define KV_SETTING(call, params, body)             \
    BOOL call params {                             \
        Sheet* s = sheetOf(hWnd);                  \
        if (!s) return FALSE;                      \
        sheet::SheetSettings& set = s->settings(); \
        body;                                      \
        return TRUE;                               \
    }

KV_SETTING(SSSetEditEnterAction, (HWND hWnd, WORD action), set.editEnterAction = action)
KV_SETTING(SSSetOperationMode, (HWND hWnd, WORD mode), set.operationMode = mode)
KV_SETTING(SSSetCursor, (HWND hWnd, WORD type, long cursor),
           (set.cursorType = type, set.cursorStyle = static_cast<int32_t>(cursor)))
KV_SETTING(SSSetAutoSizeVisible, (HWND hWnd, SS_COORD cols, SS_COORD rows),
           (set.autoSizeVisibleCols = cols, set.autoSizeVisibleRows = rows))
KV_SETTING(SSSetGrayAreaColor, (HWND hWnd, COLORREF back, COLORREF fore), (set.grayAreaColor = back, (void)fore))
KV_SETTING(SSSetGridType, (HWND hWnd, WORD type), set.gridType = type)
KV_SETTING(SSSetGridColor, (HWND hWnd, COLORREF color), set.gridColor = color)
KV_SETTING(_SSSetSelColor, (HWND hWnd, COLORREF back, COLORREF fore),
           (set.selBackColor = back, set.selForeColor = fore))
KV_SETTING(_SSSetAppearance, (HWND hWnd, WORD appearance), set.appearance = appearance)
KV_SETTING(_SSSetCellNoteIndicator, (HWND hWnd, WORD indicator), set.noteIndicator = indicator != 0)
KV_SETTING(SSSetLockColor, (HWND hWnd, COLORREF back, COLORREF fore),
           (set.lockBackColor = back, set.lockForeColor = fore))

BOOL _SSSetActionKey(HWND hWnd, WORD action, BOOL shift, BOOL control, WORD key) {
    Sheet* s = sheetOf(hWnd);
    if (!s || action > 2) return FALSE;
    s->settings().actionKeys[action][0] = key;
    s->settings().actionKeys[action][1] = shift;
    s->settings().actionKeys[action][2] = control;
    return TRUE;
}

BOOL _SSSetTextTip(HWND hWnd, WORD status, long delay, const LOGFONT* font, COLORREF back, COLORREF fore) {
    Sheet* s = sheetOf(hWnd);
    if (!s) return FALSE;
    auto& set = s->settings();
    set.textTipStatus = status;
    set.textTipDelay = static_cast<int32_t>(delay);
    if (font)
        set.textTipFont = {font->lfFaceName, static_cast<int32_t>(font->lfHeight), static_cast<int32_t>(font->lfWeight),
                           font->lfItalic != 0, font->lfUnderline != 0};
    set.textTipBackColor = back;
    set.textTipForeColor = fore;
    return TRUE;
}

BOOL _SSGetTextTip(HWND hWnd, WORD* status, long* delay, LOGFONT* font, COLORREF* back, COLORREF* fore) {
    Sheet* s = sheetOf(hWnd);
    if (!s) return FALSE;
    const auto& set = s->settings();
    if (status) *status = static_cast<WORD>(set.textTipStatus);
    if (delay) *delay = set.textTipDelay;
    if (font) {
        *font = LOGFONT{};
        font->lfHeight = set.textTipFont.height;
        font->lfWeight = set.textTipFont.weight;
        font->lfItalic = set.textTipFont.italic;
        font->lfUnderline = set.textTipFont.underline;
        std::strncpy(font->lfFaceName, set.textTipFont.face.c_str(), sizeof(font->lfFaceName) - 1);
    }
    if (back) *back = set.textTipBackColor;
    if (fore) *fore = set.textTipForeColor;
    return TRUE;
}

BOOL _SSSetRefStyle(HWND hWnd, short style) {
    Sheet* s = sheetOf(hWnd);
    if (!s || style < 0 || style > 2) return FALSE;
    s->settings().refStyle = static_cast<sheet::RefStyle>(style);
    return TRUE;
}

// --- cell types ---------------------------------------------------------------------------

SS_CELLTYPE* SSSetTypeEdit(HWND, SS_CELLTYPE* ct, long style, int maxLength, short charSet, short charCase) {
    if (!fill(ct, CellKind::Edit, style)) return nullptr;
    ct->record.maxLength = maxLength;
    ct->record.charSet = charSet;
    ct->record.charCase = charCase;
    return ct;
}

SS_CELLTYPE* _SSSetTypeNumber(HWND, SS_CELLTYPE* ct, long style, short decimals, double minimum, double maximum,
                              BOOL separator) {
    if (!fill(ct, CellKind::Number, style)) return nullptr;
    ct->record.decimals = decimals;
    // Limits given the wrong way round are taken as the range they span.
    ct->record.minimum = std::min(minimum, maximum);
    ct->record.maximum = std::max(minimum, maximum);
    ct->record.flag = separator;
    return ct;
}

SS_CELLTYPE* SSSetTypeInteger(HWND, SS_CELLTYPE* ct, long minimum, long maximum) {
    if (!fill(ct, CellKind::Integer, 0)) return nullptr;
    ct->record.minimum = static_cast<double>(std::min(minimum, maximum));
    ct->record.maximum = static_cast<double>(std::max(minimum, maximum));
    return ct;
}

SS_CELLTYPE* SSSetTypeFloat(HWND, SS_CELLTYPE* ct, long style, double minimum, double maximum) {
    if (!fill(ct, CellKind::Float, style)) return nullptr;
    ct->record.minimum = std::min(minimum, maximum);
    ct->record.maximum = std::max(minimum, maximum);
    return ct;
}

SS_CELLTYPE* SSSetTypePercent(HWND, SS_CELLTYPE* ct, long style, double minimum, double maximum) {
    if (!fill(ct, CellKind::Percent, style)) return nullptr;
    ct->record.minimum = std::min(minimum, maximum);
    ct->record.maximum = std::max(minimum, maximum);
    return ct;
}

SS_CELLTYPE* SSSetTypeComboBox(HWND, SS_CELLTYPE* ct, long style, LPCSTR tabbedItems) {
    if (!fill(ct, CellKind::ComboBox, style)) return nullptr;
    ct->record.text = tabbedItems ? tabbedItems : "";
    return ct;
}

SS_CELLTYPE* SSSetTypeCheckBox(HWND, SS_CELLTYPE* ct, long style, LPCSTR text, HANDLE p1, short k1, HANDLE p2, short k2,
                               HANDLE p3, short k3, HANDLE p4, short k4) {
    if (!fill(ct, CellKind::CheckBox, style)) return nullptr;
    ct->record.text = text ? text : "";
    ct->record.pictures = {reinterpret_cast<uint64_t>(p1), reinterpret_cast<uint64_t>(p2),
                           reinterpret_cast<uint64_t>(p3), reinterpret_cast<uint64_t>(p4)};
    ct->record.pictureKinds = {k1, k2, k3, k4};
    return ct;
}

SS_CELLTYPE* SSSetTypeButton(HWND, SS_CELLTYPE* ct, long style, LPCSTR text) {
    if (!fill(ct, CellKind::Button, style)) return nullptr;
    ct->record.text = text ? text : "";
    return ct;
}

SS_CELLTYPE* SSSetTypeStaticText(HWND, SS_CELLTYPE* ct, long style) { return fill(ct, CellKind::StaticText, style); }

SS_CELLTYPE* SSSetTypePicture(HWND, SS_CELLTYPE* ct, long style, LPCSTR file) {
    if (!fill(ct, CellKind::Picture, style)) return nullptr;
    ct->record.text = file ? file : "";
    return ct;
}

SS_CELLTYPE* SSSetTypePictureHandle(HWND, SS_CELLTYPE* ct, long style, HANDLE picture) {
    if (!fill(ct, CellKind::Picture, style)) return nullptr;
    ct->record.pictures[0] = reinterpret_cast<uint64_t>(picture);
    return ct;
}

BOOL SSSetCellTypeRange(HWND hWnd, SS_COORD c1, SS_COORD r1, SS_COORD c2, SS_COORD r2, const SS_CELLTYPE* ct) {
    Sheet* s = sheetOf(hWnd);
    RangeRef r;
    if (!s || !ct || !rangeOf(*s, c1, r1, c2, r2, r)) return FALSE;
    return s->setCellType(r, ct->record);
}

BOOL SSSetCellType(HWND hWnd, SS_COORD col, SS_COORD row, const SS_CELLTYPE* ct) {
    return SSSetCellTypeRange(hWnd, col, row, col, row, ct);
}

BOOL SSGetCellType(HWND hWnd, SS_COORD col, SS_COORD row, SS_CELLTYPE* ct) {
    Sheet* s = sheetOf(hWnd);
    if (!s || !ct || !s->inSheet(at(col, row))) return FALSE;
    const sheet::CellTypeRecord& r = s->format(at(col, row)).type;
    ct->Type = static_cast<short>(r.kind);
    ct->Style = static_cast<long>(r.style);
    ct->record = r;
    return TRUE;
}

LRESULT SSComboBoxSendMessage(HWND hWnd, SS_COORD col, SS_COORD row, UINT msg, WPARAM wParam, LPARAM) {
    sheet::SpreadWindow* w = sheet::spreadOf(hWnd);
    Sheet* s = w ? &w->sheet : nullptr;
    const CellRef cell = at(col, row);
    if (!s || !s->inSheet(cell) || s->format(cell).type.kind != CellKind::ComboBox) return CB_ERR;
    switch (msg) {
    case CB_GETCURSEL: return sheet::comboIndex(*s, cell);
    case CB_SETCURSEL: {
        const int index = static_cast<int>(static_cast<intptr_t>(wParam));
        return sheet::setComboIndex(*s, cell, index) ? index : CB_ERR;
    }
    case CB_GETCOUNT: {
        const std::string& joined = s->format(cell).type.text;
        return static_cast<LRESULT>(std::count(joined.begin(), joined.end(), '\t') + 1);
    }
    // The list a person opened hangs below the active cell.
    case CB_GETDROPPEDSTATE: return w->comboItem >= 0 && s->activeCell() == cell ? TRUE : FALSE;
    default: return CB_ERR;
    }
}

// --- looks --------------------------------------------------------------------------------

BOOL _SSAddCellSpan(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD numCols, SS_COORD numRows) {
    Sheet* s = sheetOf(hWnd);
    return s && s->addSpan(at(col, row), numCols, numRows);
}

int _SSGetCellSpan(HWND hWnd, SS_COORD col, SS_COORD row, SS_COORD* anchorCol, SS_COORD* anchorRow, SS_COORD* numCols,
                   SS_COORD* numRows) {
    Sheet* s = sheetOf(hWnd);
    if (!s) return 0;
    std::optional<sheet::CellSpan> span = s->spanAt(at(col, row));
    if (!span) return 0;
    if (anchorCol) *anchorCol = span->anchor.col;
    if (anchorRow) *anchorRow = span->anchor.row;
    if (numCols) *numCols = span->cols;
    if (numRows) *numRows = span->rows;
    return 1;
}

BOOL SSSetLockRange(HWND hWnd, SS_COORD c1, SS_COORD r1, SS_COORD c2, SS_COORD r2, BOOL lock) {
    Sheet* s = sheetOf(hWnd);
    RangeRef r;
    return s && rangeOf(*s, c1, r1, c2, r2, r) && s->setLocked(r, lock != FALSE);
}

BOOL SSSetLock(HWND hWnd, SS_COORD col, SS_COORD row, BOOL lock) {
    return SSSetLockRange(hWnd, col, row, col, row, lock);
}

BOOL SSGetLock(HWND hWnd, SS_COORD col, SS_COORD row) {
    Sheet* s = sheetOf(hWnd);
    return s && s->inSheet(at(col, row)) && s->format(at(col, row)).locked;
}

BOOL SSSetFontRange(HWND hWnd, SS_COORD c1, SS_COORD r1, SS_COORD c2, SS_COORD r2, HFONT font, BOOL redraw) {
    Sheet* s = sheetOf(hWnd);
    RangeRef r;
    LOGFONT lf{};
    if (!s || !font || !rangeOf(*s, c1, r1, c2, r2, r) || !GetObject(font, sizeof lf, &lf)) return FALSE;
    sheet::CellFont f{lf.lfFaceName, static_cast<int32_t>(lf.lfHeight), static_cast<int32_t>(lf.lfWeight),
                      lf.lfItalic != 0, lf.lfUnderline != 0};
    if (!s->setFont(r, f)) return FALSE;
    if (redraw && s->option(sheet::kOptRedraw)) InvalidateRect(hWnd, nullptr, FALSE);
    return TRUE;
}

BOOL SSSetColor(HWND hWnd, SS_COORD col, SS_COORD row, COLORREF back, COLORREF fore) {
    Sheet* s = sheetOf(hWnd);
    RangeRef r;
    return s && rangeOf(*s, col, row, col, row, r) && s->setColors(r, back, fore);
}

BOOL SSSetBorderRange(HWND hWnd, SS_COORD c1, SS_COORD r1, SS_COORD c2, SS_COORD r2, WORD sides, WORD style,
                      COLORREF color) {
    Sheet* s = sheetOf(hWnd);
    RangeRef r;
    return s && rangeOf(*s, c1, r1, c2, r2, r) && s->setBorder(r, sides, static_cast<int16_t>(style), color);
}

BOOL SSSetBorder(HWND hWnd, SS_COORD col, SS_COORD row, WORD sides, WORD style, COLORREF color) {
    return SSSetBorderRange(hWnd, col, row, col, row, sides, style, color);
}

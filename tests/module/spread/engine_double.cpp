// The engine double: window procedure and the engine's calls over DoubleSheet.
#include "engine_double.h"

#include <algorithm>
#include <cstring>

#include "spread/tspread.h"
#include "win/afxwin.h"
#include "win/system.h"

namespace spread_test {
namespace {

std::map<HWND, DoubleSheet>& sheets() {
    static std::map<HWND, DoubleSheet> all;
    return all;
}

DoubleSheet* state(HWND hwnd) {
    auto it = sheets().find(hwnd);
    return it == sheets().end() ? nullptr : &it->second;
}

int norm(SS_COORD index) { return index == kSSHeader ? 0 : index; }

int colWidth(const DoubleSheet& s, int col) {
    auto it = s.colWidths.find(col);
    return it == s.colWidths.end() ? (col == 0 ? 40 : 64) : it->second;
}

int rowHeight(const DoubleSheet& s, int row) {
    auto it = s.rowHeights.find(row);
    return it == s.rowHeights.end() ? 20 : it->second;
}

void commitEditor(HWND hwnd, DoubleSheet& s) {
    if (!s.editing) return;
    s.editing = false;
    if (s.activeCol >= 1 && s.activeRow >= 1) {
        s.cell(s.activeCol, s.activeRow).data = s.editText;
        s.options[kSSOptChanged] = true;
        HWND parent = ::GetParent(hwnd);
        if (parent)
            ::SendMessage(parent, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(hwnd), kSSNotifyChange),
                          reinterpret_cast<LPARAM>(hwnd));
    }
}

bool cellAtPoint(HWND hwnd, const DoubleSheet& s, POINT p, int& col, int& row) {
    int x = s.options[kSSOptRowHeaderShown] ? colWidth(s, 0) : 0;
    int y = s.options[3] ? rowHeight(s, 0) : 0;
    col = row = 0;
    for (int c = 1; c <= s.maxCols; ++c) {
        if (p.x >= x && p.x < x + colWidth(s, c)) col = c;
        x += colWidth(s, c);
    }
    for (int r = 1; r <= s.maxRows; ++r) {
        if (p.y >= y && p.y < y + rowHeight(s, r)) row = r;
        y += rowHeight(s, r);
    }
    (void)hwnd;
    return col > 0 && row > 0;
}

void shiftRows(DoubleSheet& s, int at, int by) {
    std::map<std::pair<int, int>, DoubleCell> moved;
    for (auto& [key, cell] : s.cells) {
        auto [col, row] = key;
        if (row >= at) {
            if (by < 0 && row == at) continue;
            const int to = row + (by < 0 ? -1 : 1);
            if (to <= s.maxRows) moved[{col, to}] = cell;
        } else {
            moved[key] = cell;
        }
    }
    s.cells = std::move(moved);
}

void shiftCols(DoubleSheet& s, int at, int by) {
    std::map<std::pair<int, int>, DoubleCell> moved;
    for (auto& [key, cell] : s.cells) {
        auto [col, row] = key;
        if (col >= at) {
            if (by < 0 && col == at) continue;
            const int to = col + (by < 0 ? -1 : 1);
            if (to <= s.maxCols) moved[{to, row}] = cell;
        } else {
            moved[key] = cell;
        }
    }
    s.cells = std::move(moved);
}

LRESULT engineProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CREATE:
            sheets()[hwnd] = DoubleSheet{};
            sheets()[hwnd].options[3] = true;
            sheets()[hwnd].options[kSSOptRowHeaderShown] = true;
            return 0;
        case WM_DESTROY: sheets().erase(hwnd); return 0;
        case WM_GETDLGCODE: return DLGC_WANTCHARS | DLGC_WANTARROWS;
        case WM_LBUTTONDOWN: {
            DoubleSheet* s = state(hwnd);
            ::SetFocus(hwnd);
            int col = 0, row = 0;
            if (s && cellAtPoint(hwnd, *s, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, col, row)) {
                commitEditor(hwnd, *s);
                s->activeCol = col;
                s->activeRow = row;
                s->block.reset();
            }
            return 0;
        }
        case WM_CHAR: {
            DoubleSheet* s = state(hwnd);
            if (!s || s->activeCol < 1 || wParam < 0x20) return 0;
            const DoubleCell* cell = s->find(s->activeCol, s->activeRow);
            if (s->options[18] && cell && cell->locked) return 0;
            if (!s->editing) {
                s->editing = true;
                s->editText.clear();
                s->selStart = s->selEnd = 0;
            }
            s->editText.replace(static_cast<size_t>(s->selStart), static_cast<size_t>(s->selEnd - s->selStart), 1,
                                static_cast<char>(wParam));
            s->selStart = s->selEnd = s->selStart + 1;
            return 0;
        }
        case WM_KEYDOWN: {
            DoubleSheet* s = state(hwnd);
            if (s && wParam == VK_RETURN) commitEditor(hwnd, *s);
            return 0;
        }
        case WM_KILLFOCUS:
            if (DoubleSheet* s = state(hwnd)) commitEditor(hwnd, *s);
            return 0;
        default: return ::DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

const DoubleCell* DoubleSheet::find(int col, int row) const {
    auto it = cells.find({col, row});
    return it == cells.end() ? nullptr : &it->second;
}

std::string DoubleSheet::dataAt(int col, int row) const {
    const DoubleCell* c = find(norm(col), norm(row));
    return c ? c->data : std::string();
}

void registerEngineDouble() {
    static bool done = false;
    if (done) return;
    WNDCLASS wc{};
    wc.lpfnWndProc = engineProc;
    wc.lpszClassName = kSpreadWindowClass;
    ::RegisterClass(&wc);
    done = true;
}

DoubleSheet* engineState(HWND sheet) { return state(sheet); }

POINT cellCenter(HWND sheet, int col, int row) {
    const DoubleSheet* s = state(sheet);
    POINT p{};
    if (!s) return p;
    int x = s->options[kSSOptRowHeaderShown] ? colWidth(*s, 0) : 0;
    int y = s->options[3] ? rowHeight(*s, 0) : 0;
    for (int c = 1; c < col; ++c) x += colWidth(*s, c);
    for (int r = 1; r < row; ++r) y += rowHeight(*s, r);
    p.x = x + colWidth(*s, col) / 2;
    p.y = y + rowHeight(*s, row) / 2;
    return p;
}

}  // namespace spread_test

using spread_test::DoubleCell;
using spread_test::DoubleSheet;

namespace {
DoubleSheet* S(HWND hwnd) { return spread_test::engineState(hwnd); }
int N(SS_COORD i) { return i == kSSHeader ? 0 : i; }
bool okCell(const DoubleSheet& s, int c, int r) { return c >= 0 && r >= 0 && c <= s.maxCols && r <= s.maxRows; }
bool okRange(const DoubleSheet& s, int c1, int r1, int c2, int r2) {
    return c1 <= c2 && r1 <= r2 && okCell(s, c1, r1) && okCell(s, c2, r2);
}
template <typename F>
BOOL forRange(HWND h, SS_COORD c1, SS_COORD r1, SS_COORD c2, SS_COORD r2, F f) {
    DoubleSheet* s = S(h);
    if (!s || !okRange(*s, N(c1), N(r1), N(c2), N(r2))) return FALSE;
    for (int c = N(c1); c <= N(c2); ++c)
        for (int r = N(r1); r <= N(r2); ++r) f(s->cell(c, r));
    return TRUE;
}
int copyOut(const std::string& text, LPSTR buffer) {
    if (buffer) std::memcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<int>(text.size());
}
SS_CELLTYPE* fill(SS_CELLTYPE* t, int32_t type, LONG style) {
    *t = SS_CELLTYPE{};
    t->Type = type;
    t->Style = style;
    return t;
}
BOOL applyType(DoubleCell& cell, const SS_CELLTYPE* t) {
    cell.type = *t;
    cell.typeText = t->Text ? t->Text : "";
    cell.type.Text = nullptr;
    return TRUE;
}
}  // namespace

extern "C" {
BOOL SSSetData(HWND h, SS_COORD col, SS_COORD row, LPCSTR data) {
    DoubleSheet* s = S(h);
    if (!s || !okCell(*s, N(col), N(row))) return FALSE;
    if (s->editing && N(col) == s->activeCol && N(row) == s->activeRow) s->editing = false;
    s->cell(N(col), N(row)).data = data ? data : "";
    return TRUE;
}
int SSGetData(HWND h, SS_COORD col, SS_COORD row, LPSTR buffer) {
    DoubleSheet* s = S(h);
    return s ? copyOut(s->dataAt(col, row), buffer) : 0;
}
int SSGetDataLen(HWND h, SS_COORD col, SS_COORD row) { return SSGetData(h, col, row, nullptr); }
BOOL SSSetValue(HWND h, SS_COORD col, SS_COORD row, LPCSTR value) { return SSSetData(h, col, row, value); }
int SSGetValue(HWND h, SS_COORD col, SS_COORD row, LPSTR buffer) { return SSGetData(h, col, row, buffer); }
int SSGetValueLen(HWND h, SS_COORD col, SS_COORD row) { return SSGetDataLen(h, col, row); }
int SSGetFormula(HWND, SS_COORD, SS_COORD, LPSTR buffer) {
    if (buffer) buffer[0] = '\0';
    return 0;
}
int SSGetFormulaLen(HWND, SS_COORD, SS_COORD) { return 0; }
int _SSGetCellTag(HWND h, SS_COORD col, SS_COORD row, LPSTR buffer) {
    DoubleSheet* s = S(h);
    if (!s) return 0;
    const DoubleCell* c = s->find(N(col), N(row));
    return copyOut(c ? c->tag : std::string(), buffer);
}
BOOL SSSetMaxRows(HWND h, SS_COORD rows) {
    DoubleSheet* s = S(h);
    if (!s || rows < 0 || rows > 100000) return FALSE;
    s->maxRows = rows;
    std::erase_if(s->cells, [&](const auto& e) { return e.first.second > rows; });
    return TRUE;
}
BOOL SSSetMaxCols(HWND h, SS_COORD cols) {
    DoubleSheet* s = S(h);
    if (!s || cols < 0 || cols > 1000) return FALSE;
    s->maxCols = cols;
    std::erase_if(s->cells, [&](const auto& e) { return e.first.first > cols; });
    return TRUE;
}
SS_COORD SSGetMaxRows(HWND h) { return S(h) ? S(h)->maxRows : 0; }
SS_COORD SSGetMaxCols(HWND h) { return S(h) ? S(h)->maxCols : 0; }
BOOL SSSetBool(HWND h, short option, BOOL value) {
    DoubleSheet* s = S(h);
    if (!s || option < 0 || option >= 64) return FALSE;
    const BOOL old = s->options[option];
    s->options[option] = value != 0;
    s->log.push_back("SSSetBool " + std::to_string(option) + " " + std::to_string(value != 0));
    return old;
}
BOOL SSGetBool(HWND h, short option) { return S(h) && option >= 0 && option < 64 && S(h)->options[option]; }
BOOL SSReset(HWND h) {
    if (!S(h)) return FALSE;
    *S(h) = DoubleSheet{};
    return TRUE;
}
BOOL _SSSetAppearance(HWND h, WORD) { return S(h) != nullptr; }
BOOL _SSSetActionKey(HWND h, WORD, BOOL, BOOL, WORD) { return S(h) != nullptr; }
BOOL SSSetGrayAreaColor(HWND h, COLORREF, COLORREF) { return S(h) != nullptr; }
BOOL SSSetCursor(HWND h, WORD, HCURSOR) { return S(h) != nullptr; }
BOOL _SSSetSelColor(HWND h, COLORREF, COLORREF) { return S(h) != nullptr; }
BOOL SSSetLockColor(HWND h, COLORREF, COLORREF) { return S(h) != nullptr; }
BOOL SSSetEditEnterAction(HWND h, WORD action) {
    if (!S(h)) return FALSE;
    S(h)->editEnterAction = action;
    return TRUE;
}
BOOL SSSetOperationMode(HWND h, WORD mode) {
    if (!S(h)) return FALSE;
    S(h)->operationMode = mode;
    return TRUE;
}
BOOL SSSetFontRange(HWND h, SS_COORD c1, SS_COORD r1, SS_COORD c2, SS_COORD r2, HFONT font, BOOL) {
    LOGFONT lf{};
    if (!font || !GetObject(font, sizeof(lf), &lf)) return FALSE;
    return forRange(h, c1, r1, c2, r2, [&](DoubleCell& c) {
        c.fontWeight = lf.lfWeight;
        c.fontFace = lf.lfFaceName;
    });
}
BOOL _SSGetTextTip(HWND h, WORD* status, LONG* delay, LOGFONT*, COLORREF* back, COLORREF* fore) {
    if (!S(h)) return FALSE;
    *status = static_cast<WORD>(S(h)->tipStatus);
    *delay = 0;
    *back = *fore = 0;
    return TRUE;
}
BOOL _SSSetTextTip(HWND h, WORD status, LONG, const LOGFONT* font, COLORREF, COLORREF) {
    if (!S(h)) return FALSE;
    S(h)->tipStatus = status;
    S(h)->tipFace = font ? font->lfFaceName : "";
    return TRUE;
}
BOOL SSSetBorder(HWND h, SS_COORD col, SS_COORD row, WORD, WORD style, COLORREF) {
    return forRange(h, col, row, col, row, [&](DoubleCell& c) { c.borderStyle = style; });
}
BOOL SSSetBorderRange(HWND h, SS_COORD c1, SS_COORD r1, SS_COORD c2, SS_COORD r2, WORD, WORD style, COLORREF) {
    return forRange(h, c1, r1, c2, r2, [&](DoubleCell& c) { c.borderStyle = style; });
}
BOOL _SSAddCellSpan(HWND h, SS_COORD col, SS_COORD row, SS_COORD cols, SS_COORD rows) {
    DoubleSheet* s = S(h);
    if (!s || cols < 1 || rows < 1 || !okCell(*s, N(col), N(row))) return FALSE;
    s->spans.push_back({N(col), N(row), cols, rows});
    return TRUE;
}
int _SSGetCellSpan(HWND h, SS_COORD col, SS_COORD row, SS_COORD* ac, SS_COORD* ar, SS_COORD* nc, SS_COORD* nr) {
    DoubleSheet* s = S(h);
    if (!s) return 0;
    for (const auto& span : s->spans)
        if (N(col) >= span.col && N(col) < span.col + span.cols && N(row) >= span.row && N(row) < span.row + span.rows) {
            *ac = span.col;
            *ar = span.row;
            *nc = span.cols;
            *nr = span.rows;
            return 1;
        }
    return 0;
}
BOOL SSSetLock(HWND h, SS_COORD col, SS_COORD row, BOOL locked) {
    return forRange(h, col, row, col, row, [&](DoubleCell& c) { c.locked = locked != 0; });
}
BOOL SSSetLockRange(HWND h, SS_COORD c1, SS_COORD r1, SS_COORD c2, SS_COORD r2, BOOL locked) {
    return forRange(h, c1, r1, c2, r2, [&](DoubleCell& c) { c.locked = locked != 0; });
}
BOOL SSGetLock(HWND h, SS_COORD col, SS_COORD row) {
    DoubleSheet* s = S(h);
    const DoubleCell* c = s ? s->find(N(col), N(row)) : nullptr;
    return c && c->locked;
}
SS_CELLTYPE* SSSetTypeEdit(HWND, SS_CELLTYPE* t, LONG style, int length, short chrSet, short chrCase) {
    fill(t, kSSTypeEdit, style);
    t->Len = length;
    t->ChrSet = chrSet;
    t->ChrCase = chrCase;
    return t;
}
SS_CELLTYPE* _SSSetTypeNumber(HWND, SS_CELLTYPE* t, LONG style, short decimals, double minimum, double maximum, BOOL) {
    fill(t, kSSTypeNumber, style);
    t->Decimals = decimals;
    t->Min = minimum;
    t->Max = maximum;
    return t;
}
SS_CELLTYPE* SSSetTypeComboBox(HWND, SS_CELLTYPE* t, LONG style, LPCSTR items) {
    fill(t, kSSTypeComboBox, style);
    t->Text = items;
    return t;
}
SS_CELLTYPE* SSSetTypeCheckBox(HWND, SS_CELLTYPE* t, LONG style, LPCSTR text, HANDLE up, WORD upKind, HANDLE down,
                               WORD downKind, HANDLE focusUp, WORD focusUpKind, HANDLE focusDown, WORD focusDownKind) {
    fill(t, kSSTypeCheckBox, style);
    t->Text = text;
    t->Picture[0] = up;
    t->Picture[1] = down;
    t->Picture[2] = focusUp;
    t->Picture[3] = focusDown;
    t->PictureKind[0] = upKind;
    t->PictureKind[1] = downKind;
    t->PictureKind[2] = focusUpKind;
    t->PictureKind[3] = focusDownKind;
    return t;
}
SS_CELLTYPE* SSSetTypeButton(HWND, SS_CELLTYPE* t, LONG style, LPCSTR text) {
    fill(t, kSSTypeButton, style);
    t->Text = text;
    return t;
}
SS_CELLTYPE* SSSetTypePictureHandle(HWND, SS_CELLTYPE* t, LONG style, HANDLE picture) {
    fill(t, kSSTypePicture, style);
    t->Picture[0] = picture;
    return t;
}
SS_CELLTYPE* SSSetTypePicture(HWND, SS_CELLTYPE* t, LONG style, LPCSTR file) {
    fill(t, kSSTypePicture, style);
    t->Text = file;
    return t;
}
SS_CELLTYPE* SSSetTypeStaticText(HWND, SS_CELLTYPE* t, LONG style) { return fill(t, kSSTypeStaticText, style); }
BOOL SSSetCellType(HWND h, SS_COORD col, SS_COORD row, const SS_CELLTYPE* t) {
    return forRange(h, col, row, col, row, [&](DoubleCell& c) { applyType(c, t); });
}
BOOL SSSetCellTypeRange(HWND h, SS_COORD c1, SS_COORD r1, SS_COORD c2, SS_COORD r2, const SS_CELLTYPE* t) {
    return forRange(h, c1, r1, c2, r2, [&](DoubleCell& c) { applyType(c, t); });
}
BOOL SSGetCellType(HWND h, SS_COORD col, SS_COORD row, SS_CELLTYPE* t) {
    DoubleSheet* s = S(h);
    if (!s || !okCell(*s, N(col), N(row))) return FALSE;
    const DoubleCell* c = s->find(N(col), N(row));
    *t = c ? c->type : SS_CELLTYPE{};
    return TRUE;
}
BOOL SSSetColWidth(HWND h, SS_COORD col, double width) {
    return SSSetColWidthInPixels(h, col, static_cast<int>(width * 8));
}
BOOL SSSetColWidthInPixels(HWND h, SS_COORD col, int pixels) {
    DoubleSheet* s = S(h);
    if (!s || N(col) < 0 || N(col) > s->maxCols) return FALSE;
    s->colWidths[N(col)] = pixels;
    return TRUE;
}
BOOL SSGetColWidthInPixels(HWND h, SS_COORD col, int* pixels) {
    DoubleSheet* s = S(h);
    if (!s) return FALSE;
    auto it = s->colWidths.find(N(col));
    *pixels = it == s->colWidths.end() ? (N(col) == 0 ? 40 : 64) : it->second;
    return TRUE;
}
BOOL SSSetRowHeight(HWND h, SS_COORD row, double height) {
    return SSSetRowHeightInPixels(h, row, static_cast<int>(height * 16));
}
BOOL SSSetRowHeightInPixels(HWND h, SS_COORD row, int pixels) {
    DoubleSheet* s = S(h);
    if (!s || N(row) < 0 || N(row) > s->maxRows) return FALSE;
    s->rowHeights[N(row)] = pixels;
    return TRUE;
}
BOOL SSGetRowHeightInPixels(HWND h, SS_COORD row, int* pixels) {
    DoubleSheet* s = S(h);
    if (!s) return FALSE;
    auto it = s->rowHeights.find(N(row));
    *pixels = it == s->rowHeights.end() ? 20 : it->second;
    return TRUE;
}
BOOL SSGetMaxTextCellSize(HWND h, SS_COORD col, SS_COORD row, double* width, double* height) {
    DoubleSheet* s = S(h);
    if (!s || !okCell(*s, N(col), N(row))) return FALSE;
    *width = static_cast<double>(s->dataAt(col, row).size());
    *height = 1.0;
    return TRUE;
}
BOOL SSGetClientRect(HWND h, RECT* rect) { return S(h) && ::GetClientRect(h, rect); }
BOOL SSInsRow(HWND h, SS_COORD row) {
    DoubleSheet* s = S(h);
    if (!s || row < 1 || row > s->maxRows) return FALSE;
    spread_test::shiftRows(*s, row, 1);
    return TRUE;
}
BOOL SSInsCol(HWND h, SS_COORD col) {
    DoubleSheet* s = S(h);
    if (!s || col < 1 || col > s->maxCols) return FALSE;
    spread_test::shiftCols(*s, col, 1);
    return TRUE;
}
BOOL SSDelRow(HWND h, SS_COORD row) {
    DoubleSheet* s = S(h);
    if (!s || row < 1 || row > s->maxRows) return FALSE;
    spread_test::shiftRows(*s, row, -1);
    return TRUE;
}
BOOL SSDelCol(HWND h, SS_COORD col) {
    DoubleSheet* s = S(h);
    if (!s || col < 1 || col > s->maxCols) return FALSE;
    spread_test::shiftCols(*s, col, -1);
    return TRUE;
}
BOOL SSCopyRange(HWND h, SS_COORD c1, SS_COORD r1, SS_COORD c2, SS_COORD r2, SS_COORD dc, SS_COORD dr) {
    DoubleSheet* s = S(h);
    if (!s || !okRange(*s, N(c1), N(r1), N(c2), N(r2))) return FALSE;
    std::vector<std::pair<std::pair<int, int>, DoubleCell>> copies;
    for (int c = N(c1); c <= N(c2); ++c)
        for (int r = N(r1); r <= N(r2); ++r) {
            const DoubleCell* from = s->find(c, r);
            copies.push_back({{N(dc) + c - N(c1), N(dr) + r - N(r1)}, from ? *from : DoubleCell{}});
        }
    for (auto& [key, cell] : copies)
        if (okCell(*s, key.first, key.second)) s->cells[key] = cell;
    return TRUE;
}
BOOL SSSwapRange(HWND h, SS_COORD c1, SS_COORD r1, SS_COORD c2, SS_COORD r2, SS_COORD dc, SS_COORD dr) {
    DoubleSheet* s = S(h);
    if (!s || !okRange(*s, N(c1), N(r1), N(c2), N(r2))) return FALSE;
    for (int c = N(c1); c <= N(c2); ++c)
        for (int r = N(r1); r <= N(r2); ++r) std::swap(s->cell(c, r), s->cell(N(dc) + c - N(c1), N(dr) + r - N(r1)));
    return TRUE;
}
BOOL SSClipboardCopy(HWND h) {
    DoubleSheet* s = S(h);
    if (!s) return FALSE;
    int c1 = s->activeCol, r1 = s->activeRow, c2 = c1, r2 = r1;
    if (s->block) {
        c1 = std::max(1, s->block->first.Col);
        r1 = std::max(1, s->block->first.Row);
        c2 = s->block->second.Col;
        r2 = s->block->second.Row;
    }
    std::string text;
    for (int r = r1; r <= r2; ++r) {
        for (int c = c1; c <= c2; ++c) text += (c > c1 ? "\t" : "") + s->dataAt(c, r);
        text += "\r\n";
    }
    win::setClipboardText(text);
    return TRUE;
}
BOOL SSClipboardPaste(HWND h) {
    DoubleSheet* s = S(h);
    if (!s || s->activeCol < 1) return FALSE;
    std::string text = win::clipboardText();
    int col = s->activeCol, row = s->activeRow;
    std::string field;
    for (char ch : text) {
        if (ch == '\t' || ch == '\n') {
            SSSetData(h, col, row, field.c_str());
            field.clear();
            if (ch == '\t') ++col;
            else { col = s->activeCol; ++row; }
        } else if (ch != '\r') {
            field += ch;
        }
    }
    return TRUE;
}
BOOL SSSetActiveCell(HWND h, SS_COORD col, SS_COORD row) {
    DoubleSheet* s = S(h);
    if (!s || col < 1 || row < 1 || col > s->maxCols || row > s->maxRows) return FALSE;
    if (s->editing && (col != s->activeCol || row != s->activeRow)) s->editing = false;
    s->activeCol = col;
    s->activeRow = row;
    return TRUE;
}
BOOL SSGetActiveCell(HWND h, SS_COORD* col, SS_COORD* row) {
    DoubleSheet* s = S(h);
    if (!s || s->activeCol < 1) return FALSE;
    *col = s->activeCol;
    *row = s->activeRow;
    return TRUE;
}
BOOL SSSetSelectBlock(HWND h, const SS_CELLCOORD* ul, const SS_CELLCOORD* lr) {
    DoubleSheet* s = S(h);
    if (!s) return FALSE;
    s->block = std::pair{*ul, *lr};
    return TRUE;
}
BOOL SSGetSelectBlock(HWND h, SS_CELLCOORD* ul, SS_CELLCOORD* lr) {
    DoubleSheet* s = S(h);
    if (!s || !s->block) return FALSE;
    *ul = s->block->first;
    *lr = s->block->second;
    return TRUE;
}
BOOL SSGetEditMode(HWND h) { return S(h) && S(h)->editing; }
BOOL SSSetEditMode(HWND h, BOOL open) {
    DoubleSheet* s = S(h);
    if (!s || s->activeCol < 1) return FALSE;
    if (open && !s->editing) {
        s->editing = true;
        s->editText = s->dataAt(s->activeCol, s->activeRow);
        s->selStart = s->selEnd = static_cast<int>(s->editText.size());
    } else if (!open) {
        s->editing = false;
    }
    return TRUE;
}
BOOL SSSetSel(HWND h, int start, int end) {
    DoubleSheet* s = S(h);
    if (!s || !s->editing) return FALSE;
    const int length = static_cast<int>(s->editText.size());
    s->selStart = std::clamp(start, 0, length);
    s->selEnd = std::clamp(end, s->selStart, length);
    return TRUE;
}
BOOL SSGetSel(HWND h, int* start, int* end) {
    DoubleSheet* s = S(h);
    if (!s || !s->editing) return FALSE;
    *start = s->selStart;
    *end = s->selEnd;
    return TRUE;
}
}

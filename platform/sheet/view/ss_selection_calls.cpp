// The engine's calls on the selection, the active cell and the cell editor.
#include <algorithm>

#include "view/spread_window.h"
#include "win/winuser.h"

using sheet::CellRef;
using sheet::modelCoord;
using sheet::RangeRef;
using sheet::Sheet;
using sheet::sheetOf;
using sheet::spreadOf;
using sheet::SpreadWindow;

BOOL SSSetSelectBlock(HWND hWnd, const SS_CELLCOORD* first, const SS_CELLCOORD* last) {
    Sheet* s = sheetOf(hWnd);
    if (!s || !first || !last) return FALSE;
    auto clip = [](SS_COORD c, int32_t max) {
        if (c == -1) return max;
        return static_cast<int32_t>(std::clamp<int64_t>(modelCoord(c), 0, max));
    };
    int32_t c1 = clip(first->Col, s->maxCols()), c2 = clip(last->Col, s->maxCols());
    int32_t r1 = clip(first->Row, s->maxRows()), r2 = clip(last->Row, s->maxRows());
    bool outside = [&] {
        auto beyond = [](SS_COORD a, SS_COORD b, int32_t max) {
            int64_t lo = std::min<int64_t>(a == -1 ? max : modelCoord(a), b == -1 ? max : modelCoord(b));
            int64_t hi = std::max<int64_t>(a == -1 ? max : modelCoord(a), b == -1 ? max : modelCoord(b));
            return lo > max || hi < 0;
        };
        return beyond(first->Col, last->Col, s->maxCols()) || beyond(first->Row, last->Row, s->maxRows());
    }();
    if (outside) return FALSE;
    s->setSelection(RangeRef{{std::min(c1, c2), std::min(r1, r2)}, {std::max(c1, c2), std::max(r1, r2)}});
    return TRUE;
}

BOOL SSGetSelectBlock(HWND hWnd, SS_CELLCOORD* first, SS_CELLCOORD* last) {
    Sheet* s = sheetOf(hWnd);
    if (!s) return FALSE;
    auto sel = s->selection();
    if (!sel) return FALSE;
    if (first) *first = {sel->first.col, sel->first.row};
    if (last) *last = {sel->last.col, sel->last.row};
    return TRUE;
}

BOOL SSSetActiveCell(HWND hWnd, SS_COORD col, SS_COORD row) {
    SpreadWindow* w = spreadOf(hWnd);
    if (!w) return FALSE;
    if (w->editing) sheet::closeEditor(*w, true);
    return w->sheet.setActiveCell({modelCoord(col), modelCoord(row)});
}

BOOL SSGetActiveCell(HWND hWnd, SS_COORD* col, SS_COORD* row) {
    Sheet* s = sheetOf(hWnd);
    if (!s || s->maxCols() < 1 || s->maxRows() < 1) return FALSE;
    if (col) *col = s->activeCell().col;
    if (row) *row = s->activeCell().row;
    return TRUE;
}

BOOL SSSetEditMode(HWND hWnd, BOOL on) {
    SpreadWindow* w = spreadOf(hWnd);
    if (!w) return FALSE;
    if (on && !w->editing) sheet::openEditor(*w, {}, false);
    if (!on && w->editing) sheet::closeEditor(*w, true);
    return w->editing == (on != FALSE);
}

BOOL SSGetEditMode(HWND hWnd) {
    SpreadWindow* w = spreadOf(hWnd);
    return w && w->editing;
}

BOOL SSSetSel(HWND hWnd, int start, int end) {
    SpreadWindow* w = spreadOf(hWnd);
    if (!w || !w->editing) return FALSE;
    int len = static_cast<int>(w->editText.size());
    w->selStart = std::clamp(start, 0, len);
    w->selEnd = end < 0 ? len : std::clamp(end, 0, len);
    return TRUE;
}

BOOL SSGetSel(HWND hWnd, int* start, int* end) {
    SpreadWindow* w = spreadOf(hWnd);
    if (!w || !w->editing) return FALSE;
    if (start) *start = w->selStart;
    if (end) *end = w->selEnd;
    return TRUE;
}

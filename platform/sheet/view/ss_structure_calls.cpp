// The engine's calls that insert, delete, copy and swap rows, columns and ranges, and the
// clipboard.
#include <algorithm>
#include <cstring>
#include <string>

#include "view/clipboard_text.h"
#include "view/spread_window.h"
#include "win/constants.h"
#include "win/winuser.h"

using sheet::CellRef;
using sheet::modelCoord;
using sheet::RangeRef;
using sheet::Sheet;
using sheet::sheetOf;
using sheet::spreadOf;
using sheet::SpreadWindow;

BOOL SSInsRow(HWND hWnd, SS_COORD row) {
    SpreadWindow* w = spreadOf(hWnd);
    if (!w) return FALSE;
    sheet::endEditBeforeStructureChange(*w);
    return w->sheet.insertRows(row, 1);
}
BOOL SSInsCol(HWND hWnd, SS_COORD col) {
    SpreadWindow* w = spreadOf(hWnd);
    if (!w) return FALSE;
    sheet::endEditBeforeStructureChange(*w);
    return w->sheet.insertCols(col, 1);
}
BOOL SSDelRow(HWND hWnd, SS_COORD row) {
    SpreadWindow* w = spreadOf(hWnd);
    if (!w) return FALSE;
    sheet::endEditBeforeStructureChange(*w);
    return w->sheet.deleteRows(row, 1);
}
BOOL SSDelCol(HWND hWnd, SS_COORD col) {
    SpreadWindow* w = spreadOf(hWnd);
    if (!w) return FALSE;
    sheet::endEditBeforeStructureChange(*w);
    return w->sheet.deleteCols(col, 1);
}

namespace {
bool blockOf(const Sheet& s, SS_COORD c1, SS_COORD r1, SS_COORD c2, SS_COORD r2, RangeRef& out) {
    CellRef a{modelCoord(c1), modelCoord(r1)}, b{modelCoord(c2), modelCoord(r2)};
    if (b.col == -1) b.col = s.maxCols();
    if (b.row == -1) b.row = s.maxRows();
    out = {{std::min(a.col, b.col), std::min(a.row, b.row)}, {std::max(a.col, b.col), std::max(a.row, b.row)}};
    return true;
}
}  // namespace

BOOL SSCopyRange(HWND hWnd, SS_COORD c1, SS_COORD r1, SS_COORD c2, SS_COORD r2, SS_COORD destCol, SS_COORD destRow) {
    SpreadWindow* w = spreadOf(hWnd);
    RangeRef r;
    if (!w || !blockOf(w->sheet, c1, r1, c2, r2, r)) return FALSE;
    sheet::endEditBeforeStructureChange(*w);
    return w->sheet.copyRange(r, {modelCoord(destCol), modelCoord(destRow)});
}

BOOL SSSwapRange(HWND hWnd, SS_COORD c1, SS_COORD r1, SS_COORD c2, SS_COORD r2, SS_COORD destCol, SS_COORD destRow) {
    SpreadWindow* w = spreadOf(hWnd);
    RangeRef r;
    if (!w || !blockOf(w->sheet, c1, r1, c2, r2, r)) return FALSE;
    sheet::endEditBeforeStructureChange(*w);
    return w->sheet.swapRange(r, {modelCoord(destCol), modelCoord(destRow)});
}

namespace {
// The selected block clipped to the sheet (the sheet may have shrunk since it was selected),
// or the active cell.
RangeRef selectedOrActive(const Sheet& s) {
    if (auto sel = s.selection()) {
        RangeRef r = *sel;
        r.first.col = std::max(r.first.col, 1);
        r.first.row = std::max(r.first.row, 1);
        if (r.last.col < 1 || r.last.col > s.maxCols()) r.last.col = s.maxCols();
        if (r.last.row < 1 || r.last.row > s.maxRows()) r.last.row = s.maxRows();
        return r;
    }
    return {s.activeCell(), s.activeCell()};
}
}  // namespace

// The selected block (or the active cell) as tab-separated text.
BOOL SSClipboardCopy(HWND hWnd) {
    Sheet* s = sheetOf(hWnd);
    if (!s) return FALSE;
    RangeRef r = selectedOrActive(*s);
    if (r.first.col > r.last.col || r.first.row > r.last.row || !s->inSheet(r.first)) return FALSE;
    sheet::TextTable rows;
    for (int32_t row = r.first.row; row <= r.last.row; ++row) {
        std::vector<std::string>& cells = rows.emplace_back();
        for (int32_t col = r.first.col; col <= r.last.col; ++col) cells.push_back(s->data({col, row}));
    }
    std::string text = sheet::clipboardTextOf(rows);
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!mem) return FALSE;
    if (char* bytes = static_cast<char*>(GlobalLock(mem))) {
        std::memcpy(bytes, text.c_str(), text.size() + 1);
        GlobalUnlock(mem);
    }
    if (!OpenClipboard(hWnd)) return FALSE;
    EmptyClipboard();
    BOOL ok = SetClipboardData(CF_TEXT, mem) != nullptr;
    CloseClipboard();
    return ok;
}

// Clipboard text goes into the cells from the active cell on, as a person would type it:
// cells beyond the sheet, and texts a cell refuses from a person, are left out.
BOOL SSClipboardPaste(HWND hWnd) {
    SpreadWindow* w = spreadOf(hWnd);
    if (!w || !OpenClipboard(hWnd)) return FALSE;
    std::string text;
    if (HANDLE mem = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(mem))) {
            text.assign(bytes, strnlen(bytes, GlobalSize(mem)));
            GlobalUnlock(mem);
        }
    }
    CloseClipboard();
    if (text.empty()) return FALSE;
    Sheet& s = w->sheet;
    CellRef start = s.activeCell();
    sheet::TextTable rows = sheet::tableOfClipboardText(text);
    for (size_t i = 0; i < rows.size(); ++i) {
        int64_t row = int64_t{start.row} + static_cast<int64_t>(i);
        if (row > s.maxRows()) break;
        for (size_t k = 0; k < rows[i].size(); ++k) {
            int64_t col = int64_t{start.col} + static_cast<int64_t>(k);
            if (col > s.maxCols()) break;
            CellRef c{static_cast<int32_t>(col), static_cast<int32_t>(row)};
            if (s.option(sheet::kOptProtect) && s.format(c).locked) continue;
            if (sheet::personMayEnter(s, c, rows[i][k])) s.setData(c, rows[i][k]);
        }
    }
    s.setOption(sheet::kOptChanged, true);
    sheet::notifyParent(*w, SSN_DATACHANGE);
    return TRUE;
}

// The block is clipped to the sheet; -1 as the last column or row means the sheet's last.  A
// block wholly outside the sheet is refused and the selection stays.

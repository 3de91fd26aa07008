// The engine's calls on column widths, row heights and the sizes of texts.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "view/cell_text_size.h"
#include "view/spread_window.h"
#include "win/font.h"
#include "win/winuser.h"

using sheet::CellRef;
using sheet::modelCoord;
using sheet::RangeRef;
using sheet::Sheet;
using sheet::sheetOf;
using sheet::spreadOf;
using sheet::SpreadWindow;

namespace {

int charWidth() { return sheet::defaultCharWidth(); }

}  // namespace

BOOL SSSetColWidthInPixels(HWND hWnd, SS_COORD col, int pixels) {
    Sheet* s = sheetOf(hWnd);
    return s && s->setColWidth(modelCoord(col), pixels);
}

BOOL SSSetColWidth(HWND hWnd, SS_COORD col, double width) {
    if (!std::isfinite(width)) return FALSE;
    return SSSetColWidthInPixels(hWnd, col, static_cast<int>(std::lround(width * charWidth())));
}

BOOL SSSetRowHeightInPixels(HWND hWnd, SS_COORD row, int pixels) {
    Sheet* s = sheetOf(hWnd);
    return s && s->setRowHeight(modelCoord(row), pixels);
}

BOOL SSGetColWidthInPixels(HWND hWnd, SS_COORD col, int* pixels) {
    Sheet* s = sheetOf(hWnd);
    int32_t c = modelCoord(col);
    if (!s || !pixels || c < 0 || c > s->maxCols()) return FALSE;
    *pixels = s->colWidth(c);
    return TRUE;
}

BOOL SSGetRowHeightInPixels(HWND hWnd, SS_COORD row, int* pixels) {
    Sheet* s = sheetOf(hWnd);
    int32_t r = modelCoord(row);
    if (!s || !pixels || r < 0 || r > s->maxRows()) return FALSE;
    *pixels = s->rowHeight(r);
    return TRUE;
}

// Row heights are given in pixels too: the engine's fonts are measured in pixels.
BOOL SSSetRowHeight(HWND hWnd, SS_COORD row, double height) {
    if (!std::isfinite(height)) return FALSE;
    return SSSetRowHeightInPixels(hWnd, row, static_cast<int>(std::lround(height)));
}

BOOL SSGetMaxTextCellSize(HWND hWnd, SS_COORD col, SS_COORD row, double* width, double* height) {
    Sheet* s = sheetOf(hWnd);
    CellRef c{modelCoord(col), modelCoord(row)};
    if (!s || !s->inSheet(c)) return FALSE;
    win::TextSize size = sheet::CellTextMeasurer(*s).size(c);
    if (width) *width = static_cast<double>(size.cx) / charWidth();
    if (height) *height = size.cy;
    return TRUE;
}

BOOL SSGetMaxTextColWidth(HWND hWnd, SS_COORD col, double* width) {
    Sheet* s = sheetOf(hWnd);
    int32_t c = modelCoord(col);
    if (!s || c < 0 || c > s->maxCols() || !width) return FALSE;
    sheet::CellTextMeasurer measurer(*s);
    int widest = 0;
    for (int32_t row = 0; row <= s->maxRows(); ++row) widest = std::max(widest, measurer.size({c, row}).cx);
    *width = static_cast<double>(widest) / charWidth();
    return TRUE;
}

// One pass over the block: each cell is measured once, for its column's width and its row's
// height together.
BOOL SSGetMaxTextSizes(HWND hWnd, SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2, double* colWidths,
                       double* rowHeights) {
    Sheet* s = sheetOf(hWnd);
    if (!s) return FALSE;
    const CellRef first{modelCoord(col1), modelCoord(row1)}, last{modelCoord(col2), modelCoord(row2)};
    if (first.col > last.col || first.row > last.row || !s->inSheet(first) || !s->inSheet(last)) return FALSE;
    std::vector<int> widest(static_cast<size_t>(last.col - first.col) + 1, 0);
    std::vector<int> tallest(static_cast<size_t>(last.row - first.row) + 1, 0);
    sheet::CellTextMeasurer measurer(*s);
    s->forEachInRange({first, last}, [&](CellRef c, std::string_view data, const sheet::CellFormat& look) {
        const win::TextSize size = measurer.size(data, look);
        int& w = widest[static_cast<size_t>(c.col - first.col)];
        int& h = tallest[static_cast<size_t>(c.row - first.row)];
        w = std::max(w, size.cx);
        h = std::max(h, size.cy);
    });
    if (colWidths)
        for (size_t i = 0; i < widest.size(); ++i) colWidths[i] = static_cast<double>(widest[i]) / charWidth();
    if (rowHeights)
        for (size_t i = 0; i < tallest.size(); ++i) rowHeights[i] = tallest[i];
    return TRUE;
}

BOOL SSGetClientRect(HWND hWnd, RECT* rect) { return spreadOf(hWnd) && rect && GetClientRect(hWnd, rect); }

// Kv_Spread: column widths on resize (the five modes) and fitting to contents.  Widths are
// pixels; every division truncates toward zero, as the stored layouts were made with it.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "spread/kv_spread.h"

namespace {
int clientWidth(const Kv_Spread& sheet) {
    RECT rect{};
    sheet.GetClientRect(&rect);
    return static_cast<int>(rect.right - rect.left);
}
}  // namespace

bool Kv_Spread::setResizeMode(int mode, int count, int width) {
    if (!isAttached() || mode < 1 || mode > 4) return false;
    resizeMode = mode;
    resizeCount = count;
    resizeWidth = width;
    return true;
}

bool Kv_Spread::setResizeMode(int mode, const Kv_Array<int>& cols, const Kv_Array<int>& widths) {
    if (!isAttached() || mode != 5) return false;
    resizeMode = mode;
    fixedCols = cols;
    fixedWidths = widths;
    return true;
}

void Kv_Spread::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    applyResize();
}

bool Kv_Spread::applyResize() {
    if (!isAttached() || resizeMode == 0) return false;
    const int width = clientWidth(*this);
    const bool header = GetBool(sheet::kOptRowHeaderShown) != 0;
    const int n = GetMaxCols() + (header ? 1 : 0);
    switch (resizeMode) {
    case 1: return fitColumnsEqual(this, true, -1);
    case 2: autoFitAllCols(false); return autoFitAllRows();
    case 3: applyResizeMode3(width, n, header); return true;
    case 4: applyResizeMode4(width, n, header); return true;
    case 5: applyResizeMode5(width, n, header); return true;
    default: return false;
    }
}

void Kv_Spread::applyResizeMode3(int width, int n, bool header) {
    const int count = std::abs(resizeCount);
    const double share = resizeWidth / 100.0;
    if (count == 0 || n - count == 0) return;
    const int fixed = static_cast<int>(std::trunc(width * share / count));
    const int rest = (width - fixed * count) / (n - count);
    const int cols = GetMaxCols();
    for (int col = 1; col <= cols; ++col) {
        const bool isFixed = resizeCount >= 0 ? col <= count : col > cols - count;
        SetColWidthInPixels(col, isFixed ? fixed : rest);
    }
    if (header) SetColWidthInPixels(SS_HEADER, rest);
}

void Kv_Spread::applyResizeMode4(int width, int n, bool header) {
    if (n - 1 == 0) return;
    const bool fixesHeader = resizeCount == 0 || resizeCount == SS_HEADER;
    const int rest = (width - resizeWidth) / (n - 1);
    const int cols = GetMaxCols();
    SetColWidthInPixels(fixesHeader ? SS_HEADER : resizeCount, resizeWidth);
    for (int col = 1; col <= cols; ++col)
        if (fixesHeader || col != resizeCount) SetColWidthInPixels(col, rest);
    if (!fixesHeader && header) SetColWidthInPixels(SS_HEADER, rest);
}

void Kv_Spread::applyResizeMode5(int width, int n, bool header) {
    const int pairs = std::min(fixedCols.length(), fixedWidths.length());
    int sum = 0;
    for (int i = 0; i < pairs; ++i) sum += fixedWidths[i];
    auto listed = [&](int col) {
        for (int i = 0; i < pairs; ++i)
            if (fixedCols[i] == col) return true;
        return false;
    };
    const int cols = GetMaxCols();
    if (n - pairs > 0) {
        const int rest = (width - sum) / (n - pairs);
        if (header && !listed(0)) SetColWidthInPixels(SS_HEADER, rest);
        for (int col = 1; col <= cols; ++col)
            if (!listed(col)) SetColWidthInPixels(col, rest);
    }
    for (int i = 0; i < pairs; ++i) {
        const int col = fixedCols[i];
        if (col == 0 ? header : (col >= 1 && col <= cols))
            SetColWidthInPixels(col == 0 ? SS_HEADER : col, fixedWidths[i]);
    }
}

// --- fitting to contents ------------------------------------------------------------------
// Each fit measures its cells in one engine call, every cell once for its column's width and
// its row's height together.  Picture cells (type 8) never count: the engine measures no text
// in them, so skipping them when asked changes nothing.

namespace {
int engineCoord(int coord) { return coord == 0 ? SS_HEADER : coord; }
}  // namespace

bool Kv_Spread::fitToText(int col1, int row1, int col2, int row2, bool widths, bool heights) {
    if (col1 > col2 || row1 > row2) return true;
    std::vector<double> colWidths(static_cast<size_t>(col2 - col1) + 1);
    std::vector<double> rowHeights(static_cast<size_t>(row2 - row1) + 1);
    if (!GetMaxTextSizes(engineCoord(col1), engineCoord(row1), engineCoord(col2), engineCoord(row2), colWidths.data(),
                         rowHeights.data()))
        return false;
    bool ok = true;
    if (heights)
        for (int row = row1; row <= row2; ++row)
            ok = SetRowHeight(engineCoord(row), rowHeights[static_cast<size_t>(row - row1)]) != 0 && ok;
    if (widths)
        for (int col = col1; col <= col2; ++col)
            ok = SetColWidth(engineCoord(col), colWidths[static_cast<size_t>(col - col1)]) != 0 && ok;
    return ok;
}

bool Kv_Spread::autoFitCol(int col, bool /*skipType8*/) {
    if (!isAttached()) return false;
    const int c = col == SS_HEADER ? 0 : col;
    return fitToText(c, 0, c, GetMaxRows(), true, false);
}

bool Kv_Spread::autoFitRow(int row) {
    if (!isAttached()) return false;
    const int r = row == SS_HEADER ? 0 : row;
    return fitToText(0, r, GetMaxCols(), r, false, true);
}

bool Kv_Spread::autoFitAllCols(bool /*skipType8*/) {
    if (!isAttached()) return false;
    SS_CELLTYPE type;
    SetTypeStaticText(&type, 140);
    SetCellTypeRange(1, SS_HEADER, GetMaxCols(), SS_HEADER, &type);
    fitToText(1, 0, GetMaxCols(), GetMaxRows(), true, false);
    return true;
}

bool Kv_Spread::autoFitAllRows() {
    if (!isAttached()) return false;
    SS_CELLTYPE type;
    SetTypeStaticText(&type, 140);
    SetCellTypeRange(SS_HEADER, 1, SS_HEADER, GetMaxRows(), &type);
    fitToText(0, 1, GetMaxCols(), GetMaxRows(), false, true);
    return true;
}

// The header row's and column's types are set before anything is measured: neither touches a
// cell the other's fit reads, so this measures what fitting columns, rows, then the headers
// one after another would.
bool Kv_Spread::autoFitAll() {
    if (!isAttached()) return false;
    SS_CELLTYPE type;
    SetTypeStaticText(&type, 140);
    SetCellTypeRange(1, SS_HEADER, GetMaxCols(), SS_HEADER, &type);
    SetCellTypeRange(SS_HEADER, 1, SS_HEADER, GetMaxRows(), &type);
    return fitToText(0, 0, GetMaxCols(), GetMaxRows(), true, true);
}

int Kv_Spread::getTextWidth(int col, int row) const {
    if (!isAttached()) return -1;
    double w = 0.0, h = 0.0;
    return GetMaxTextCellSize(col, row, &w, &h) ? static_cast<int>(w) : -1;
}

int Kv_Spread::getMaxTextWidthInCol(int col) const {
    if (!isAttached()) return -1;
    int widest = 0;
    for (int row = 1; row <= GetMaxRows(); ++row) widest = std::max(widest, getTextWidth(col, row));
    return widest;
}

// --- the fitting functions ----------------------------------------------------------------

bool fitColumnsEqual(Kv_Spread* sheet, bool fixFirst, int width) {
    if (!sheet || !sheet->isAttached()) return false;
    const int clientW = clientWidth(*sheet);
    const bool header = sheet->GetBool(sheet::kOptRowHeaderShown) != 0;
    const int cols = sheet->GetMaxCols();
    const int n = cols + (header ? 1 : 0);
    if (n == 0) return false;
    if (width > 0 && clientW / n >= width) {
        if (n - 1 == 0) return false;
        const int rest = (clientW - width) / (n - 1);
        const int fixedCol = fixFirst ? 1 : cols;
        for (int col = 1; col <= cols; ++col) sheet->SetColWidthInPixels(col, col == fixedCol ? width : rest);
        if (header) sheet->SetColWidthInPixels(SS_HEADER, rest);
        return true;
    }
    const int each = clientW / n;
    for (int col = 1; col <= cols; ++col) sheet->SetColWidthInPixels(col, each);
    if (header) sheet->SetColWidthInPixels(SS_HEADER, each);
    return true;
}

bool fitColumnsPercent(Kv_Spread* sheet, int count, int percent) {
    if (!sheet || !sheet->isAttached()) return false;
    if (!sheet->setResizeMode(3, count, percent)) return false;
    return sheet->applyResize();
}

bool fitColumnsExcept(Kv_Spread* sheet, int col, int width) {
    if (!sheet || !sheet->isAttached()) return false;
    if (!sheet->setResizeMode(4, col, width)) return false;
    return sheet->applyResize();
}

bool setColWidths(Kv_Spread* sheet, int col1, int col2, int width) {
    if (!sheet || !sheet->isAttached() || col1 > col2) return false;
    for (int col = col1; col <= col2; ++col)
        if (!sheet->SetColWidthInPixels(col, width)) return false;
    return true;
}

// The engine's calls on column widths, row heights and the sizes of texts.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "view/spread_window.h"
#include "win/font.h"
#include "win/winuser.h"

using sheet::CellRef;
using sheet::RangeRef;
using sheet::Sheet;
using sheet::SpreadWindow;
using sheet::modelCoord;
using sheet::sheetOf;
using sheet::spreadOf;

namespace {

// Widths in characters are measured with the sheet's default font.
win::FontSpec defaultFont() { return win::FontSpec{"Tahoma", 13, 400}; }
int charWidth() { return std::max(win::averageCharWidth(defaultFont()), 1); }

win::FontSpec fontOf(const Sheet& s, CellRef c) {
  const sheet::CellFont& f = s.format(c).font;
  win::FontSpec font = defaultFont();
  if (!f.face.empty()) font.face = f.face;
  if (f.height) font.height = std::abs(f.height);
  font.weight = f.weight;
  font.italic = f.italic;
  font.underline = f.underline;
  return font;
}

// Text extent of a cell in pixels; picture cells (type 8) have none worth measuring.
win::TextSize cellTextSize(const Sheet& s, CellRef c) {
  if (s.format(c).type.kind == sheet::CellKind::Picture) return {};
  return win::measureText(fontOf(s, c), s.data(c));
}

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
  win::TextSize size = cellTextSize(*s, c);
  if (width) *width = static_cast<double>(size.cx) / charWidth();
  if (height) *height = size.cy;
  return TRUE;
}

BOOL SSGetMaxTextColWidth(HWND hWnd, SS_COORD col, double* width) {
  Sheet* s = sheetOf(hWnd);
  int32_t c = modelCoord(col);
  if (!s || c < 0 || c > s->maxCols() || !width) return FALSE;
  int widest = 0;
  for (int32_t row = 0; row <= s->maxRows(); ++row) widest = std::max(widest, cellTextSize(*s, {c, row}).cx);
  *width = static_cast<double>(widest) / charWidth();
  return TRUE;
}

BOOL SSGetClientRect(HWND hWnd, RECT* rect) {
  return spreadOf(hWnd) && rect && GetClientRect(hWnd, rect);
}

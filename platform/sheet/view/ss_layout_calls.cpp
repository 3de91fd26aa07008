// The engine's calls on sizes, structure, the clipboard, selection, calculation and files,
// and the registration of the window class.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "base/path_text.h"
#include "sheet/sheet_file.h"
#include "sheet/workbook_file.h"
#include "view/cell_text_size.h"
#include "view/clipboard_text.h"
#include "view/spread_window.h"
#include "win/constants.h"
#include "win/font.h"
#include "win/winuser.h"

using sheet::CellRef;
using sheet::RangeRef;
using sheet::Sheet;
using sheet::SpreadWindow;
using sheet::modelCoord;

namespace {

SpreadWindow* spread(HWND hWnd) { return sheet::spreadOf(hWnd); }
Sheet* sheetOf(HWND hWnd) {
  SpreadWindow* w = spread(hWnd);
  return w ? &w->sheet : nullptr;
}

int charWidth() { return sheet::defaultCharWidth(); }

const UINT kRegistered = [] { return SSRegisterClass() ? 1u : 0u; }();

}  // namespace

BOOL SSRegisterClass() {
  WNDCLASS existing;
  if (GetClassInfo(nullptr, kSpreadClassName, &existing)) return TRUE;
  WNDCLASS wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = sheet::spreadWindowProc;
  wc.lpszClassName = kSpreadClassName;
  return RegisterClass(&wc) != 0;
}

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
BOOL SSGetMaxTextSizes(HWND hWnd, SS_COORD col1, SS_COORD row1, SS_COORD col2, SS_COORD row2,
                       double* colWidths, double* rowHeights) {
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

BOOL SSGetClientRect(HWND hWnd, RECT* rect) {
  return spread(hWnd) && rect && GetClientRect(hWnd, rect);
}

BOOL SSInsRow(HWND hWnd, SS_COORD row) {
  SpreadWindow* w = spread(hWnd);
  if (!w) return FALSE;
  sheet::endEditBeforeStructureChange(*w);
  return w->sheet.insertRows(row, 1);
}
BOOL SSInsCol(HWND hWnd, SS_COORD col) {
  SpreadWindow* w = spread(hWnd);
  if (!w) return FALSE;
  sheet::endEditBeforeStructureChange(*w);
  return w->sheet.insertCols(col, 1);
}
BOOL SSDelRow(HWND hWnd, SS_COORD row) {
  SpreadWindow* w = spread(hWnd);
  if (!w) return FALSE;
  sheet::endEditBeforeStructureChange(*w);
  return w->sheet.deleteRows(row, 1);
}
BOOL SSDelCol(HWND hWnd, SS_COORD col) {
  SpreadWindow* w = spread(hWnd);
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

BOOL SSCopyRange(HWND hWnd, SS_COORD c1, SS_COORD r1, SS_COORD c2, SS_COORD r2, SS_COORD destCol,
                 SS_COORD destRow) {
  SpreadWindow* w = spread(hWnd);
  RangeRef r;
  if (!w || !blockOf(w->sheet, c1, r1, c2, r2, r)) return FALSE;
  sheet::endEditBeforeStructureChange(*w);
  return w->sheet.copyRange(r, {modelCoord(destCol), modelCoord(destRow)});
}

BOOL SSSwapRange(HWND hWnd, SS_COORD c1, SS_COORD r1, SS_COORD c2, SS_COORD r2, SS_COORD destCol,
                 SS_COORD destRow) {
  SpreadWindow* w = spread(hWnd);
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
  SpreadWindow* w = spread(hWnd);
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
  SpreadWindow* w = spread(hWnd);
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
  SpreadWindow* w = spread(hWnd);
  if (!w) return FALSE;
  if (on && !w->editing) sheet::openEditor(*w, {}, false);
  if (!on && w->editing) sheet::closeEditor(*w, true);
  return w->editing == (on != FALSE);
}

BOOL SSGetEditMode(HWND hWnd) {
  SpreadWindow* w = spread(hWnd);
  return w && w->editing;
}

BOOL SSSetSel(HWND hWnd, int start, int end) {
  SpreadWindow* w = spread(hWnd);
  if (!w || !w->editing) return FALSE;
  int len = static_cast<int>(w->editText.size());
  w->selStart = std::clamp(start, 0, len);
  w->selEnd = end < 0 ? len : std::clamp(end, 0, len);
  return TRUE;
}

BOOL SSGetSel(HWND hWnd, int* start, int* end) {
  SpreadWindow* w = spread(hWnd);
  if (!w || !w->editing) return FALSE;
  if (start) *start = w->selStart;
  if (end) *end = w->selEnd;
  return TRUE;
}

BOOL _SSReCalcCell(HWND hWnd, SS_COORD col, SS_COORD row) {
  Sheet* s = sheetOf(hWnd);
  CellRef c{modelCoord(col), modelCoord(row)};
  if (!s || !s->inSheet(c)) return FALSE;
  s->recalcCell(c);
  return TRUE;
}

BOOL SSReCalc(HWND hWnd) {
  Sheet* s = sheetOf(hWnd);
  if (!s) return FALSE;
  s->recalcAll();
  return TRUE;
}

BOOL SSReset(HWND hWnd) {
  SpreadWindow* w = spread(hWnd);
  if (!w) return FALSE;
  w->editing = false;
  w->comboItem = -1;
  w->sheet.reset();
  return TRUE;
}

// dataOnly is accepted for the callers' sake; the file always keeps everything.
BOOL SSSaveToFile(HWND hWnd, LPCSTR path, BOOL) {
  SpreadWindow* w = spread(hWnd);
  if (!w || !path) return FALSE;
  if (w->editing) sheet::closeEditor(*w, true);
  return sheet::saveFileByName(w->sheet, base::mapPath(path).string()).ok;
}

BOOL SSLoadFromFile(HWND hWnd, LPCSTR path) {
  SpreadWindow* w = spread(hWnd);
  if (!w || !path) return FALSE;
  if (w->editing) sheet::closeEditor(*w, false);
  w->comboItem = -1;
  // The format follows the name (.xlsx, .ods, .gnumeric, .csv; "book.xlsx#Sheet" names a
  // sheet); any other name is the engine's own format.
  sheet::SheetPath named = sheet::splitSheetPath(path);
  const std::string file = base::mapPath(named.file).string();
  w->loadNotes.clear();
  return (named.sheet.empty() ? sheet::loadFileByName(w->sheet, file, &w->loadNotes)
                              : sheet::loadWorkbookFile(w->sheet, file, named.sheet, &w->loadNotes))
      .ok;
}

int SSGetLoadNotes(HWND hWnd, LPSTR buffer, int bufferSize) {
  SpreadWindow* w = spread(hWnd);
  if (!w) return 0;
  std::string text;
  for (const std::string& note : w->loadNotes) text += note + "\n";
  if (buffer && bufferSize > 0) {
    size_t n = std::min(text.size(), static_cast<size_t>(bufferSize - 1));
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
  }
  return static_cast<int>(text.size());
}

// The engine's calls on sizes, structure, the clipboard, selection, calculation and files,
// and the registration of the window class.
#include <cmath>
#include <cstring>
#include <string>

#include "base/path_text.h"
#include "sheet/sheet_file.h"
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
  return spread(hWnd) && rect && GetClientRect(hWnd, rect);
}

BOOL SSInsRow(HWND hWnd, SS_COORD row) {
  Sheet* s = sheetOf(hWnd);
  return s && s->insertRows(row, 1);
}
BOOL SSInsCol(HWND hWnd, SS_COORD col) {
  Sheet* s = sheetOf(hWnd);
  return s && s->insertCols(col, 1);
}
BOOL SSDelRow(HWND hWnd, SS_COORD row) {
  Sheet* s = sheetOf(hWnd);
  return s && s->deleteRows(row, 1);
}
BOOL SSDelCol(HWND hWnd, SS_COORD col) {
  Sheet* s = sheetOf(hWnd);
  return s && s->deleteCols(col, 1);
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
  Sheet* s = sheetOf(hWnd);
  RangeRef r;
  return s && blockOf(*s, c1, r1, c2, r2, r) &&
         s->copyRange(r, {modelCoord(destCol), modelCoord(destRow)});
}

BOOL SSSwapRange(HWND hWnd, SS_COORD c1, SS_COORD r1, SS_COORD c2, SS_COORD r2, SS_COORD destCol,
                 SS_COORD destRow) {
  Sheet* s = sheetOf(hWnd);
  RangeRef r;
  return s && blockOf(*s, c1, r1, c2, r2, r) &&
         s->swapRange(r, {modelCoord(destCol), modelCoord(destRow)});
}

namespace {
RangeRef selectedOrActive(const Sheet& s) {
  if (auto sel = s.selection()) {
    RangeRef r = *sel;
    if (r.first.col < 1) r.first.col = 1;
    if (r.first.row < 1) r.first.row = 1;
    if (r.last.col < 1) r.last.col = s.maxCols();
    if (r.last.row < 1) r.last.row = s.maxRows();
    return r;
  }
  return {s.activeCell(), s.activeCell()};
}
}  // namespace

// The selected block (or the active cell) as text: cells separated by tabs, rows by CR LF.
BOOL SSClipboardCopy(HWND hWnd) {
  Sheet* s = sheetOf(hWnd);
  if (!s) return FALSE;
  RangeRef r = selectedOrActive(*s);
  std::string text;
  for (int32_t row = r.first.row; row <= r.last.row; ++row) {
    for (int32_t col = r.first.col; col <= r.last.col; ++col) {
      if (col > r.first.col) text += '\t';
      text += s->data({col, row});
    }
    text += "\r\n";
  }
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

// Clipboard text goes into the cells from the active cell on, as a person would type it.
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
  CellRef start = s.activeCell(), c = start;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find_first_of("\t\r\n", pos);
    if (end == std::string::npos) end = text.size();
    if (s.inSheet(c) && !(s.option(sheet::kOptProtect) && s.format(c).locked))
      s.setData(c, text.substr(pos, end - pos));
    if (end < text.size() && text[end] == '\t') {
      ++c.col;
    } else {
      if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++end;
      c = {start.col, c.row + 1};
    }
    pos = end + 1;
  }
  s.setOption(sheet::kOptChanged, true);
  sheet::notifyParent(*w, SSN_DATACHANGE);
  return TRUE;
}

BOOL SSSetSelectBlock(HWND hWnd, const SS_CELLCOORD* first, const SS_CELLCOORD* last) {
  Sheet* s = sheetOf(hWnd);
  if (!s || !first || !last) return FALSE;
  s->setSelection(RangeRef{{modelCoord(first->Col), modelCoord(first->Row)},
                           {modelCoord(last->Col), modelCoord(last->Row)}});
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

BOOL _SSAddCustomFunctionExt(HWND hWnd, LPCSTR name, short minArgs, short maxArgs,
                             sheet::SSCustomFunctionProc proc, long flags) {
  Sheet* s = sheetOf(hWnd);
  if (!s || !name || !proc) return FALSE;
  sheet::FunctionDef def =
      sheet::makeCustomFunction(name, minArgs, maxArgs, proc, static_cast<uint32_t>(flags));
  return !def.name.empty() && s->addFunction(std::move(def));
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
  return sheet::saveSheetFile(w->sheet, base::mapPath(path).string()).ok;
}

BOOL SSLoadFromFile(HWND hWnd, LPCSTR path) {
  SpreadWindow* w = spread(hWnd);
  if (!w || !path) return FALSE;
  if (w->editing) sheet::closeEditor(*w, false);
  w->comboItem = -1;
  return sheet::loadSheetFile(w->sheet, base::mapPath(path).string()).ok;
}

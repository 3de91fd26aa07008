// The engine's calls that recalculate, reset, save and load a sheet.
#include <algorithm>
#include <cstring>
#include <string>

#include "base/path_text.h"
#include "sheet/sheet_file.h"
#include "sheet/workbook_file.h"
#include "view/spread_window.h"
#include "win/winuser.h"

using sheet::CellRef;
using sheet::modelCoord;
using sheet::RangeRef;
using sheet::Sheet;
using sheet::sheetOf;
using sheet::spreadOf;
using sheet::SpreadWindow;

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
    SpreadWindow* w = spreadOf(hWnd);
    if (!w) return FALSE;
    w->editing = false;
    w->comboItem = -1;
    w->sheet.reset();
    return TRUE;
}

// dataOnly is accepted for the callers' sake; the file always keeps everything.
BOOL SSSaveToFile(HWND hWnd, LPCSTR path, BOOL) {
    SpreadWindow* w = spreadOf(hWnd);
    if (!w || !path) return FALSE;
    if (w->editing) sheet::closeEditor(*w, true);
    return sheet::saveFileByName(w->sheet, base::mapPath(path).string()).ok;
}

BOOL SSLoadFromFile(HWND hWnd, LPCSTR path) {
    SpreadWindow* w = spreadOf(hWnd);
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
    SpreadWindow* w = spreadOf(hWnd);
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

// The numbers of the engine's on/off options, apart from the model so that callers of the
// C-style calls (ss_api.h) can name them without the whole sheet.
#pragma once

namespace sheet {

// Engine options (the numbers of SSSetBool/SSGetBool).  docs/sheet-engine.md lists them all.
enum SheetOption : int {
    kOptColHeaderShown = 3,   // the column-header row is shown
    kOptRowHeaderShown = 4,   // the row-header column is shown
    kOptAutoCalc = 7,         // every edit recalculates the formulas that depend on it
    kOptRedraw = 8,           // changes repaint at once (off while a caller fills a sheet)
    kOptEditOnActivate = 10,  // a click on a cell opens its editor at once
    kOptSkipLocked = 11,      // arrow keys and Tab step over locked cells
    kOptFormulas = 12,        // a data text that begins with '=' is entered as a formula
    kOptBlockSelect = 13,     // clicks and Shift+arrows select blocks instead of editing
    kOptProtect = 18,         // locked cells refuse editing
    kOptVertScrollBar = 21,   // a vertical scroll bar is shown when rows overflow
    kOptHorzScrollBar = 22,   // a horizontal scroll bar is shown when columns overflow
    kOptWrapAtRowEnd = 25,    // moving past the last column continues in the next row
    kOptColumnResize = 26,    // a person may drag column widths in the header
    kOptChanged = 30,         // set by every edit a person makes; cleared by whoever saves
    kOptTabInSheet = 32,      // Tab moves the active cell instead of leaving the sheet
    kOptEnterInSheet = 34,    // Enter is handled by the sheet instead of the dialog
};
constexpr int kOptionCount = 64;

}  // namespace sheet

#pragma once
// A small in-memory stand-in for the spreadsheet engine's window and calls, so that the
// wrapper and its dialogs are driven headless before the engine's own window layer is linked.
// It keeps what the wrapper reads back (data, tags, types, locks, fonts, spans, sizes, options,
// active cell, selection, the cell editor) and answers a person's clicks and typing the way
// the engine does: a click activates a cell, typing opens the editor, Enter or leaving the
// sheet commits.  Tests read its state through engineState().

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "spread/engine_api.h"

namespace spread_test {

struct DoubleCell {
    std::string data;
    std::string tag;
    SS_CELLTYPE type;
    std::string typeText;   // the record's text, copied when applied
    bool locked = false;
    int fontWeight = 0;     // 0: no font set
    std::string fontFace;
    int borderStyle = 0;
};

struct DoubleSpan {
    int col = 0, row = 0, cols = 1, rows = 1;
};

struct DoubleSheet {
    int maxRows = 0, maxCols = 0;
    std::map<std::pair<int, int>, DoubleCell> cells;   // (col, row); 0 is the header
    std::map<int, int> colWidths, rowHeights;           // pixels
    bool options[64] = {};
    std::vector<DoubleSpan> spans;
    int activeCol = 0, activeRow = 0;
    std::optional<std::pair<SS_CELLCOORD, SS_CELLCOORD>> block;
    bool editing = false;
    std::string editText;
    int selStart = 0, selEnd = 0;
    int editEnterAction = 0, operationMode = 0;
    int tipStatus = 0;
    std::string tipFace;
    std::vector<std::string> log;   // "SSSetBool 8 0", ... in call order (options only)

    DoubleCell& cell(int col, int row) { return cells[{col, row}]; }
    const DoubleCell* find(int col, int row) const;
    std::string dataAt(int col, int row) const;
};

// Registers the engine's window class with the double's procedure (once per process).
void registerEngineDouble();
// The state behind a sheet window; nullptr when the window is no engine window.
DoubleSheet* engineState(HWND sheet);
// Screen-independent client point of the centre of a cell (header cells with 0).
POINT cellCenter(HWND sheet, int col, int row);

}  // namespace spread_test

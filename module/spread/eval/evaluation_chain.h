#pragma once
// What FROMTABLE knows of the evaluation around a call.
//
// The current evaluation sheet: the sheet whose formulas are being evaluated, set by the
// formulas window around each evaluation it starts (EvaluationScope) and by each FROMTABLE
// call around the recalculation of its table cell.  Scopes nest like the evaluations.
//
// The chain: the table cells being computed, each a (table file, cell) pair, with the cell
// whose formula made each call.  A call that needs a pair already in the chain needs its own
// value: a cycle.  The same table asked again for another cell is no cycle.
#include <string>
#include <vector>

#include "core/kv_string.h"
#include "win/types.h"

// The sheet whose formulas a formulas window is evaluating; null when none.
HWND currentEvaluationSheet();

// Makes a sheet the current evaluation sheet while it lives, with the file it came from
// (empty when none); the previous one comes back when it ends.
class EvaluationScope {
public:
    EvaluationScope(HWND sheetWindow, const Kv_String& file);
    ~EvaluationScope();
    EvaluationScope(const EvaluationScope&) = delete;
    EvaluationScope& operator=(const EvaluationScope&) = delete;

private:
    HWND previous_;
};

// The file a sheet window shows, as far as the evaluation knows it: an evaluation scope's
// file, else the file a formulas window declared for its sheet, else empty.
Kv_String evaluationFileOf(HWND sheetWindow);
// A formulas window declares the file its sheet holds (and forgets it when it closes), so that
// formulas a person types there find the tables named beside that file.
void declareSheetFile(HWND sheetWindow, const Kv_String& file);
void forgetSheetFile(HWND sheetWindow);

// One table cell being computed; `file` is the table's comparable path.
struct ChainCell {
    std::string file;
    int col = 0, row = 0;
    bool operator==(const ChainCell&) const = default;
};

// Adds a call to the chain while it lives: the cell whose formula calls, and the table cell
// it needs.
class ChainLink {
public:
    ChainLink(const ChainCell& caller, const ChainCell& needed);
    ~ChainLink();
    ChainLink(const ChainLink&) = delete;
    ChainLink& operator=(const ChainLink&) = delete;

    // Whether `cell` is being computed somewhere along the chain.
    static bool inChain(const ChainCell& cell);
    // How many calls are nested now.
    static int depth();
};

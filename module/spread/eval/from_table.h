#pragma once
// FROMTABLE: the sheet function that takes a value out of another sheet file (a table).
//
//   FROMTABLE(table, cell)                    the value of that cell of the table
//   FROMTABLE(table, cell, target)            copies that cell's text into `target` of the
//                                             calling sheet; the call itself is an error value
//   FROMTABLE(table, keyLabel, resultLabel, key)
//                                             the cell in the column labelled resultLabel of
//                                             the first row whose keyLabel column holds key
//                                             (labels are the column-header texts; texts
//                                             compare ignoring case)
//
// The engine gives a custom function no hint of the sheet that called it, so the formulas
// window names the sheet it evaluates (the current evaluation sheet) while it recalculates,
// and each table being evaluated joins a chain.  A call made while no formulas window
// evaluates anything fails.  A table that is already in the chain is not opened again: a
// chain of tables that refers back to itself ends with an error value instead of opening
// windows until the stack is gone.
//
// A table path that is not absolute is looked for beside the file of the calling sheet, then
// in the installation folder.
#include <cstdint>

#include "core/kv_string.h"
#include "sheet/formula/custom_function.h"
#include "win/types.h"

using FromTableValue = ::sheet::SSValue;

// Registers FROMTABLE on a sheet window: 2 to 4 arguments, single-cell references arriving as
// cell records.  A load replaces a sheet's functions, so whoever loads a file registers again.
bool registerFromTable(HWND sheetWindow);

// The engine's callback: runs a hidden formulas window that evaluates the call.  Always true;
// the outcome is in the result's status.
bool fromTableCallback(FromTableValue* result, FromTableValue* args, int16_t argCount);

// Evaluates one call in `table`, a sheet window the caller owns (the formulas window's).
// Loads the table file into it, finds the cell, recalculates it and fills `result`.  Every
// failure leaves the result with status 2 (error).
void evaluateFromTable(HWND table, HWND callerSheet, FromTableValue* result, const FromTableValue* args,
                       int argCount);

// The sheet whose formulas a formulas window is evaluating; null when none.
HWND currentEvaluationSheet();

// Makes a sheet the current evaluation sheet while it lives and adds its file (empty when
// it has none) to the chain of sheets being evaluated; the previous state comes back when it
// ends.  Scopes nest like the windows that open them.
class EvaluationScope {
public:
    EvaluationScope(HWND sheetWindow, const Kv_String& file);
    ~EvaluationScope();
    EvaluationScope(const EvaluationScope&) = delete;
    EvaluationScope& operator=(const EvaluationScope&) = delete;

private:
    HWND previous_;
};

// How deep tables may call tables that call tables; a deeper call is an error value.
inline constexpr int kMaxTableNesting = 32;

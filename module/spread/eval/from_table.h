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
// In the two- and three-argument forms the cell arguments name cells of the table and of the
// caller's target, not cells the formula reads: they are no dependencies of the calling cell.
// The engine tells the function which sheet and cell call it.  Tables come from the table
// cache (table_cache.h): a call whose table has to be loaded runs a formulas window that
// evaluates it (closed at once, never shown); a call answered by a kept table needs no window.
// Each call joins the chain of table cells being computed (evaluation_chain.h): a call that
// needs its own value ends with an error value.
//
// A table path that is not absolute is looked for beside the file of the calling sheet, then
// in the installation folder.  A workbook table is its first sheet; "book.xlsx#Prices" names
// another (names compare ignoring case), and each sheet is a table of its own.  A sheet the
// workbook does not have is an error value, as a missing table is.
#include <cstdint>

#include "core/kv_string.h"
#include "sheet/formula/custom_function.h"
#include "spread/eval/evaluation_chain.h"
#include "win/types.h"

using FromTableValue = ::sheet::SSValue;

// Registers FROMTABLE on a sheet window: 2 to 4 arguments, single-cell references arriving as
// cell records.  A load replaces a sheet's functions, so whoever loads a file registers again.
bool registerFromTable(HWND sheetWindow);

// The engine's callback in the shape that knows no caller: the caller is the current
// evaluation sheet.  Always true; the outcome is in the result's status.
bool fromTableCallback(FromTableValue* result, FromTableValue* args, int16_t argCount);

// The callback the engine calls with the calling sheet window and cell.
bool fromTableCall(const ::sheet::SSCaller* caller, FromTableValue* result, FromTableValue* args, int16_t argCount);

// Evaluates one call made by the formula in `callerCell` (col, row; 0 when unknown) of
// `callerSheet`: takes the table, finds the cell, recalculates it and fills `result`.  Every
// failure leaves the result with status 2 (error).
void evaluateFromTable(HWND callerSheet, int callerCol, int callerRow, FromTableValue* result,
                       const FromTableValue* args, int argCount);

// How deep tables may call tables that call tables; a deeper call is an error value.
inline constexpr int kMaxTableNesting = 32;

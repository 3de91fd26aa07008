#pragma once
// The exported entries of the formulas window: reading a saved sheet file out as texts, and
// the evaluation test entry that recalculates the first cell of a fixed sheet.
#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"

// Reads a sheet file: `firstCell` gets the data text of cell (1, 1), `headers` one column
// label per column, `rows` one array of data texts per row, each as long as there are
// columns.  A file that cannot be loaded gives the texts of an empty 10-row, 8-column sheet.
void ReadSSFile(const Kv_String& file, Kv_String& firstCell, Kv_StringArray& headers, Kv_Array<Kv_StringArray>& rows);

// Opens the formulas window on the fixed test sheet (evaluationTestFile) and recalculates its
// cell (1, 1); returns when a person closes the window.
void EvaluateSS();

// The fixed test sheet of EvaluateSS: "sheets\evaluate_test.kvs" in the installation folder.
Kv_String evaluationTestFile();

// What EvaluateSS does for any file and cell, giving the cell's data text afterwards; the
// window stays open for a person as in EvaluateSS.  Returns the window's result.
int evaluateSheetCell(const Kv_String& file, int col, int row, Kv_String& cellText);

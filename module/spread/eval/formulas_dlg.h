#pragma once
// FormulasDlg: the formulas window (resource 133), one sheet with the file it came from.
//
// It does its work while it opens, in one of three modes the caller chooses:
// - kEvaluateCell: loads `path`, recalculates (cellCol, cellRow) and keeps its data text in
//   `cellText`; the window then stays open for a person (reference styles, calculation
//   switches, load and save, formulas typed into the sheet);
// - kEvaluateFromTable: evaluates one FROMTABLE call (`result`, `args`, `argCount`) made by
//   the formula in (`callerCol`, `callerRow`) of `callerSheet`, then closes with OK without
//   ever showing; the table comes from the table cache, not from this window's sheet;
// - kReadFile: loads `path`, hands its first cell, column labels and cells to the out
//   references, and closes with OK without ever showing.
// A file that cannot be loaded leaves the window's own empty sheet: 10 rows, 8 columns.
#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "spread/eval/from_table.h"
#include "spread/kv_spread.h"
#include "win/afxwin.h"

class FormulasDlg : public CDialog {
public:
    enum Mode : int { kEvaluateCell = 1, kEvaluateFromTable = 2, kReadFile = 4 };

    explicit FormulasDlg(CWnd* parent = nullptr);
    ~FormulasDlg() override;

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    Kv_Spread sheet;
    int mode = kEvaluateCell;
    FromTableValue* result = nullptr;
    const FromTableValue* args = nullptr;
    short argCount = 0;
    HWND callerSheet = nullptr;
    int callerCol = 0, callerRow = 0;  // mode 2: the cell whose formula calls (0 when unknown)
    Kv_String path;
    int cellCol = 1, cellRow = 1;
    Kv_String cellText;
    Kv_StringArray* outHeaders = nullptr;
    Kv_Array<Kv_StringArray>* outRows = nullptr;
    Kv_String outFirstCell;

private:
    void prepareSheet();
    void readFileOut();
    void evaluateCell();
    void showFormulaTexts(short refStyle);
    void saveToFile();
    void loadFromFile();
    void setAutoCalculate(bool on);
    void recalculate();
    Kv_String pathText() const;

    void setLoadedFile(const Kv_String& file);

    // The file the sheet holds now, for FROMTABLE's tables named beside it.
    Kv_String loadedFile;
    HWND declaredSheet = nullptr;
};

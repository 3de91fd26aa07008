// FormulasDlg: the formulas window in its three modes, and its buttons.
#include "spread/eval/formulas_dlg.h"

#include <string>

#include "host/command_line.h"
#include "spread/load_notes.h"
#include "sheet/ss_api.h"
#include "spread/eval/eval_ids.h"

namespace {

constexpr int kWindowRows = 10, kWindowCols = 8;

}  // namespace

FormulasDlg::FormulasDlg(CWnd* parent) : CDialog(IDD_FORMULAS, parent), sheet(this) {}

FormulasDlg::~FormulasDlg() {
    if (declaredSheet) forgetSheetFile(declaredSheet);
}

// Formulas a person types into the sheet evaluate with the tables named beside this file.
void FormulasDlg::setLoadedFile(const Kv_String& file) {
    loadedFile = file;
    declaredSheet = sheet.m_hWnd;
    declareSheetFile(declaredSheet, file);
}

BOOL FormulasDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // Only the interactive mode comes to the front: the others never show, and taking the
    // focus would take it from the dialog whose sheet asked for the evaluation.
    if (mode == kEvaluateCell) {
        ::SetForegroundWindow(m_hWnd);
        ::SetFocus(m_hWnd);
    }
    SetDlgItemText(IDC_FORMULAS_PATH, path.c_str());
    sheet.attach(this, IDC_FORMULAS_SHEET, true);
    prepareSheet();

    if (!path.isEmpty() && SSLoadFromFile(sheet.m_hWnd, path.c_str())) setLoadedFile(path);
    acutPrintf("Loading spreadsheet:%s\n", path.c_str());
    printLoadNotes(sheet.m_hWnd, path);
    registerFromTable(sheet.m_hWnd);

    switch (mode) {
    case kReadFile:
        readFileOut();
        EndDialog(IDOK);
        break;
    case kEvaluateCell: evaluateCell(); break;
    case kEvaluateFromTable:
        evaluateFromTable(callerSheet, callerCol, callerRow, result, args, argCount);
        // A recalculation may run many calls; a window left open for each would bury the
        // person under windows, so this one closes as soon as its value is known.
        EndDialog(IDOK);
        break;
    default: break;
    }
    return TRUE;
}

void FormulasDlg::prepareSheet() {
    HWND h = sheet.m_hWnd;
    SSSetBool(h, sheet::kOptFormulas, TRUE);
    SSSetBool(h, sheet::kOptAutoCalc, FALSE);
    CheckDlgButton(IDC_FORMULAS_AUTOCALC, BST_UNCHECKED);
    CheckRadioButton(IDC_FORMULAS_STYLE_DEFAULT, IDC_FORMULAS_STYLE_R1C1, IDC_FORMULAS_STYLE_DEFAULT);
    registerFromTable(h);
    SSSetMaxRows(h, kWindowRows);
    SSSetMaxCols(h, kWindowCols);
    SSSetAutoSizeVisible(h, 4, 5);
    SS_CELLTYPE number;
    // The limits are given the wrong way round, as the package always did; the engine takes
    // them as the range they span.
    _SSSetTypeNumber(h, &number, 0x10000200, 2, 10000.0, -10000.0, TRUE);
    SSSetCellTypeRange(h, 1, 1, 6, 6, &number);
}

void FormulasDlg::readFileOut() {
    if (!outHeaders || !outRows) return;
    outHeaders->removeAll();
    outRows->removeAll();
    sheet.getCellText(1, 1, outFirstCell, CellTextKind::Data);
    sheet.getRowStrings(SS_HEADER, *outHeaders, CellTextKind::Data);
    sheet.getAllRows(*outRows, CellTextKind::Data);
}

void FormulasDlg::evaluateCell() {
    EvaluationScope scope(sheet.m_hWnd, loadedFile);
    _SSReCalcCell(sheet.m_hWnd, cellCol, cellRow);
    sheet.getCellText(cellCol, cellRow, cellText, CellTextKind::Data);
}

BOOL FormulasDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDC_FORMULAS_STYLE_DEFAULT: showFormulaTexts(0); return TRUE;
        case IDC_FORMULAS_STYLE_A1: showFormulaTexts(1); return TRUE;
        case IDC_FORMULAS_STYLE_R1C1: showFormulaTexts(2); return TRUE;
        case IDC_FORMULAS_SAVE: saveToFile(); return TRUE;
        case IDC_FORMULAS_LOAD: loadFromFile(); return TRUE;
        case IDC_FORMULAS_AUTOCALC:
            setAutoCalculate(IsDlgButtonChecked(IDC_FORMULAS_AUTOCALC) == BST_CHECKED);
            return TRUE;
        case IDC_FORMULAS_RECALC: recalculate(); return TRUE;
        default: break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

// Shows the formulas of column 4 as texts in column 1, printed in the chosen reference style.
void FormulasDlg::showFormulaTexts(short refStyle) {
    HWND h = sheet.m_hWnd;
    _SSSetRefStyle(h, refStyle);
    for (int row = 1; row <= 5; ++row) {
        Kv_String formula;
        sheet.getCellText(4, row, formula, CellTextKind::Formula);
        if (row == 5 && formula.isEmpty()) break;
        SSSetData(h, 1, row, formula.c_str());
    }
    double width = 0;
    if (SSGetMaxTextColWidth(h, 1, &width)) SSSetColWidth(h, 1, width);
}

Kv_String FormulasDlg::pathText() const {
    std::string text;
    GetDlgItemText(IDC_FORMULAS_PATH, text);
    return Kv_String(text);
}

void FormulasDlg::saveToFile() {
    if (!SSSaveToFile(sheet.m_hWnd, pathText().c_str(), FALSE)) acutPrintf("Save failed\n");
}

void FormulasDlg::loadFromFile() {
    const Kv_String file = pathText();
    if (SSLoadFromFile(sheet.m_hWnd, file.c_str())) {
        setLoadedFile(file);
        printLoadNotes(sheet.m_hWnd, file);
    } else
        acutPrintf("Load failed\n");
    registerFromTable(sheet.m_hWnd);
}

// Switching automatic calculation on computes what was left, and Recalculate computes
// everything: both may run FROMTABLE, which needs to know which sheet calls it.
void FormulasDlg::setAutoCalculate(bool on) {
    EvaluationScope scope(sheet.m_hWnd, loadedFile);
    SSSetBool(sheet.m_hWnd, sheet::kOptAutoCalc, on ? TRUE : FALSE);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_FORMULAS_RECALC), on ? FALSE : TRUE);
}

void FormulasDlg::recalculate() {
    EvaluationScope scope(sheet.m_hWnd, loadedFile);
    SSReCalc(sheet.m_hWnd);
}

// ReadSSFile and EvaluateSS: the formulas window run from outside the module.
#include "spread/eval/sheet_evaluation.h"

#include "core/kv_settings.h"
#include "frame/module_resource_scope.h"
#include "spread/eval/formulas_dlg.h"

Kv_String evaluationTestFile() { return Kv_Settings::kvDir() + "sheets\\evaluate_test.kvs"; }

void ReadSSFile(const Kv_String& file, Kv_String& firstCell, Kv_StringArray& headers,
                Kv_Array<Kv_StringArray>& rows) {
    frame::ModuleResourceScope scope;
    FormulasDlg window;
    window.mode = FormulasDlg::kReadFile;
    window.path = file;
    window.outHeaders = &headers;
    window.outRows = &rows;
    window.DoModal();
    firstCell = window.outFirstCell;
}

int evaluateSheetCell(const Kv_String& file, int col, int row, Kv_String& cellText) {
    frame::ModuleResourceScope scope;
    FormulasDlg window;
    window.mode = FormulasDlg::kEvaluateCell;
    window.path = file;
    window.cellCol = col;
    window.cellRow = row;
    const int result = static_cast<int>(window.DoModal());
    cellText = window.cellText;
    return result;
}

void EvaluateSS() {
    Kv_String ignored;
    evaluateSheetCell(evaluationTestFile(), 1, 1, ignored);
}

// ReadSSFile and EvaluateSS: the formulas window run from outside the module.
#include "spread/eval/sheet_evaluation.h"

#include "core/kv_settings.h"
#include "frame/dialog_launcher.h"
#include "spread/eval/formulas_dlg.h"

Kv_String evaluationTestFile() { return Kv_Settings::kvDir() + "sheets\\evaluate_test.kvs"; }

void ReadSSFile(const Kv_String& file, Kv_String& firstCell, Kv_StringArray& headers, Kv_Array<Kv_StringArray>& rows) {
    // The window fills the texts however it closes.
    frame::launchModalDialog<FormulasDlg>(
        frame::LaunchRules{frame::ResourceScope::Open, frame::CopyBack::Always},
        [&](FormulasDlg& window) {
            window.mode = FormulasDlg::kReadFile;
            window.path = file;
            window.outHeaders = &headers;
            window.outRows = &rows;
        },
        [&](FormulasDlg& window) { firstCell = window.outFirstCell; });
}

int evaluateSheetCell(const Kv_String& file, int col, int row, Kv_String& cellText) {
    int result = -1;  // a window that could not run
    frame::launchModalDialog<FormulasDlg>(
        frame::LaunchRules{frame::ResourceScope::Open, frame::CopyBack::Always},
        [&](FormulasDlg& window) {
            window.mode = FormulasDlg::kEvaluateCell;
            window.path = file;
            window.cellCol = col;
            window.cellRow = row;
        },
        [&](FormulasDlg& window) { cellText = window.cellText; },
        [&](FormulasDlg&, INT_PTR ended) { result = static_cast<int>(ended); });
    return result;
}

void EvaluateSS() {
    Kv_String ignored;
    evaluateSheetCell(evaluationTestFile(), 1, 1, ignored);
}

// CDlgMacroTabPage: what a person's finished edits do.  Each applies the page: the tab is
// compared with its state before, and only a difference updates the drawing, followed by the
// clash check and a refresh of every page.
#include "core/dialog_helpers.h"
#include "core/kv_texts.h"
#include "host/command_line.h"
#include "macro/dlg_macro.h"
#include "macro/dlg_macro_array.h"
#include "macro/dlg_macro_tab_page.h"
#include "macro/macro_calculator.h"
#include "macro/macro_core_calls.h"
#include "macro/macro_ids.h"
#include "sheet/ss_api.h"

void CDlgMacroTabPage::applyPage() {
    if (!ready_ || owner_->rearranging()) return;
    ready_ = false;
    const MacroTabData before = tab();
    readBack();
    ready_ = true;
    applyOptionResult(before);
}

bool CDlgMacroTabPage::applyOptionResult(const MacroTabData& before) {
    const bool wasReady = ready_;
    ready_ = false;
    MacroChanges changes;
    kvmacro::tabDifferences(tab(), before, changes);
    bool updated = false;
    if (!changes.empty()) {
        MacroData& macro = owner_->macro;
        updated = kvmacro::updateModule(tab().moduleName, macro, changes);
        if (updated) owner_->runClashCheck();
        owner_->refreshAllPages(true);
        acedPostCommandPrompt();
    }
    ready_ = wasReady;
    return updated;
}

BOOL CDlgMacroTabPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam), code = HIWORD(wParam);
    if (!ready_) return CDlgMacroPage::OnCommand(wParam, lParam);
    if (id == IDC_PAGE_SHEET) {
        if (code == SSN_CELLCHANGE) sheetCellPressed();
        return TRUE;
    }
    if (template_.isADynControl(id) && commandOfTemplate(id, code)) return TRUE;
    switch (id) {
    case IDC_PAGE_BOLT_COMPOSITION:
    case IDC_PAGE_BOLT_DIAMETER:
        if (code == CBN_SELCHANGE) {
            if (id == IDC_PAGE_BOLT_COMPOSITION) boltCompositionChanged();
            applyPage();
            return TRUE;
        }
        if (code == CBN_KILLFOCUS) {
            applyPage();
            return TRUE;
        }
        break;
    case IDC_PAGE_BOLT_OPTIONS:
        if (code == BN_CLICKED) openBoltDialog();
        return TRUE;
    default: break;
    }
    return CDlgMacroPage::OnCommand(wParam, lParam);
}

bool CDlgMacroTabPage::commandOfTemplate(int id, int code) {
    Kv_ControlType type = kCtrlLabel;
    if (!template_.getDynControlType(id, type)) return false;
    if (code == BN_CLICKED) {
        switch (type) {
        case kCtrlCheckBox: applyPage(); return true;
        case kCtrlCellButton:
        case kCtrlCellButton2:
            runCalculator(id);
            applyPage();
            return true;
        case kCtrlFlexButton: flexButtonClicked(id); return true;
        case kCtrlArrayButton: openArrayDialog(tab().findArrayWithBtnId(id)); return true;
        case kCtrlPatternButton: openPatternDialog(tab().findPatternWithBtnId(id)); return true;
        case kCtrlBoltButton: openBoltDialog(); return true;
        default: return false;
        }
    }
    if (code == CBN_SELCHANGE) {
        if (type == kCtrlDrawingList) drawingChosen(id);
        applyPage();
        return true;
    }
    if (code == EN_KILLFOCUS || code == CBN_KILLFOCUS) {
        applyPage();
        return true;
    }
    return false;
}

// A flex button of a group: the tab decides which members are fixed; the page's values are
// read first so that the click works on what the person sees, and applied from there.
void CDlgMacroTabPage::flexButtonClicked(int id) {
    Kv_String group, variable;
    int index = -1, state = 0;
    if (!template_.getFlexBtnGroupName(id, group, variable) || !template_.findFlexButton(group, variable, index) ||
        !template_.getFlexBtnStatus(index, state) || (state != 0 && state != 1))
        return;
    readBack();
    const MacroTabData before = tab();
    if (!kvmacro::flexFixBtnClicked(tab(), group, variable, state == 1)) {
        setFlexButtonStates();
        return;
    }
    if (!applyOptionResult(before)) setFlexButtonStates();
}

// The array dialog of the tab's array `index` (none: nothing happens).  The page is read back
// first so that the dialog and the comparison after it see what the person typed.
void CDlgMacroTabPage::openArrayDialog(int index) {
    if (!tab().arrays.isValidIndex(index)) return;
    readBack();
    const MacroTabData before = tab();
    DynArrayData array = tab().arrays[index];
    if (!StartArrayDlg(array, owner_->macro.ids, tab().moduleName)) return;
    tab().arrays[index] = array;
    applyOptionResult(before);
}

// Code 60 of the sheet: a button cell pressed opens the option of the row's element; a check
// box ticked or a list entry chosen is a finished edit.
void CDlgMacroTabPage::sheetCellPressed() {
    SS_COORD col = 0, row = 0;
    if (!sheet_.GetActiveCell(&col, &row)) return;
    SS_CELLTYPE type;
    if (sheet_.GetCellType(col, row, &type) && type.record.kind == sheet::CellKind::Button) {
        // A listed array keeps minus its row in value1Link.
        const Kv_Array<DynArrayData>& arrays = tab().arrays;
        for (int index = 0; index < arrays.length(); ++index) {
            if (!arrays[index].hasValueLink() && arrays[index].value1Link == -row) {
                openArrayDialog(index);
                return;
            }
        }
        // A listed pattern keeps minus its row in valueLink.
        const Kv_Array<MacroPatternProps>& patterns = tab().patterns;
        for (int index = 0; index < patterns.length(); ++index) {
            if (patterns[index].valueLink == -row) {
                openPatternDialog(index);
                return;
            }
        }
        return;
    }
    applyPage();
}

void CDlgMacroTabPage::drawingChosen(int id) {
    Kv_String chosen;
    const Kv_DesignerControl* control = template_.getControlFromRes(id);
    if (!control || !template_.getCtrlValue(id, chosen) || chosen == dialString(695)) return;
    kvmacro::swapBlockRefs(owner_->macro, tab().moduleName, control->listText + "\\" + chosen + ".dwg");
}

void CDlgMacroTabPage::boltCompositionChanged() {
    std::string composition, diameter;
    GetDlgItemText(IDC_PAGE_BOLT_COMPOSITION, composition);
    if (composition.empty()) return;
    GetDlgItemText(IDC_PAGE_BOLT_DIAMETER, diameter);
    Kv_StringArray diameters;
    kvmacro::getDiameters(composition, diameters);
    FillCombo(m_hWnd, IDC_PAGE_BOLT_DIAMETER, diameters, diameters.find(diameter));
}

void CDlgMacroTabPage::runCalculator(int id) {
    const Kv_DesignerControl* control = template_.getControlFromRes(id);
    if (!control) return;
    CalculatorInput input = calculatorInputOf(
        *control, tab(), [this](const MacroCell& cell, Kv_String& text) { return readValue(cell.link, text); });
    Kv_String result;
    if (!askCalculatorResult(input, result)) return;
    MacroCell* target = kvmacro::findCell(tab(), input.targetName);
    if (!target) return;
    if (target->link != 0)
        writeValue(target->link, result);
    else
        target->value = result;
}

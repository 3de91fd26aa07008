// CDlgMacro: what its buttons and filters do, applying every page, and closing.
#include <string>

#include "core/dialog_helpers.h"
#include "core/kv_texts.h"
#include "dialogs/dlg_open_save_filtered.h"
#include "frame/dialog_launcher.h"
#include "host/command_line.h"
#include "macro/dlg_macro.h"
#include "macro/macro_core_calls.h"
#include "macro/macro_ids.h"
#include "macro/macro_page.h"

namespace {

// The core library's view directions: 0 from above, 1 front, 2 side, 3 the view the drawing
// had before the dialog.
constexpr int kViewTop = 0, kViewFront = 1, kViewSide = 2, kViewBefore = 3;

int comboSelection(HWND dialog, int id) {
    return static_cast<int>(::SendDlgItemMessage(dialog, id, CB_GETCURSEL, 0, 0));
}

}  // namespace

BOOL CDlgMacro::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam), code = HIWORD(wParam);
    if (code == CBN_SELCHANGE && (id == IDC_MACRO_GROUP_FILTER || id == IDC_MACRO_SECOND_FILTER)) {
        filterChanged(id == IDC_MACRO_GROUP_FILTER);
        return TRUE;
    }
    if (code != BN_CLICKED) return CAcUiDialog::OnCommand(wParam, lParam);
    switch (id) {
    case IDC_MACRO_SELECT_OTHER: selectOtherMacros(); return TRUE;
    case IDC_MACRO_VIEW_BEFORE: changeView(kViewBefore); return TRUE;
    case IDC_MACRO_VIEW_TOP: changeView(kViewTop); return TRUE;
    case IDC_MACRO_VIEW_FRONT: changeView(kViewFront); return TRUE;
    case IDC_MACRO_VIEW_SIDE: changeView(kViewSide); return TRUE;
    case IDC_MACRO_CLASH:
        kvmacro::clashSetStatus(::IsDlgButtonChecked(m_hWnd, IDC_MACRO_CLASH) == BST_CHECKED);
        return TRUE;
    case IDC_MACRO_APPLY_AGAIN: applyAgain(); return TRUE;
    case IDC_MACRO_LOAD_VALUES: loadValues(); return TRUE;
    case IDC_MACRO_SAVE_VALUES: saveValues(); return TRUE;
    default: return CAcUiDialog::OnCommand(wParam, lParam);
    }
}

void CDlgMacro::OnOK() { closeDialog(); }
void CDlgMacro::OnCancel() { closeDialog(); }
void CDlgMacro::OnClose() { closeDialog(); }

Kv_String CDlgMacro::currentModuleName() const {
    return macro.tabs.isValidIndex(currentPage_) ? macro.tabs[currentPage_].moduleName : Kv_String();
}

void CDlgMacro::closeDialog() {
    if (closing_) return;
    closing_ = true;
    if (macro.tabs.isValidIndex(currentPage_)) kvmacro::changeView(macro, currentModuleName(), kViewBefore);
    macro.closedByDialog = true;
    if (modelessId >= 0) {
        // The handler that asked (and the page's, around it) still runs on this object: the
        // end comes once they have returned, and the number stays taken until then.
        PostMessage(kEndModelessMessage);
        return;
    }
    acedPostCommandPrompt();
    EndDialog(IDOK);
}

void CDlgMacro::runClashCheck() { kvmacro::clashcheck(modelessId, macro.ids); }

void CDlgMacro::applyAllPages() {
    for (auto& page : pages_) {
        if (!page) continue;
        const int index = page->tabIndex();
        const MacroTabData before = macro.tabs[index];
        page->readBack();
        MacroChanges changes;
        kvmacro::tabDifferences(macro.tabs[index], before, changes);
        if (!changes.empty()) kvmacro::updateModule(macro.tabs[index].moduleName, macro, changes);
    }
    runClashCheck();
}

void CDlgMacro::filterChanged(bool groupFilter) {
    macro.groupIndex = comboSelection(m_hWnd, IDC_MACRO_GROUP_FILTER);
    macro.filterIndex = comboSelection(m_hWnd, IDC_MACRO_SECOND_FILTER);
    kvmacro::updateAllFilterModified(macro, groupFilter);
    buildPages();
    fillTitleAndFilters();
    fitToPages();
}

void CDlgMacro::selectOtherMacros() {
    // The drawing takes the input while the person picks; the dialog comes back afterwards
    // whatever they did.
    BeginEditorCommand();
    const bool picked = kvmacro::selectOtherMacros(macro);
    CompleteEditorCommand();
    if (!picked) return;
    buildPages();
    fillTitleAndFilters();
    kvmacro::clashResetInfo(modelessId, macro.ids);
    fitToPages();
}

void CDlgMacro::changeView(int direction) {
    if (!macro.tabs.isValidIndex(currentPage_)) return;
    kvmacro::changeView(macro, currentModuleName(), direction);
}

void CDlgMacro::applyAgain() {
    if (kvmacro::reApply(macro)) closeDialog();
}

namespace {

// Runs the filtered open and save dialog over the macro's value files; the chosen name (as the
// dialog gives it, without folder and extension) on OK.
bool askValuesFile(CWnd* parent, const MacroData& macro, bool save, Kv_String& chosen) {
    CDlgOpenSaveFiltered files(parent);
    files.saveMode = save ? 1 : 0;
    kvmacro::getPropFiles(macro, files.folder, files.extension, files.firstList, files.secondList);
    if (files.DoModal() != 1) return false;
    chosen = files.name;
    return true;
}

}  // namespace

void CDlgMacro::loadValues() {
    rememberFocus();
    Kv_String defaultName, chosen;
    if (!kvmacro::propListAllowed(macro, defaultName) || !askValuesFile(this, macro, false, chosen)) return;
    const MacroData before = macro;
    int errorCount = 0;
    kvmacro::readFromFile(macro, chosen, errorCount);
    MacroChanges changes;
    kvmacro::macroDifferences(macro, before, changes);
    if (errorCount != 0) {
        const Kv_String message = string(1507) + ".\n" + string(1508) + " " + Kv_String(errorCount) + " " +
                                  string(1509) + ".\n\n" + string(1510);
        ::MessageBox(m_hWnd, message.c_str(), macro.caption.c_str(), MB_OK | MB_ICONINFORMATION);
    }
    // Entries that a load drops are no change of the drawing.
    kvmacro::removeAll(changes.changedA, -12);
    kvmacro::setAllToMacro(macro, changes);
    refreshAllPages(false);
    runClashCheck();
}

void CDlgMacro::saveValues() {
    applyAllPages();
    Kv_String defaultName, chosen;
    if (!kvmacro::propListAllowed(macro, defaultName) || !askValuesFile(this, macro, true, chosen)) return;
    kvmacro::writeToFile(macro, chosen);
}

bool StartDlgMacro(MacroData& macro) {
    // The package opens the resource scope before it calls, and reads the record back however
    // the person closed the dialog: the drawing already follows every edit.
    return frame::launchModalDialog<CDlgMacro>(
        frame::LaunchRules{frame::ResourceScope::CallerProvides, frame::CopyBack::Always},
        [&](CDlgMacro& dialog) { dialog.macro = macro; }, [&](CDlgMacro& dialog) { macro = dialog.macro; });
}

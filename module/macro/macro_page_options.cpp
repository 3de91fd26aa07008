// CDlgMacroTabPage: the bolt and pattern option dialogs.  Both are live: each apply of the
// dialog stores its element in the page's tab and applies the tab like any option result.
// The page is read back before a dialog opens, so that the dialog and the comparison after
// each apply see what the person typed.
#include "macro/dlg_macro_bolt_options.h"
#include "macro/dlg_macro_pattern.h"
#include "macro/dlg_macro_tab_page.h"

void CDlgMacroTabPage::openBoltDialog() {
    readBack();
    MacroBoltData bolt = tab().bolt;
    openBoltOptions(this, bolt);
}

void CDlgMacroTabPage::applyBoltOptions(MacroBoltData& bolt) {
    const MacroTabData before = tab();
    tab().bolt = bolt;
    applyOptionResult(before);
    bolt = tab().bolt;
}

// The pattern `index` of the tab (none: nothing happens).
void CDlgMacroTabPage::openPatternDialog(int index) {
    if (!tab().patterns.isValidIndex(index)) return;
    readBack();
    MacroPatternProps pattern = tab().patterns[index];
    openPatternOptions(this, index, pattern);
}

void CDlgMacroTabPage::applyPatternOptions(int index, const MacroPatternProps& pattern) {
    if (!tab().patterns.isValidIndex(index)) return;
    const MacroTabData before = tab();
    tab().patterns[index] = pattern;
    applyOptionResult(before);
}

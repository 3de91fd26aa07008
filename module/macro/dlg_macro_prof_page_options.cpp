// CDlgMacroProfPage: the profile options of a group.  The options dialog applies every change
// at once through the page's callback: the group's merged properties are stored in the tab and
// the page applies them as any option result (the drawing, the clash check, every page
// refilled), so the drawing and the page follow the dialog.
#include "core/macro_profile_calls.h"
#include "macro/dlg_macro.h"
#include "macro/dlg_macro_prof_options.h"
#include "macro/dlg_macro_prof_page.h"

void CDlgMacroProfPage::openOptions(const Kv_String& group) {
    if (group.isEmpty() || !tab().getProfIdsOfGroup(group).length()) return;
    ProfOptionsRun run;
    run.data.groupName = group;
    run.data.moduleName = tab().moduleName;
    run.data.objectIds = tab().getProfIdsOfGroup(group);
    run.data.initDataClass(owner_->macro);
    run.owner = owner_;
    // The page's groups are the tab's: the dialog does not rename them.
    run.groupFixed = true;
    // The caller's start-up hint is used once.
    run.startHint = owner_->macro.openProfileHint;
    run.callback = [this, group](TwMACallBackType kind, const TwMACallBackData&, MacroProfData& prof) {
        if (kind == kMACallBackRead) return tab().getMergedPropsOfGroup(group, prof);
        if (kind != kMACallBackApply) return true;
        const MacroTabData before = tab();
        if (!tab().setMergedPropsOfGroup(group, prof)) return false;
        applyOptionResult(before);
        tab().getMergedPropsOfGroup(group, prof);
        return true;
    };
    runProfOptionsDialog(run);
    owner_->macro.openProfileHint.clear();
    if (!temporaryObject_.isNull()) {
        EraseObject(temporaryObject_);
        temporaryObject_ = AcDbObjectId();
    }
    owner_->refreshAllPages(true);
}

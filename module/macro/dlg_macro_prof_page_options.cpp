// CDlgMacroProfPage: the profile options of a group.  The options dialog applies every change
// to the drawing itself (through its built-in callback on the owner's macro); the page shows
// the result afterwards.
#include "core/macro_profile_calls.h"
#include "macro/dlg_macro.h"
#include "macro/dlg_macro_prof_page.h"

// PENDING: the options dialog's header.
bool StartDlgMacroProfAdv(MacroData& data, const Kv_String& moduleName, const Kv_String& group, bool groupFixed);

void CDlgMacroProfPage::openOptions(const Kv_String& group) {
    if (group.isEmpty()) return;
    // The caller's start-up hint reaches the dialog in the owner's macro and is used once.
    StartDlgMacroProfAdv(owner_->macro, tab().moduleName, group, false);
    owner_->macro.openProfileHint.clear();
    if (!temporaryObject_.isNull()) {
        EraseObject(temporaryObject_);
        temporaryObject_ = AcDbObjectId();
    }
    owner_->refreshAllPages(true);
}

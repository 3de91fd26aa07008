// The constraint editor's exported launchers: modal, modeless, and the end of the modeless one
// (EndDlgEditConstraints lives with the frame's tables and reaches the editor's endModeless).
#include "constraints/constraint_launchers.h"

#include "constraints/constraints_ids.h"
#include "constraints/dlg_edit_constraints.h"
#include "frame/dialog_launcher.h"
#include "frame/module_resource_scope.h"
#include "host/main_window.h"

bool StartDlgEditConstrModal(EditConstrData& data) {
    // Every edit has reached the drawing while the editor ran, so the record is not copied
    // back: after select another macro the editor's copy may even name another macro.
    return frame::launchModalDialog<DlgEditConstraints>(
        frame::LaunchRules{}, [&](DlgEditConstraints& editor) { editor.record = data; }, [](DlgEditConstraints&) {});
}

bool StartDlgEditConstraints(EditConstrData& data) {
    frame::ModuleResourceScope scope;
    if (frame::modelessConstraintEditor()) return true;
    CWnd* parent = host::mainWindow();
    auto* editor = new DlgEditConstraints(parent);
    editor->record = data;
    editor->modeless = true;
    if (!editor->Create(IDD_EDIT_CONSTRAINTS, parent)) {
        delete editor;
        return true;
    }
    frame::setModelessConstraintEditor(editor);
    editor->ShowWindow(SW_SHOW);
    if (parent) parent->SetFocus();
    return true;
}

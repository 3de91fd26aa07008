#include "constraints/editor_lifetime.h"

#include "constraints/dlg_edit_constraints.h"

namespace constraints {

namespace {
int handling = 0;
DlgEditConstraints* retired = nullptr;

void deleteRetired() {
    DlgEditConstraints* editor = retired;
    retired = nullptr;
    delete editor;
}
}  // namespace

HandlerScope::HandlerScope() { ++handling; }

HandlerScope::~HandlerScope() {
    if (--handling == 0 && retired) deleteRetired();
}

void deleteEditorWhenIdle(DlgEditConstraints* editor) {
    if (retired && retired != editor) deleteRetired();
    retired = editor;
    if (handling == 0) deleteRetired();
}

}  // namespace constraints

#pragma once
// When a modeless constraint editor may be deleted.  The editor closes itself from inside its
// own message handlers (its close button, Escape on a page), and the handlers further up the
// stack still belong to it; so the object goes only when the last of its handlers has returned.
// Every window of the editor counts the messages it is handling with a HandlerScope.

class DlgEditConstraints;

namespace constraints {

class HandlerScope {
public:
    HandlerScope();
    ~HandlerScope();
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;
};

// Deletes the editor now, or when the outermost handler returns.
void deleteEditorWhenIdle(DlgEditConstraints* editor);

}  // namespace constraints

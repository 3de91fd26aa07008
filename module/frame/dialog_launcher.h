#pragma once
// The one shape of every exported Start... function: open the resource scope, build the
// dialog on the stack without a parent (the host's main window then owns it), copy the
// caller's record and arguments in, run it modally, and copy back only when it ended with
// result 1 (OK).  The dialog is destroyed before the scope closes, on every path, so that its
// windows never outlive the module's resource order they were made under.
//
// The caller's record therefore changes all at once or not at all: the dialog works on its
// own copy and never sees the caller's object.  No exception leaves a launcher: a failure
// while copying or running counts as "not confirmed", is reported on the command line, and
// leaves the caller's record as it was.

#include <exception>
#include <optional>
#include <utility>

#include "frame/module_resource_scope.h"
#include "host/command_line.h"
#include "win/types.h"

namespace frame {

enum class ResourceScope {
    Open,            // the launcher opens the module's resource scope itself
    CallerProvides,  // the caller already did, or the dialog lives in the host's resources
};

enum class CopyBack {
    OnOk,    // the usual rule: copy back only on result 1
    Always,  // the modal macro dialog: its record is taken back however it closed
};

// Runs after the modal run whatever its result, before any copy back (an output flag that
// the caller receives also when the dialog was cancelled).
struct NothingAfterRun {
    template <typename Dialog>
    void operator()(Dialog&, INT_PTR) const {}
};

struct LaunchRules {
    ResourceScope scope = ResourceScope::Open;
    CopyBack copyBack = CopyBack::OnOk;
};

// Returns true when the dialog ended with result 1.  `copyIn(dialog)` fills the dialog from
// the caller's objects, `copyOut(dialog)` writes the dialog's results back to them; both run
// at most once.  `ctorArgs` go to the dialog's constructor.
template <typename Dialog, typename CopyIn, typename CopyOut, typename AfterRun = NothingAfterRun, typename... CtorArgs>
bool launchModalDialog(LaunchRules rules, CopyIn&& copyIn, CopyOut&& copyOut, AfterRun&& afterRun = {},
                       CtorArgs&&... ctorArgs) {
    try {
        std::optional<ModuleResourceScope> scope;
        if (rules.scope == ResourceScope::Open) scope.emplace();
        Dialog dialog(std::forward<CtorArgs>(ctorArgs)...);
        copyIn(dialog);
        const INT_PTR result = dialog.DoModal();
        afterRun(dialog, result);
        const bool confirmed = result == 1;
        if (confirmed || rules.copyBack == CopyBack::Always) copyOut(dialog);
        return confirmed;
        // `dialog` is destroyed here, then `scope` closes.
    } catch (const std::exception& failure) {
        acutPrintf("*Error* Dialog failed: %s\n", failure.what());
    } catch (...) {
        acutPrintf("*Error* Dialog failed.\n");
    }
    return false;
}

}  // namespace frame

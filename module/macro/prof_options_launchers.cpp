// The ways into the profile options: the profile page's run and the two exported launchers.
#include "core/macro_instances.h"
#include "core/macro_profile_calls.h"
#include "frame/dialog_launcher.h"
#include "macro/dlg_macro_prof_options.h"
#include "macro/prof_options_dialog.h"

namespace {

// The record form's callback: the group's merged properties of the macro copy the data owns;
// an apply writes them into every profile of the group and the drawing follows.
bool builtInCallback(TwMACallBackType kind, const TwMACallBackData& data, MacroProfData& prof) {
    MacroData* macro = data.macroData();
    if (!macro) return false;
    if (kind == kMACallBackRead) {
        macro->getMergedPropsOfGroup(data.moduleName, data.groupName, prof);
    } else if (kind == kMACallBackApply) {
        if (macro->setMergedPropsOfGroup(data.moduleName, data.groupName, prof)) {
            Kv_Array<int> changedA;
            changedA.append(MacroChange::kProfiles);
            UpdateModule(data.moduleName, *macro, changedA, Kv_Array<int>());
        }
        macro->getMergedPropsOfGroup(data.moduleName, data.groupName, prof);
    }
    return true;
}

void copyIn(CDlgMacroProfOptions& dialog, const ProfOptionsRun& run) {
    dialog.data = run.data;
    dialog.callback = run.callback;
    dialog.startHint = run.startHint;
    dialog.groupFixed = run.groupFixed;
    dialog.flag = run.flag;
}

void takeBack(const CDlgMacroProfOptions& dialog, ProfOptionsRun& run) {
    run.data = dialog.data;
    run.flag = dialog.flag;
    run.createdCoordSys = dialog.createdCoordSys;
}

}  // namespace

bool runProfOptionsDialog(ProfOptionsRun& run) {
    return frame::launchModalDialog<CDlgMacroProfOptions>(
        frame::LaunchRules{frame::ResourceScope::CallerProvides},
        [&](CDlgMacroProfOptions& dialog) { copyIn(dialog, run); }, [](CDlgMacroProfOptions&) {},
        [&](CDlgMacroProfOptions& dialog, INT_PTR) { takeBack(dialog, run); }, run.owner);
}

void StartDlgMacroProfAdv(MacroData& data, const Kv_String& moduleName, const Kv_String& group, bool groupFixed) {
    ProfOptionsRun run;
    run.data.groupName = group;
    run.data.moduleName = moduleName;
    run.data.initDataClass(data);
    run.callback = &builtInCallback;
    run.groupFixed = groupFixed;
    frame::launchModalDialog<CDlgMacroProfOptions>(
        frame::LaunchRules{frame::ResourceScope::CallerProvides},
        [&](CDlgMacroProfOptions& dialog) { copyIn(dialog, run); }, [](CDlgMacroProfOptions&) {},
        [&](CDlgMacroProfOptions& dialog, INT_PTR) { takeBack(dialog, run); });
    // The callback changed the data's copy: the caller's record takes it back, or its next
    // apply would undo what the drawing now shows.
    if (const MacroData* changed = run.data.macroData()) data = *changed;
    if (!data.tempObjects) return;
    // Only a single temporary object is the profile's; with none there is nothing to erase.
    if (data.tempIds.length() == 1) EraseObject(data.tempIds[0]);
    if (!run.createdCoordSys.isNull()) EraseObject(run.createdCoordSys);
}

void StartDlgMacroProfAdv(AcArray<AcDbObjectId>* ids, bool& flag, TwMACallBack callback) {
    if (!ids || ids->isEmpty()) return;
    ProfOptionsRun run;
    run.data.objectIds = *ids;
    if (callback) run.callback = callback;
    run.flag = flag;
    frame::launchModalDialog<CDlgMacroProfOptions>(
        frame::LaunchRules{frame::ResourceScope::Open}, [&](CDlgMacroProfOptions& dialog) { copyIn(dialog, run); },
        [](CDlgMacroProfOptions&) {}, [&](CDlgMacroProfOptions& dialog, INT_PTR) { takeBack(dialog, run); });
    flag = run.flag;
}

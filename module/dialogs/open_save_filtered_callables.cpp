// The filtered open and save dialog as a callable of the host program, so that a scenario can
// show it over a folder of its choice.
#include <nlohmann/json.hpp>

#include "core/kv_json.h"
#include "dialogs/dlg_open_save_filtered.h"
#include "frame/callable_adapter.h"
#include "frame/callable_exports.h"
#include "frame/dialog_launcher.h"
#include "frame/record_json.h"

namespace {

// Arguments: {"saveMode", "folder", "extension", "firstList", "secondList"}.
// Outputs: {"result": the dialog's result, "name", "firstList", "secondList"} (the lists lose
// the names whose files were deleted).
void openSaveFilteredDialog(const nlohmann::json& arguments, nlohmann::json& outputs) {
    // The arguments are read before the launch, so that a wrong one reaches the caller as an
    // error instead of a dialog failure on the command line.
    int saveMode = 0;
    Kv_String folder, extension, name;
    Kv_StringArray firstList, secondList;
    frame::RecordReader members(arguments, "OpenSaveFilteredDialog arguments");
    members.read("saveMode", saveMode);
    members.read("folder", folder);
    members.read("extension", extension);
    members.read("firstList", firstList);
    members.read("secondList", secondList);
    members.finish();
    int result = -1;  // a dialog that could not run
    frame::launchModalDialog<CDlgOpenSaveFiltered>(
        frame::LaunchRules{frame::ResourceScope::Open, frame::CopyBack::Always},
        [&](CDlgOpenSaveFiltered& dialog) {
            dialog.saveMode = saveMode;
            dialog.folder = folder;
            dialog.extension = extension;
            dialog.firstList = firstList;
            dialog.secondList = secondList;
        },
        // The lists lose deleted names however the dialog ended.
        [&](CDlgOpenSaveFiltered& dialog) {
            name = dialog.name;
            firstList = dialog.firstList;
            secondList = dialog.secondList;
        },
        [&](CDlgOpenSaveFiltered&, INT_PTR ended) { result = static_cast<int>(ended); });
    outputs["result"] = result;
    outputs["name"] = name;
    outputs["firstList"] = firstList;
    outputs["secondList"] = secondList;
}

const KvCallableRegistration registerOpenSaveFiltered(
    "OpenSaveFilteredDialog",
    "picks a file name of one folder from two name lists (resource 231); arguments saveMode, folder, extension, "
    "firstList, secondList",
    &frame::jsonAdapter<&openSaveFilteredDialog>);

}  // namespace

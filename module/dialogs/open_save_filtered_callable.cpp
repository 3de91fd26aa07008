// The filtered open and save dialog as a callable of the host program, so that a scenario can
// show it over a folder of its choice.
#include <nlohmann/json.hpp>

#include "core/kv_json.h"
#include "dialogs/dlg_open_save_filtered.h"
#include "frame/callable_adapter.h"
#include "frame/callable_exports.h"
#include "frame/module_resource_scope.h"
#include "frame/record_json.h"

namespace {

// Arguments: {"saveMode", "folder", "extension", "firstList", "secondList"}.
// Outputs: {"result": the dialog's result, "name", "firstList", "secondList"} (the lists lose
// the names whose files were deleted).
void openSaveFilteredDialog(const nlohmann::json& arguments, nlohmann::json& outputs) {
    frame::ModuleResourceScope scope;
    CDlgOpenSaveFiltered dialog;
    frame::RecordReader members(arguments, "OpenSaveFilteredDialog arguments");
    members.read("saveMode", dialog.saveMode);
    members.read("folder", dialog.folder);
    members.read("extension", dialog.extension);
    members.read("firstList", dialog.firstList);
    members.read("secondList", dialog.secondList);
    members.finish();
    outputs["result"] = static_cast<int>(dialog.DoModal());
    outputs["name"] = dialog.name;
    outputs["firstList"] = dialog.firstList;
    outputs["secondList"] = dialog.secondList;
}

const KvCallableRegistration registerOpenSaveFiltered(
    "OpenSaveFilteredDialog",
    "picks a file name of one folder from two name lists (resource 231); arguments saveMode, folder, extension, "
    "firstList, secondList",
    &frame::jsonAdapter<&openSaveFilteredDialog>);

}  // namespace

// The cut dialogs as callables of the host program.
//   StartDlgMacroCuts     {data} in, {result, escaped, data} out
//   StartEditProfCutsDlg  {data} in, {result, onlySelectedPreview} out (the record is not
//                         copied back: the dialog changes the drawing itself)
#include <nlohmann/json.hpp>

#include "frame/callable_adapter.h"
#include "frame/callable_exports.h"
#include "frame/module_frame.h"
#include "frame/record_json.h"
#include "macro/dlg_macro_cuts.h"
#include "macro/dlg_prof_cuts.h"

namespace {

void macroCutsDialog(const nlohmann::json& arguments, nlohmann::json& outputs) {
    DlgMacroCutsData data;
    frame::RecordReader members(arguments, "StartDlgMacroCuts arguments");
    if (const nlohmann::json* given = members.take("data")) data = given->get<DlgMacroCutsData>();
    members.finish();
    bool escaped = false;
    outputs["result"] = StartDlgMacroCuts(data, escaped);
    outputs["escaped"] = escaped;
    outputs["data"] = data;
}

void profCutsDialog(const nlohmann::json& arguments, nlohmann::json& outputs) {
    DlgProfCutsData data;
    frame::RecordReader members(arguments, "StartEditProfCutsDlg arguments");
    if (const nlohmann::json* given = members.take("data")) data = given->get<DlgProfCutsData>();
    members.finish();
    outputs["result"] = StartEditProfCutsDlg(data);
    outputs["onlySelectedPreview"] = frame::profCutsRememberedFlag();
}

const KvCallableRegistration registerMacroCutsDialog(
    "StartDlgMacroCuts",
    "creates or edits a cut between parts of a macro (resource 223); argument data (DlgMacroCutsData); "
    "returns result, escaped and the record",
    &frame::jsonAdapter<&macroCutsDialog>);

const KvCallableRegistration registerProfCutsDialog(
    "StartEditProfCutsDlg",
    "shows the cuts of a profile with previews in the drawing, deletes cuts (resource 235); argument data "
    "(DlgProfCutsData: profileId, selectedCut); returns result and the remembered onlySelectedPreview",
    &frame::jsonAdapter<&profCutsDialog>);

}  // namespace

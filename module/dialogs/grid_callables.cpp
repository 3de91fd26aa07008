// The grid and levels dialogs as callables of the host program: {data} in, {result, data} out,
// the record afterwards unchanged unless the person confirmed.
#include <nlohmann/json.hpp>

#include "dialogs/dlg_grid.h"
#include "dialogs/dlg_levels.h"
#include "frame/callable_adapter.h"
#include "frame/callable_exports.h"
#include "frame/record_json.h"

namespace {

void gridDialog(const nlohmann::json& arguments, nlohmann::json& outputs) {
    TwGridDlgData data;
    frame::RecordReader members(arguments, "StartDlgGrid arguments");
    if (const nlohmann::json* given = members.take("data")) data = given->get<TwGridDlgData>();
    members.finish();
    outputs["result"] = StartDlgGrid(data);
    outputs["data"] = data;
}

const KvCallableRegistration registerGridDialog(
    "StartDlgGrid", "edits the structural grid's two axis series (resource 242); argument data (TwGridDlgData)",
    &frame::jsonAdapter<&gridDialog>);

void levelsDialog(const nlohmann::json& arguments, nlohmann::json& outputs) {
    TwLevelsDlgData data;
    frame::RecordReader members(arguments, "StartDlgLevels arguments");
    if (const nlohmann::json* given = members.take("data")) data = given->get<TwLevelsDlgData>();
    members.finish();
    outputs["result"] = StartDlgLevels(data);
    outputs["data"] = data;
}

const KvCallableRegistration registerLevelsDialog(
    "StartDlgLevels",
    "edits the drawing's levels: names, reference levels, values and heights (resource 243); argument data "
    "(TwLevelsDlgData)",
    &frame::jsonAdapter<&levelsDialog>);

}  // namespace

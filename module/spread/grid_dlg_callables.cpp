// The callable export of the grid dialog, for programs that load the module by name.
//
// Arguments: {"colNames": [...], "rowNames": [...], "rows": [[...], ...], "canAddRemove": bool,
// "dlgName": "...", "title": "..."}; outputs {"result": bool, "rows": the rows afterwards}.
#include <nlohmann/json.hpp>

#include "core/kv_json.h"
#include "frame/callable_adapter.h"
#include "frame/callable_exports.h"
#include "frame/record_json.h"
#include "spread/grid_dlg.h"

namespace {

void gridDialog(const nlohmann::json& arguments, nlohmann::json& outputs) {
    Kv_StringArray colNames, rowNames;
    Kv_Array<Kv_StringArray> rows;
    bool canAddRemove = false;
    Kv_String dlgName, title;
    frame::RecordReader members(arguments, "startGridDialog arguments");
    members.read("colNames", colNames);
    members.read("rowNames", rowNames);
    if (const nlohmann::json* given = members.take("rows")) rows = given->get<Kv_Array<Kv_StringArray>>();
    members.read("canAddRemove", canAddRemove);
    members.read("dlgName", dlgName);
    members.read("title", title);
    members.finish();
    outputs["result"] = startGridDialog(colNames, rowNames, rows, canAddRemove, dlgName, title);
    outputs["rows"] = rows;
}

const KvCallableRegistration registerGridDialog(
    "startGridDialog",
    "edits string rows in the grid (resource 208); arguments colNames, rowNames, rows, canAddRemove, dlgName, title",
    &frame::jsonAdapter<&gridDialog>);

}  // namespace

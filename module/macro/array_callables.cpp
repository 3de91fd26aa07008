// The array dialog as a callable of the host program.
//   StartArrayDlg  {data, ids, moduleName} in, {result, data} out
#include <string>

#include <nlohmann/json.hpp>

#include "frame/callable_adapter.h"
#include "frame/callable_exports.h"
#include "frame/record_json.h"
#include "macro/dlg_macro_array.h"

namespace {

void arrayDialog(const nlohmann::json& arguments, nlohmann::json& outputs) {
    DynArrayData data;
    AcArray<AcDbObjectId> ids;
    Kv_String moduleName;
    frame::RecordReader members(arguments, "StartArrayDlg arguments");
    if (const nlohmann::json* given = members.take("data")) data = given->get<DynArrayData>();
    members.read("ids", ids);
    if (const nlohmann::json* given = members.take("moduleName")) {
        if (!given->is_string()) members.fail("field \"moduleName\" must be a text");
        moduleName = Kv_String(given->get<std::string>());
    }
    members.finish();
    outputs["result"] = StartArrayDlg(data, ids, moduleName);
    outputs["data"] = data;
}

const KvCallableRegistration registerArrayDialog(
    "StartArrayDlg",
    "edits a dynamic array of a macro: type, dimensions, values, options and entries (resource 236); arguments "
    "data (DynArrayData), ids (the macro instances, to list valid dimension names) and moduleName; returns "
    "result and the record",
    &frame::jsonAdapter<&arrayDialog>);

}  // namespace

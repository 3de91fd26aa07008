// The cutting-stock dialog as a callable of the host program: {data} in, {result, data} out,
// the record afterwards unchanged unless the person confirmed.
#include <nlohmann/json.hpp>

#include "core/records/dlg_csp2_data.h"
#include "cutting/dlg_csp2.h"
#include "frame/callable_adapter.h"
#include "frame/callable_exports.h"
#include "frame/record_json.h"

namespace {

// Arguments: {"data": the record's JSON form}; outputs {"result": bool, "data": the record
// afterwards (unchanged unless confirmed)}.
void cuttingStockDialog(const nlohmann::json& arguments, nlohmann::json& outputs) {
    DlgCSP2Data data;
    frame::RecordReader members(arguments, "StartDlgCSP2 arguments");
    if (const nlohmann::json* given = members.take("data")) data = given->get<DlgCSP2Data>();
    members.finish();
    outputs["result"] = StartDlgCSP2(data);
    outputs["data"] = data;
}

const KvCallableRegistration registerCuttingStockDialog(
    "StartDlgCSP2", "edits the cutting-stock sets and their stock and purchase files (resource 8122); argument data",
    &frame::jsonAdapter<&cuttingStockDialog>);

}  // namespace

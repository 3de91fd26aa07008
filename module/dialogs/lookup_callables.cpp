// The look-up dialog as a callable of the host program: {data} in, {result, data} out, the
// record afterwards unchanged unless the person confirmed (OK or "Show All").
#include <nlohmann/json.hpp>

#include "dialogs/dlg_look_up.h"
#include "frame/callable_adapter.h"
#include "frame/callable_exports.h"
#include "frame/record_json.h"

namespace {

void lookUpDialog(const nlohmann::json& arguments, nlohmann::json& outputs) {
    TwLookUpDlgData data;
    frame::RecordReader members(arguments, "StartDlgLookUp arguments");
    if (const nlohmann::json* given = members.take("data")) data = given->get<TwLookUpDlgData>();
    members.finish();
    outputs["result"] = StartDlgLookUp(data);
    outputs["data"] = data;
}

const KvCallableRegistration registerLookUpDialog(
    "StartDlgLookUp",
    "edits five look-up criteria with their proposals, two choices, two options and a flag (resource 244); "
    "argument data (TwLookUpDlgData); resultCode 2 after \"Show All\"",
    &frame::jsonAdapter<&lookUpDialog>);

}  // namespace

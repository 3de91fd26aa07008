// The cladding settings and profile features dialogs as callables of the host program: {data}
// in, {result, data} out, the record afterwards unchanged unless the person confirmed.
#include <nlohmann/json.hpp>

#include "dialogs/dlg_cladding_settings.h"
#include "dialogs/dlg_prof_features.h"
#include "frame/callable_adapter.h"
#include "frame/callable_exports.h"
#include "frame/record_json.h"

namespace {

template <typename Record, bool (*Start)(Record&)>
void recordDialog(const nlohmann::json& arguments, nlohmann::json& outputs, const char* what) {
    Record data;
    frame::RecordReader members(arguments, what);
    if (const nlohmann::json* given = members.take("data")) data = given->get<Record>();
    members.finish();
    outputs["result"] = Start(data);
    outputs["data"] = data;
}

void claddingDialog(const nlohmann::json& arguments, nlohmann::json& outputs) {
    recordDialog<TwCladdingDlgData, &StartDlgCladdingSettings>(arguments, outputs,
                                                               "StartDlgCladdingSettings arguments");
}

void profFeaturesDialog(const nlohmann::json& arguments, nlohmann::json& outputs) {
    recordDialog<DlgProfFeaturesData, &StartDlgProfFeatures>(arguments, outputs, "StartDlgProfFeatures arguments");
}

const KvCallableRegistration registerCladdingDialog(
    "StartDlgCladdingSettings",
    "edits one cladding purlin: profile, two choices, a value, a flag and its end constraints (resource 252); "
    "argument data (TwCladdingDlgData)",
    &frame::jsonAdapter<&claddingDialog>);

const KvCallableRegistration registerProfFeaturesDialog(
    "StartDlgProfFeatures",
    "a form of a profile and up to four rows the caller labels (resource 241); argument data (DlgProfFeaturesData)",
    &frame::jsonAdapter<&profFeaturesDialog>);

}  // namespace

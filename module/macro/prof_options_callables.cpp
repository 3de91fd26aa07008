// The profile options as callables of the host program.
//   StartDlgMacroProfAdv     {record (MacroData), module, group, groupFixed} in, {record} out:
//                            the record form, with its built-in callback; the record as the
//                            launcher gave it back.
//   StartDlgMacroProfAdvIds  {ids, flag, profile (MacroProfData)} in, {calls, flag} out: the ids
//                            form with a callback that answers `profile` at kind 0 and keeps
//                            each call (kind, data, profile) in order.
#include <vector>

#include <nlohmann/json.hpp>

#include "frame/callable_adapter.h"
#include "frame/callable_exports.h"
#include "frame/module_resource_scope.h"
#include "frame/record_json.h"
#include "macro/dlg_macro_prof_options.h"

namespace {

void recordForm(const nlohmann::json& arguments, nlohmann::json& outputs) {
    MacroData record;
    Kv_String module, group;
    bool groupFixed = false;
    frame::RecordReader reader(arguments, "StartDlgMacroProfAdv arguments");
    reader.readChecked("record", record, "a MacroData object", [](const nlohmann::json& m) { return m.is_object(); });
    reader.read("module", module);
    reader.read("group", group);
    reader.read("groupFixed", groupFixed);
    reader.finish();
    {
        // The record form leaves the resource scope to its caller, as the package opens it.
        frame::ModuleResourceScope scope;
        StartDlgMacroProfAdv(record, module, group, groupFixed);
    }
    outputs["record"] = record;
}

// The scenario's callback: a plain function, as the ids form takes, so its state lies here for
// the one call that runs.
struct ScenarioCallback {
    MacroProfData answer;
    nlohmann::json calls = nlohmann::json::array();
};
ScenarioCallback* running = nullptr;

bool scenarioCallback(TwMACallBackType kind, const TwMACallBackData& data, MacroProfData& prof) {
    if (!running) return false;
    if (kind == kMACallBackRead) prof = running->answer;
    running->calls.push_back({{"kind", static_cast<int>(kind)}, {"data", data}, {"profile", prof}});
    return true;
}

void idsForm(const nlohmann::json& arguments, nlohmann::json& outputs) {
    AcArray<AcDbObjectId> ids;
    bool flag = false;
    ScenarioCallback callback;
    frame::RecordReader reader(arguments, "StartDlgMacroProfAdvIds arguments");
    reader.read("ids", ids);
    reader.read("flag", flag);
    reader.readChecked("profile", callback.answer, "a MacroProfData object",
                       [](const nlohmann::json& m) { return m.is_object(); });
    reader.finish();
    running = &callback;
    StartDlgMacroProfAdv(&ids, flag, &scenarioCallback);
    running = nullptr;
    outputs["calls"] = callback.calls;
    outputs["flag"] = flag;
}

const KvCallableRegistration registerRecordForm(
    "StartDlgMacroProfAdv",
    "the profile options (resource 220) of a group's merged profile properties, every change written into the "
    "drawing: record (MacroData), module, group, groupFixed; returns the record",
    &frame::jsonAdapter<&recordForm>);

const KvCallableRegistration registerIdsForm(
    "StartDlgMacroProfAdvIds",
    "the profile options (resource 220) for profile ids with a caller's callback: ids, flag (shows check box "
    "1257), profile (what the callback answers at kind 0); returns every callback call in order and the flag",
    &frame::jsonAdapter<&idsForm>);

}  // namespace

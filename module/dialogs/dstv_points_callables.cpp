// The DSTV point group dialog as a callable of the host program.  It takes no arguments and
// hands nothing back, so the outputs show what it left on disk: the group names, the standard
// group and each group's points (null for a group that cannot be read).
#include <nlohmann/json.hpp>

#include "core/kv_json.h"
#include "core/records/dlg_dstv_points.h"
#include "dialogs/dlg_dstv_groups.h"
#include "frame/callable_adapter.h"
#include "frame/callable_exports.h"
#include "frame/record_json.h"

namespace {

void dstvPointsDialog(const nlohmann::json& arguments, nlohmann::json& outputs) {
    frame::RecordReader members(arguments, "StartDSTVPointsDlg arguments");
    members.finish();
    StartDSTVPointsDlg();
    Kv_StringArray names;
    DlgDstvPoints::getAllDstvPointsFiles(names);
    outputs["groups"] = names;
    outputs["standard"] = DlgDstvPoints::getStandardDstvPointsFile();
    nlohmann::json points = nlohmann::json::object();
    for (const Kv_String& name : names) {
        Kv_DstvPointArray read;
        const std::string key = nlohmann::json(name).get<std::string>();  // JSON keys are UTF-8
        points[key] = DlgDstvPoints::readFromFile(name, read) ? nlohmann::json(read) : nlohmann::json();
    }
    outputs["points"] = points;
}

const KvCallableRegistration registerDstvPointsDialog(
    "StartDSTVPointsDlg",
    "creates, deletes, edits and activates the DSTV point groups of the library (resources 234 and 233); no "
    "arguments; outputs the groups, the standard group and each group's points afterwards",
    &frame::jsonAdapter<&dstvPointsDialog>);

}  // namespace

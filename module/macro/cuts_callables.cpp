// The cut dialogs as callables of the host program.
//   StartDlgMacroCuts     {data} in, {result, escaped, data} out
//   StartEditProfCutsDlg  {data} in, {result, onlySelectedPreview} out (the record is not
//                         copied back: the dialog changes the drawing itself)
//   DrawingAddObject      {type, properties} in, {id} out: puts a macro, a profile or a cut
//                         into the host's drawing, as the package does before it opens these
//                         dialogs on them
#include <string>

#include <nlohmann/json.hpp>

#include "frame/callable_adapter.h"
#include "host/drawing_database.h"
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

void addDrawingObject(const nlohmann::json& arguments, nlohmann::json& outputs) {
    frame::RecordReader members(arguments, "DrawingAddObject arguments");
    std::string type;
    host::PropertyMap properties;
    if (const nlohmann::json* given = members.take("type")) {
        if (!given->is_string() || given->get<std::string>().empty()) members.fail("field \"type\" must be a text");
        type = given->get<std::string>();
    } else {
        members.fail("field \"type\" is missing");
    }
    if (const nlohmann::json* given = members.take("properties")) {
        if (!given->is_object()) members.fail("field \"properties\" must be an object");
        for (const auto& [name, value] : given->items()) {
            if (value.is_string())
                properties[name] = value.get<std::string>();
            else if (value.is_number_integer())
                properties[name] = value.get<long long>();
            else if (value.is_number())
                properties[name] = value.get<double>();
            else
                members.fail("property \"" + name + "\" must be a text or a number");
        }
    }
    members.finish();
    outputs["id"] = host::DrawingDatabase::instance().addObject(type, properties).asOldId();
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

const KvCallableRegistration registerDrawingAddObject(
    "DrawingAddObject",
    "puts an object into the host's drawing (a \"Macro\" with its \"modules\", a \"Profile\", a \"ProfileCut\" "
    "with its \"profile\" and \"description\", a \"MacroCut\" with its \"macro\" and \"name\"); arguments type "
    "and properties (texts and numbers); returns the new object's id",
    &frame::jsonAdapter<&addDrawingObject>);

}  // namespace

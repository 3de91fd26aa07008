// The constraint editor as callables of the host program.  Arguments: "record" (an
// EditConstrData) and/or "drawing" (a drawing file, a package path; a relative one is taken
// from the library folder).  A drawing is opened first: the drawing database and the macro
// model start afresh from the file, and the record shows its first macro's first module; a
// record given with it chooses only currentModule and currentConstraintId, and the arrays come
// from the drawing.  Without a drawing the record is used as given.
// Outputs: "result" and "record" (the caller's record after the call).
#include <nlohmann/json.hpp>

#include "constraints/constraint_launchers.h"
#include "core/constraint_editor_calls.h"
#include "core/kv_settings.h"
#include "core/macro_model.h"
#include "core/records/edit_constr_data.h"
#include "frame/callable_adapter.h"
#include "frame/callable_exports.h"
#include "frame/modeless_tables.h"
#include "frame/record_json.h"
#include "host/drawing_database.h"

namespace {

using nlohmann::json;

[[noreturn]] void refuse(const std::string& reason) { throw json::type_error::create(302, reason, nullptr); }

Kv_String drawingPath(const Kv_String& given) {
    const char first = given.isEmpty() ? '\0' : given.c_str()[0];
    if (first == '/' || first == '\\') return given;
    return Kv_Settings::libDir() + given;
}

EditConstrData readArguments(const json& arguments, const char* function) {
    frame::RecordReader members(arguments, std::string(function) + " arguments");
    Kv_String drawing;
    members.read("drawing", drawing);
    const json* given = members.take("record");
    members.finish();
    EditConstrData record;
    if (given) record = given->get<EditConstrData>();
    if (drawing.isEmpty()) return record;

    host::DrawingDatabase::instance().reset();
    macro_model::Drawing::instance().clear();
    std::string error;
    if (!macro_model::Drawing::instance().load(drawingPath(drawing), error)) refuse(error);
    // The log tells what the editor did, not how the drawing was built.
    host::DrawingDatabase::instance().clearLog();
    const macro_model::Macro& macro = macro_model::Drawing::instance().macros().front();
    EditConstrData filled;
    filled.macroId = macro.id;
    filled.currentModule = macro.modules.front().name;
    if (given && given->contains("currentModule")) filled.currentModule = record.currentModule;
    if (given && given->contains("currentConstraintId")) filled.currentConstraintId = record.currentConstraintId;
    FillEditConstrData(&filled);
    return filled;
}

void editConstraintsModal(const json& arguments, json& outputs) {
    EditConstrData record = readArguments(arguments, "StartDlgEditConstrModal");
    outputs["result"] = StartDlgEditConstrModal(record);
    outputs["record"] = record;
}

void editConstraintsModeless(const json& arguments, json& outputs) {
    EditConstrData record = readArguments(arguments, "StartDlgEditConstraints");
    outputs["result"] = StartDlgEditConstraints(record);
    outputs["record"] = record;
}

void endEditConstraints(const json& arguments, json& outputs) {
    frame::RecordReader members(arguments, "EndDlgEditConstraints arguments");
    members.finish();
    EndDlgEditConstraints();
    outputs["result"] = nullptr;
}

const KvCallableRegistration registerModal(
    "StartDlgEditConstrModal",
    "the constraint editor, modal (resource 8715); arguments record (EditConstrData) and/or drawing (a drawing "
    "file in the library folder, e.g. \"Drawings\\\\base_plate.kvdrawing\", opened first)",
    &frame::jsonAdapter<&editConstraintsModal>);
const KvCallableRegistration registerModeless(
    "StartDlgEditConstraints",
    "the constraint editor, modeless (resource 8715; one at a time); arguments record and/or drawing as for "
    "StartDlgEditConstrModal",
    &frame::jsonAdapter<&editConstraintsModeless>);
const KvCallableRegistration registerEnd("EndDlgEditConstraints", "closes the modeless constraint editor; no arguments",
                                         &frame::jsonAdapter<&endEditConstraints>);

}  // namespace

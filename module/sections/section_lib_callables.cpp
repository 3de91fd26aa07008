// The library editors as callables of the host program.
#include <nlohmann/json.hpp>

#include "core/kv_json.h"
#include "core/records/dlg_edit_lib_data.h"
#include "frame/callable_adapter.h"
#include "frame/callable_exports.h"
#include "frame/record_json.h"
#include "sections/dlg_edit_lib_sections.h"
#include "sections/dlg_edit_lib_simple.h"
#include "sections/prof_values_table_json.h"

namespace {

// Arguments: {"data": DlgEditLibData, "profileName"}.  Outputs: {"result", "data"}.
void editLibSectionsCallable(const nlohmann::json& arguments, nlohmann::json& outputs) {
    DlgEditLibData data;
    Kv_String profileName;
    frame::RecordReader members(arguments, "StartDlgEditLibSections arguments");
    if (const nlohmann::json* given = members.take("data")) data = given->get<DlgEditLibData>();
    members.read("profileName", profileName);
    members.finish();
    outputs["result"] = StartDlgEditLibSections(data, profileName);
    outputs["data"] = data;
}

// Arguments: {"systemName", "table": a table's JSON form, or "tableFile": a table file of the
// library's "prof\" folder ("SHS.pr")}.  Outputs: {"result", "index", "table"}.
void editLibSimpleCallable(const nlohmann::json& arguments, nlohmann::json& outputs) {
    Kv_String systemName;
    Kv_String tableFile;
    Kv_ProfValuesTable table;
    frame::RecordReader members(arguments, "StartDlgEditLibSimple arguments");
    members.read("systemName", systemName);
    const nlohmann::json* given = members.take("table");
    if (given) table = given->get<Kv_ProfValuesTable>();
    members.read("tableFile", tableFile);
    members.finish();
    if (given && !tableFile.isEmpty()) members.fail("give either \"table\" or \"tableFile\", not both");
    if (!tableFile.isEmpty() && !table.readFromFile(tableFile))
        members.fail("the table file \"" + tableFile.str() + "\" cannot be read");
    int index = -1;
    outputs["result"] = StartDlgEditLibSimple(systemName, table, index);
    outputs["index"] = index;
    outputs["table"] = table;
}

const KvCallableRegistration registerEditLibSections(
    "StartDlgEditLibSections",
    "edits the section groups, types and library files (resource 209); arguments data, profileName",
    &frame::jsonAdapter<&editLibSectionsCallable>);
const KvCallableRegistration registerEditLibSimple(
    "StartDlgEditLibSimple",
    "adds one size to a section table (resource 226); arguments systemName, table or tableFile",
    &frame::jsonAdapter<&editLibSimpleCallable>);

}  // namespace

// The section pickers as callables of the host program: choosing a section through the section
// selection dialog, and listing a family table as a section combo box shows it.
#include <nlohmann/json.hpp>

#include "core/kv_json.h"
#include "frame/callable_adapter.h"
#include "frame/callable_exports.h"
#include "frame/module_resource_scope.h"
#include "frame/record_json.h"
#include "sections/section_pickers.h"

namespace {

// Arguments: {"name": the section to start from}.  Outputs: {"result", "name"}.
void chooseSectionCallable(const nlohmann::json& arguments, nlohmann::json& outputs) {
    frame::ModuleResourceScope scope;
    Kv_String name;
    frame::RecordReader members(arguments, "ChooseSection arguments");
    members.read("name", name);
    members.finish();
    outputs["result"] = chooseSection(name);
    outputs["name"] = name;
}

// Arguments: {"name": a listed section or a table name}.  Outputs: {"systemNames",
// "displayNames"} as a section combo box lists them.
void sectionTableEntriesCallable(const nlohmann::json& arguments, nlohmann::json& outputs) {
    Kv_String name;
    frame::RecordReader members(arguments, "SectionTableEntries arguments");
    members.read("name", name);
    members.finish();
    Kv_StringArray displayNames;
    outputs["systemNames"] = sectionTableEntries(name, displayNames);
    outputs["displayNames"] = displayNames;
}

const KvCallableRegistration registerChooseSection("ChooseSection",
                                                   "chooses a section in the section selection dialog; arguments name",
                                                   &frame::jsonAdapter<&chooseSectionCallable>);
const KvCallableRegistration registerSectionTableEntries(
    "SectionTableEntries", "lists the active sizes of a section family table; arguments name",
    &frame::jsonAdapter<&sectionTableEntriesCallable>);

}  // namespace

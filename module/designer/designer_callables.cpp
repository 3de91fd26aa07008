// The designer's callable exports for programs that load the module by name:
// GetImageDlgCtrlNames {"templateFile": "..."} gives {"result": null, "names": [...]};
// StartDlgDesigner {"templateFile": "..."} gives {"result": bool, "templateName": the name of
// the template the designer was left with}; with neither argument the designer opens empty.
// A scenario cannot know where the library folder lies, so it may name the template instead:
// {"templateName": "sub\\name"} stands for the template folder + name + ".txt".
#include <nlohmann/json.hpp>

#include "core/kv_json.h"
#include "designer/dlg_designer.h"
#include "designer/kv_dlg_designer_data.h"
#include "frame/callable_adapter.h"
#include "frame/callable_exports.h"
#include "frame/record_json.h"

namespace {

// The template file named by the arguments: a full path, or a name below the template folder.
Kv_String templateFileOf(const nlohmann::json& arguments) {
    Kv_String templateFile;
    Kv_String templateName;
    frame::RecordReader reader(arguments, "arguments");
    reader.read("templateFile", templateFile);
    reader.read("templateName", templateName);
    reader.finish();
    if (templateFile.isEmpty() && !templateName.isEmpty())
        templateFile = getDesignerRootFolder() + templateName + ".txt";
    return templateFile;
}

void getImageDlgCtrlNamesAdapter(const nlohmann::json& arguments, nlohmann::json& outputs) {
    const Kv_String templateFile = templateFileOf(arguments);
    Kv_StringArray names;
    GetImageDlgCtrlNames(templateFile, names);
    outputs["result"] = nullptr;
    outputs["names"] = names;
}

const KvCallableRegistration registerGetImageDlgCtrlNames(
    "GetImageDlgCtrlNames",
    "lists the variable names of a template: {\"templateFile\": path} or {\"templateName\": name}",
    frame::jsonAdapter<getImageDlgCtrlNamesAdapter>);

void startDlgDesignerAdapter(const nlohmann::json& arguments, nlohmann::json& outputs) {
    const Kv_String templateFile = templateFileOf(arguments);
    Kv_String leftName;
    outputs["result"] = runDlgDesigner(templateFile, leftName);
    outputs["templateName"] = leftName;
}

const KvCallableRegistration registerStartDlgDesigner(
    "StartDlgDesigner",
    "lays out a dialog template in the designer (resource 227): {\"templateFile\": path}, {\"templateName\": name} or "
    "neither for an empty designer",
    frame::jsonAdapter<startDlgDesignerAdapter>);

}  // namespace

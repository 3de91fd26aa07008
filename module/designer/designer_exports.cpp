// The designer's callable export for programs that load the module by name:
// GetImageDlgCtrlNames {"templateFile": "..."} gives {"result": null, "names": [...]}.
// A scenario cannot know where the library folder lies, so it may name the template instead:
// {"templateName": "sub\\name"} stands for the template folder + name + ".txt".
#include <nlohmann/json.hpp>

#include "core/kv_json.h"
#include "designer/kv_dlg_designer_data.h"
#include "frame/callable_adapter.h"
#include "frame/callable_exports.h"
#include "frame/record_json.h"

namespace {

void getImageDlgCtrlNamesAdapter(const nlohmann::json& arguments, nlohmann::json& outputs) {
    Kv_String templateFile;
    Kv_String templateName;
    frame::RecordReader reader(arguments, "arguments");
    reader.read("templateFile", templateFile);
    reader.read("templateName", templateName);
    reader.finish();
    if (templateFile.isEmpty() && !templateName.isEmpty()) templateFile = getDesignerRootFolder() + templateName + ".txt";
    Kv_StringArray names;
    GetImageDlgCtrlNames(templateFile, names);
    outputs["result"] = nullptr;
    outputs["names"] = names;
}

const KvCallableRegistration registerGetImageDlgCtrlNames(
    "GetImageDlgCtrlNames", "lists the variable names of a template: {\"templateFile\": path} or {\"templateName\": name}",
    frame::jsonAdapter<getImageDlgCtrlNamesAdapter>);

}  // namespace

// The macro input dialog as a callable of the host program: {"macro": MacroData} in,
// {"result": bool, "record": the MacroData the dialog gave back} out.  A scenario cannot know
// where the library folder lies, so a tab's template may be named as below the template
// folder ("Base Plate", "Connections\\End Plate"); a name without ".txt" is completed to the
// template folder + name + ".txt" for the dialog and given back as it was named.
#include <nlohmann/json.hpp>

#include "core/kv_json.h"
#include "designer/kv_dlg_designer_data.h"
#include "frame/callable_adapter.h"
#include "frame/callable_exports.h"
#include "frame/module_resource_scope.h"
#include "frame/record_json.h"
#include "macro/dlg_macro.h"

namespace {

void startDlgMacroAdapter(const nlohmann::json& arguments, nlohmann::json& outputs) {
    MacroData macro;
    frame::RecordReader reader(arguments, "StartDlgMacro arguments");
    reader.readChecked("macro", macro, "a MacroData object",
                       [](const nlohmann::json& member) { return member.is_object(); });
    reader.finish();
    Kv_StringArray givenNames;
    for (MacroTabData& tab : macro.tabs) {
        givenNames.append(tab.templateFile);
        if (!tab.templateFile.isEmpty() && !tab.templateFile.endsWith(".txt", true))
            tab.templateFile = getDesignerRootFolder() + tab.templateFile + ".txt";
    }
    bool result = false;
    {
        // The package opens the module's resource scope around this call, as StartDlgMacro expects.
        frame::ModuleResourceScope scope;
        result = StartDlgMacro(macro);
    }
    outputs["result"] = result;
    for (int i = 0; i < macro.tabs.length() && i < givenNames.length(); ++i) macro.tabs[i].templateFile = givenNames[i];
    outputs["record"] = macro;
}

const KvCallableRegistration registerStartDlgMacro(
    "StartDlgMacro",
    "edits a macro in the macro input dialog (resource 8131), every edit applied to the drawing: {\"macro\": "
    "MacroData}; template names may be given below the template folder",
    frame::jsonAdapter<startDlgMacroAdapter>);

}  // namespace

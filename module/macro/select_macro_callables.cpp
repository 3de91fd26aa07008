// The macro selection dialog as a callable of the host program: {text, macroFiles, flags
// (optional), a, b, selected, otherChoice, option} in, {result, selected, otherChoice} out.
// Without flags the overload that offers every macro is called.
#include <nlohmann/json.hpp>

#include "frame/callable_adapter.h"
#include "frame/callable_exports.h"
#include "frame/record_json.h"
#include "macro/dlg_select_macro.h"

namespace {

void selectMacroDialog(const nlohmann::json& arguments, nlohmann::json& outputs) {
    frame::RecordReader members(arguments, "StartDlgSelectMacro arguments");
    Kv_String text, selected;
    Kv_StringArray macroFiles;
    int a = 0, b = 0;
    bool otherChoice = false, option = true;
    members.read("text", text);
    members.read("macroFiles", macroFiles);
    members.read("a", a);
    members.read("b", b);
    members.read("selected", selected);
    members.read("otherChoice", otherChoice);
    members.read("option", option);
    const nlohmann::json* flagsGiven = members.take("flags");
    AcArray<bool> flags;
    if (flagsGiven) {
        if (!flagsGiven->is_array()) members.fail("field \"flags\" must be an array of true or false");
        for (const nlohmann::json& flag : *flagsGiven) {
            if (!flag.is_boolean()) members.fail("field \"flags\" must be an array of true or false");
            flags.append(flag.get<bool>());
        }
    }
    members.finish();
    outputs["result"] = flagsGiven ? StartDlgSelectMacro(text, macroFiles, flags, a, b, selected, otherChoice, option)
                                   : StartDlgSelectMacro(text, macroFiles, a, b, selected, otherChoice, option);
    outputs["selected"] = selected;
    outputs["otherChoice"] = otherChoice;
}

const KvCallableRegistration registerSelectMacroDialog(
    "StartDlgSelectMacro",
    "offers macros as pictures with a filter on their properties (resource 8717); arguments text, macroFiles, "
    "flags (optional: per macro, starts switched off), a, b, selected, otherChoice, option; returns result, "
    "selected (the macro with extension dwg) and otherChoice",
    &frame::jsonAdapter<&selectMacroDialog>);

}  // namespace

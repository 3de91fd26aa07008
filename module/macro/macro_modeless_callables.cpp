// The modeless macro dialogs as callables of the host program:
//   "StartDlgMacroModeless" {"keepFocus": bool, "macro": MacroData} -> result, number, record
//   "GetDlgMacroData" {"number": int} -> result, number, record (the record only with result)
//   "EndDlgMacroModeless" {"number": int} -> result, number
//   "SetMacroBusyHold" {"milliseconds": int}: scenarios hold a record busy after each drawing
//   update for that long, to show the delayed close
// Template names may be given below the template folder, as for "StartDlgMacro"; the records
// given back hold the names the dialog was given (the completed ones for GetDlgMacroData).
#include <nlohmann/json.hpp>

#include "core/kv_json.h"
#include "core/macro_instances.h"
#include "designer/kv_dlg_designer_data.h"
#include "frame/callable_adapter.h"
#include "frame/callable_exports.h"
#include "frame/record_json.h"
#include "macro/dlg_macro_modeless.h"

namespace {

// Completes the template names for the dialog; gives the names as they were given.
Kv_StringArray completeTemplateNames(MacroData& macro) {
    Kv_StringArray given;
    for (MacroTabData& tab : macro.tabs) {
        given.append(tab.templateFile);
        if (!tab.templateFile.isEmpty() && !tab.templateFile.endsWith(".txt", true))
            tab.templateFile = getDesignerRootFolder() + tab.templateFile + ".txt";
    }
    return given;
}

void restoreTemplateNames(MacroData& macro, const Kv_StringArray& given) {
    for (int i = 0; i < macro.tabs.length() && i < given.length(); ++i) macro.tabs[i].templateFile = given[i];
}

int readNumber(const nlohmann::json& arguments, const char* what) {
    int number = -1;
    frame::RecordReader reader(arguments, what);
    reader.read("number", number);
    reader.finish();
    return number;
}

void startAdapter(const nlohmann::json& arguments, nlohmann::json& outputs) {
    MacroData macro;
    bool keepFocus = false;
    frame::RecordReader reader(arguments, "StartDlgMacroModeless arguments");
    reader.read("keepFocus", keepFocus);
    reader.readChecked("macro", macro, "a MacroData object", [](const nlohmann::json& m) { return m.is_object(); });
    reader.finish();
    const Kv_StringArray given = completeTemplateNames(macro);
    int number = -1;
    outputs["result"] = StartDlgMacroModeless(keepFocus, macro, number);
    outputs["number"] = number;
    restoreTemplateNames(macro, given);
    outputs["record"] = macro;
}

void getDataAdapter(const nlohmann::json& arguments, nlohmann::json& outputs) {
    const int number = readNumber(arguments, "GetDlgMacroData arguments");
    MacroData macro;
    const bool result = GetDlgMacroData(number, macro);
    outputs["result"] = result;
    outputs["number"] = number;
    if (result) outputs["record"] = macro;
}

void endAdapter(const nlohmann::json& arguments, nlohmann::json& outputs) {
    const int number = readNumber(arguments, "EndDlgMacroModeless arguments");
    outputs["result"] = EndDlgMacroModeless(number);
    outputs["number"] = number;
}

void busyHoldAdapter(const nlohmann::json& arguments, nlohmann::json& outputs) {
    int milliseconds = 0;
    frame::RecordReader reader(arguments, "SetMacroBusyHold arguments");
    reader.read("milliseconds", milliseconds);
    reader.finish();
    if (milliseconds < 0) reader.fail("field \"milliseconds\" must not be negative");
    setMacroBusyHold(static_cast<unsigned>(milliseconds));
    outputs["result"] = true;
}

const KvCallableRegistration registerStart(
    "StartDlgMacroModeless",
    "opens the macro input dialog (resource 8131) without waiting for it, in a numbered slot: {\"keepFocus\": "
    "bool, \"macro\": MacroData}",
    frame::jsonAdapter<startAdapter>);
const KvCallableRegistration registerGetData("GetDlgMacroData",
                                             "the record an open modeless macro dialog edits now: {\"number\": int}",
                                             frame::jsonAdapter<getDataAdapter>);
const KvCallableRegistration registerEnd(
    "EndDlgMacroModeless", "ends a modeless macro dialog, later while its drawing is busy: {\"number\": int}",
    frame::jsonAdapter<endAdapter>);
const KvCallableRegistration registerBusyHold(
    "SetMacroBusyHold",
    "for scenarios: keeps a macro record busy this long after each drawing update: {\"milliseconds\": int}",
    frame::jsonAdapter<busyHoldAdapter>);

}  // namespace

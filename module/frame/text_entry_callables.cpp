// The text entry dialog as a callable of the host program, so that a scenario can ask for a
// line of text with the labels and proposal it chooses.
#include <nlohmann/json.hpp>

#include "core/kv_texts.h"
#include "frame/callable_adapter.h"
#include "frame/callable_exports.h"
#include "frame/record_json.h"
#include "frame/text_entry_launcher.h"

namespace frame {

namespace {

// Arguments: {"title", "prompt", "text", "okText", "cancelText", "textRequired"}; the button
// labels default to texts 1 and 2, as the module's dialogs pass them.
// Outputs: {"result": bool, "text": the text after the dialog, "confirmed": bool}.
void textEntryDialog(const nlohmann::json& arguments, nlohmann::json& outputs) {
    TextEntryRequest request;
    request.okText = dialString(1);
    request.cancelText = dialString(2);
    RecordReader members(arguments, "TextEntryDialog arguments");
    members.read("title", request.title);
    members.read("prompt", request.prompt);
    members.read("text", request.text);
    members.read("okText", request.okText);
    members.read("cancelText", request.cancelText);
    members.read("textRequired", request.textRequired);
    members.finish();
    const bool result = askForText(request);
    outputs["result"] = result;
    outputs["text"] = request.text;
    outputs["confirmed"] = request.confirmed;
}

const KvCallableRegistration registerTextEntry(
    "TextEntryDialog",
    "asks for one line of text (resource 8069); arguments title, prompt, text, okText, cancelText, textRequired",
    &jsonAdapter<&textEntryDialog>);

}  // namespace

}  // namespace frame

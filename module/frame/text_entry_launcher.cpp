#include "frame/text_entry_launcher.h"

#include <nlohmann/json.hpp>

#include "core/kv_texts.h"
#include "frame/callable_adapter.h"
#include "frame/callable_exports.h"
#include "frame/dialog_launcher.h"
#include "frame/dlg_text_entry.h"
#include "frame/record_json.h"

namespace frame {

bool askForText(TextEntryRequest& request) {
    return launchModalDialog<CDlgTextEntry>(
        LaunchRules{},
        [&](CDlgTextEntry& dialog) {
            dialog.title = request.title;
            dialog.prompt = request.prompt;
            dialog.text = request.text;
            dialog.okText = request.okText;
            dialog.cancelText = request.cancelText;
            dialog.textRequired = request.textRequired;
        },
        [&](CDlgTextEntry& dialog) {
            request.text = dialog.text;
            request.confirmed = dialog.confirmed;
        },
        NothingAfterRun{}, request.parent);
}

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

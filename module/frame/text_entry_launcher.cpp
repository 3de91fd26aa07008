#include "frame/text_entry_launcher.h"

#include "frame/dialog_launcher.h"
#include "frame/dlg_text_entry.h"

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

}  // namespace frame

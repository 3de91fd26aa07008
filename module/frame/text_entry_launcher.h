#pragma once
// Asking for one line of text through the text entry dialog with the launcher's rules: the
// request is copied into the dialog, and `text` and `confirmed` come back only on OK.

#include "core/kv_string.h"

class CWnd;

namespace frame {

struct TextEntryRequest {
    Kv_String title;
    Kv_String prompt;
    Kv_String text;
    Kv_String okText;
    Kv_String cancelText;
    bool textRequired = true;
    bool confirmed = false;
    CWnd* parent = nullptr;  // none: the host's main window owns the dialog
};

// True when the user confirmed; `request.text` then holds what was typed.
bool askForText(TextEntryRequest& request);

}  // namespace frame

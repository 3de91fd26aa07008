#include "designer/designer_window_values.h"

#include <string>

#include "core/kv_texts.h"
#include "win/winuser.h"

namespace designer_values {

namespace {

Kv_String windowText(HWND window) {
    const int length = GetWindowTextLength(window);
    std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    const int copied = GetWindowText(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return Kv_String(std::move(text));
}

// Changes the button kind (the low style bits) and keeps every other style bit.
void setButtonKind(HWND window, DWORD kind) {
    const DWORD style = static_cast<DWORD>(GetWindowLong(window, GWL_STYLE));
    SendMessage(window, BM_SETSTYLE, (style & ~BS_TYPEMASK) | kind, TRUE);
}

}  // namespace

Kv_String undeterminedText() { return dialString(695); }

Kv_String getWindowValue(const Kv_DesignerControl& control, HWND window) {
    if (control.type == kCtrlCheckBox) {
        const LRESULT state = SendMessage(window, BM_GETCHECK, 0, 0);
        if (state == BST_UNCHECKED) return "0";
        if (state == BST_CHECKED) return "1";
        return undeterminedText();
    }
    if (control.type == kCtrlChoice) return Kv_String(static_cast<int>(SendMessage(window, CB_GETCURSEL, 0, 0)));
    return windowText(window);
}

bool setWindowValue(const Kv_DesignerControl& control, HWND window, const Kv_String& value) {
    switch (control.type) {
    case kCtrlCellButton:
    case kCtrlCellButton2: return true;
    case kCtrlCheckBox:
        if (value == undeterminedText()) {
            setButtonKind(window, BS_AUTO3STATE);
            SendMessage(window, BM_SETCHECK, BST_INDETERMINATE, 0);
        } else {
            // Any number above zero counts as ticked ("1", "2.5"); texts that are no number
            // read as 0 and clear the box.
            setButtonKind(window, BS_AUTOCHECKBOX);
            SendMessage(window, BM_SETCHECK, value.toDouble() > 0.0 ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        return true;
    case kCtrlChoice: SendMessage(window, CB_SETCURSEL, static_cast<WPARAM>(value.toInt()), 0); return true;
    default: SetWindowText(window, value.c_str()); return true;
    }
}

}  // namespace designer_values

#pragma once
// The dialog manager's private interface.

#include <string>

#include "kernel/kernel.h"
#include "win/resource.h"

namespace win::detail {

enum class DialogKind { Normal, MessageBox, FileDialog };

struct DialogData : ControlData {
    DLGPROC proc = nullptr;
    bool ended = false;
    INT_PTR result = 0;
    int defId = 0;  // 0: none set (Enter then means IDOK)
    HWND focusSave = nullptr;
    int resourceId = 0;
    bool modal = false;
    DialogKind kind = DialogKind::Normal;
    HFONT font = nullptr;
};

struct DialogOptions {
    int resourceId = 0;
    DialogKind kind = DialogKind::Normal;
};

// Creates a dialog from a template: the window, its controls with the template's font, then
// WM_INITDIALOG.  nullptr when a control cannot be created (the reason goes to
// lastDialogError) or the dialog procedure destroyed the dialog during initialisation.
HWND createDialog(const DialogTemplate& tmpl, HWND parent, DLGPROC proc, LPARAM init, DialogOptions options);
// Runs the modal loop of a created dialog: disables its owner, shows it, dispatches until
// EndDialog, then re-enables the owner and destroys the dialog.  Returns the result.
INT_PTR runModal(HWND dialog);
DialogData* dialogData(HWND hwnd);
// Focus to a control as the dialog keyboard interface does (an edit field gets its text
// selected).
void dialogSetFocus(HWND control);

}  // namespace win::detail

#include "win/readback.h"

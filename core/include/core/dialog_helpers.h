#pragma once
// Small helpers the dialogs call on their windows: remembered dialog sizes, showing, enabling
// and filling controls by id.  Needs the window system (kvwin).
//
// Dialog sizes are kept per name (every name begins with "DLG_") in the registry under
// HKEY_CURRENT_USER\Software\Karvel\DialogSizes, as the text "x y width height" of the dialog's
// window rectangle.  A stored size that is not four numbers, or whose width or height is not
// between 1 and 16000, counts as missing.

#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "win/types.h"

// The registry key of the remembered sizes (below HKEY_CURRENT_USER).
inline constexpr const char* kvDialogSizesKey = "Software\\Karvel\\DialogSizes";

// Restores the size saved under name.  withPosition false keeps the dialog's place; true moves
// it to the saved place too, kept inside the screen.  False (the dialog unchanged) when nothing
// usable is saved or the window is gone.
bool ChangeDlgSize(HWND dialog, const Kv_String& name, bool withPosition);
// Saves the dialog's window rectangle under name; false for an empty name, a missing window,
// or a registry that cannot be written.
bool WriteDlgSize(HWND dialog, const Kv_String& name);
// The dialog's current size: the window rectangle when wholeWindow, else the client area.
// Width and height are left untouched and the result is false when the window is gone.
bool getDlgSize(HWND dialog, int& width, int& height, bool wholeWindow);
// The same as getDlgSize of the window rectangle, never below 50 by 50; a missing window gives
// 200 by 130 and false.
bool getSafeDlgSize(HWND dialog, int& width, int& height);
// Reads the size saved under name without applying it.
bool readSavedDlgSize(const Kv_String& name, RECT& rect);

// False when the dialog has no control with that id.
bool ShowOrHideCtrl(HWND dialog, int controlId, bool show);
bool EnDisCtrl(HWND dialog, int controlId, bool enable);
// Makes a three-state check box a two-state one (automatic stays automatic).  An undetermined
// box becomes unchecked.  False when the control is missing or no check box.
bool disableTriState(HWND dialog, int controlId);
// Empties the combo box and adds the entries in order; selects entry `select` when it is valid
// (-1: no selection).  False when the control is missing.
bool FillCombo(HWND dialog, int controlId, const Kv_StringArray& entries, int select = -1);
bool FillCombo(HWND dialog, int controlId, const Kv_Array<int>& numbers, int select = -1);
bool FillCombo(HWND dialog, int controlId, const Kv_Array<double>& numbers, int decimals, int select = -1);

// The same helpers for class-layer windows.
#include "win/afx/cwnd.h"

inline bool ChangeDlgSize(CWnd* dialog, const Kv_String& name, bool withPosition) {
    return ChangeDlgSize(dialog ? dialog->m_hWnd : nullptr, name, withPosition);
}
inline bool WriteDlgSize(CWnd* dialog, const Kv_String& name) {
    return WriteDlgSize(dialog ? dialog->m_hWnd : nullptr, name);
}
inline bool getDlgSize(CWnd* dialog, int& width, int& height, bool wholeWindow) {
    return getDlgSize(dialog ? dialog->m_hWnd : nullptr, width, height, wholeWindow);
}
inline bool getSafeDlgSize(CWnd* dialog, int& width, int& height) {
    return getSafeDlgSize(dialog ? dialog->m_hWnd : nullptr, width, height);
}
inline bool ShowOrHideCtrl(CWnd* dialog, int controlId, bool show) {
    return ShowOrHideCtrl(dialog ? dialog->m_hWnd : nullptr, controlId, show);
}
inline bool EnDisCtrl(CWnd* dialog, int controlId, bool enable) {
    return EnDisCtrl(dialog ? dialog->m_hWnd : nullptr, controlId, enable);
}
inline bool disableTriState(CWnd* dialog, int controlId) {
    return disableTriState(dialog ? dialog->m_hWnd : nullptr, controlId);
}
inline bool FillCombo(CWnd* dialog, int controlId, const Kv_StringArray& entries, int select = -1) {
    return FillCombo(dialog ? dialog->m_hWnd : nullptr, controlId, entries, select);
}

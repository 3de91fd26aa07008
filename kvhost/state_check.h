#pragma once
// What a scenario says a dialog shows, compared with what its windows say about themselves.
// Everything is read through the window system's read-back calls (and the sheet engine's
// calls on its own window), never through the dialog object, so a check proves what a person
// would see on the screen.

#include <optional>
#include <string>
#include <vector>

#include "win/types.h"

namespace kvhost {

struct StateCheck {
    int dialog = 0;
    int control = 0;                     // 0: the dialog itself
    std::optional<std::string> text;     // code page 1252, as the window holds it
    std::optional<std::string> caption;  // the dialog's caption (control 0)
    std::optional<bool> enabled, visible, focused;
    std::optional<int> checked;  // BST_UNCHECKED 0, BST_CHECKED 1, BST_INDETERMINATE 2
    std::optional<std::vector<std::string>> items;
    std::optional<std::vector<int>> selection;  // one index, several, or none ([] or -1)
    std::optional<POINT> cell;                  // a sheet control's cell (column, row from 1)
    std::optional<std::string> cellText;
};

// Compares the check with the open windows.  Empty when everything matches, otherwise one
// reason naming what was expected and what is shown.
std::string runStateCheck(const StateCheck& check);

// The read-back tree of an open dialog in a stable text form: one line per window with its
// id, kind, class, text and state (no window handles), children indented.
std::string describeDialogState(HWND dialog);

}  // namespace kvhost

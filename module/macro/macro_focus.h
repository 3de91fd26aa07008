#pragma once
// Where the keyboard focus was on a page of the macro input dialog, kept per macro module so
// that showing the page again (or refilling it after an apply) puts the person back where they
// were.  Three kinds: a cell of the page's sheet, a count field of the template with its text
// selection (a person typing a bolt count keeps the caret), or any other template control.

#include "core/kv_string.h"

struct MacroFocusRecord {
    enum class Kind { None, SheetCell, CountField, Control };
    Kind kind = Kind::None;
    int col = 0, row = 0;          // SheetCell
    int controlId = 0;             // CountField and Control
    int selStart = 0, selEnd = 0;  // CountField
};

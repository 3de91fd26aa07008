#pragma once
// File names typed by a person.  The package's files travel between systems, so a name must be
// valid on the strictest of them: none of \ / : * ? " < > | or control characters, not ending
// in a blank or a dot, not a reserved device name (CON, PRN, AUX, NUL, COM1-9, LPT1-9, with or
// without extension), not empty, at most 255 bytes.

#include "core/kv_string.h"

// True when the name can be used.
bool isValidFileName(const Kv_String& name);

// Shows a warning message box (owned by the active window) and returns true when the name is
// NOT valid; returns false without a message for a valid name.  Needs the window system.
bool warnInvalidFileName(const Kv_String& name);

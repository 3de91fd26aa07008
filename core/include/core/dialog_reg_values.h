#pragma once
// Booleans a dialog remembers between runs (a filter area shown or hidden), kept in the registry
// under HKEY_CURRENT_USER\Software\Karvel\Dialogs\<dialog name> as REG_SZ "1" or "0".
// Anything else stored there (another text, another type) counts as missing.  Needs the window
// system (kvwin).

#include "core/kv_string.h"

// The value; `missing` when none or no boolean is stored.
bool readDlgRegBool(const Kv_String& dialogName, const Kv_String& valueName, bool missing = false);
// False for an empty name or a registry that cannot be written.
bool writeDlgRegBool(const Kv_String& dialogName, const Kv_String& valueName, bool value);

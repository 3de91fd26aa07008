#pragma once
// Writes a rectangle to the host's command line: "<label>: (left, top) - (right, bottom),
// width x height" and a line break.  Dialogs use it to report where they opened.

#include "core/kv_string.h"
#include "win/types.h"

void acutPrintfRect(const RECT& rect, const Kv_String& label);

#pragma once
// Helpers of the macro selection: flag lists, names without their trailing number, and the
// preview pictures of macros.
//
// A macro's preview is a BMP of the macro's name with the extension "bmp", in the folder
// given, or beside the macro file when the folder is empty.  A missing preview is drawn from
// the macro's property list ("abm"): a plate with one bolt row per property the macro has, so
// that macros that differ look different.  Each preview is written whole or not at all.

#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "host/ac_array.h"

// count elements of value (none for a count below 1), replacing what flags held.
void fillArr(bool value, int count, AcArray<bool>& flags);
// The text without the digits at its end ("BasePlate12" gives "BasePlate"; "12" gives "").
Kv_String stripNumbersAtEnd(const Kv_String& text);
// Where the preview of a macro file lies.
Kv_String previewFileOf(const Kv_String& macroFile, const Kv_String& folder);
// Draws the missing previews (width x height, each at least 8 and at most 1024); returns how
// many were made.  Existing files are never replaced, whatever they hold.
int CreatePreviewBMPs(int width, int height, const Kv_StringArray& macroFiles, const Kv_String& folder);

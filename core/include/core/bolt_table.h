#pragma once
// The bolt table of the library: the bolt assemblies (compositions) and the diameters each
// comes in.  File "Bolts\Assemblies.txt" in the library folder, a table file
// (core/table_file.h): one row per composition, its name, then its diameters.  Rows without
// a name are skipped.

#include "core/kv_string.h"
#include "core/kv_string_array.h"

// The compositions in table order; false (list emptied) when the table cannot be read.
bool GetAssemblies(Kv_StringArray& list);
// The diameters of the composition (exact name); false (list emptied) when it is not in the
// table.
bool GetDiameters(const Kv_String& composition, Kv_StringArray& list);

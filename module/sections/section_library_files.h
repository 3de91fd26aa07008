#pragma once
// The rules the library editor keeps for its library files and tables, apart from the dialog:
// library N is the table file "N.pr" of the profile folder; names are told apart ignoring
// case, as the file layer finds files; a new library starts as a one-row table of the
// editor's columns; a section type gives a library its columns.

#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "sections/kv_prof_values_table.h"

// "N.pr": the file name readFromFile and writeToFile take for library N.
Kv_String libraryFileName(const Kv_String& libraryName);

// The index of the first name equal to name ignoring case, skipping index `except`; -1 when
// none.
int findLibraryName(const Kv_StringArray& names, const Kv_String& name, int except = -1);

// A name made from base as findNonExistingString makes it, that no name equals ignoring case.
Kv_String freeLibraryName(const Kv_StringArray& names, const Kv_String& base);

// The columns of the editor's tables before the property columns: "SysName", "I/O" and one
// per macro language.
Kv_StringArray libraryLeadColumns();

// The columns of a library of that section type (1 to 24): the lead columns and the type's
// property names; empty for any other number.
Kv_StringArray sectionTypeColumns(int sectionType);

// A new library's table: the lead columns and two property columns (text 86 numbered 1 and
// 2), one active row with an empty system name, one empty display name per language column
// and two zero properties.
Kv_ProfValuesTable newLibraryTable(const Kv_String& libraryName);

#pragma once
// The rules of the simple library editor, apart from the dialog: how a size's system name is
// made from its property values (the name pattern), the display-name prefixes, where a new
// size goes in its table, and the check of a rectangular tube's corner radius.
//
// The editor's tables have the system name in cell 0, the active flag in cell 1, the display
// names of four languages in cells 2 to 5 and the property values from cell 6 on.

#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "sections/kv_prof_values_table.h"

inline constexpr int kFirstLanguageCell = 2;
inline constexpr int kLanguageCells = 4;
inline constexpr int kFirstValueCell = kFirstLanguageCell + kLanguageCells;

struct NamePattern {
    bool found = false;
    // For each part of a system name split at "x", the index among the row's property values
    // it comes from.
    Kv_Array<int> valueIndices;
    // For each language cell (2 to 5) of the row that gave the pattern, its text in front of
    // its first digit ("SHS 100x100x10" gives "SHS ").
    Kv_StringArray prefixes;
};

// The prefix of one display name: the text before its first digit, empty without a digit.
Kv_String displayNamePrefix(const Kv_String& displayName);

// The pattern of one row: every part of its system name matched to a value (a number part to
// the first value of equal number, any other part to an equal value), no value used twice.
// valueIndices holds -1 for a part that matched nothing; found is true when every part matched.
NamePattern patternOfRow(const Kv_StringArray& row);

// The pattern of the first row from modelRow on (at most 9999 rows) whose every part matched.
// Without one, found is false and the prefixes are those of the model row.
NamePattern findNamePattern(const Kv_ProfValuesTable& table, int modelRow);

// The values at the pattern's indices joined with "x"; indices outside the values are skipped.
Kv_String buildSystemName(const Kv_StringArray& values, const Kv_Array<int>& valueIndices);

// The prefix of the current language's slot (its column index minus 2); none for a slot
// outside the prefixes (a table without the language's column gives slot -3).
Kv_String prefixOfSlot(const Kv_StringArray& prefixes, int slot);

// The new row: the model row with the flag "1", the display names (each language's prefix and
// the name when built, the name alone when typed), the values from cell 6 on and the system
// name.  False when the model row is too short to hold the flag and the display names.
bool makeNewSizeRow(const Kv_StringArray& modelRow, const Kv_String& sysName, bool built,
                    const Kv_StringArray& prefixes, const Kv_StringArray& values, Kv_StringArray& row);

// Where a new system name goes: a square size ("100x100x10", first two parts equal) directly
// after the listed square before it in natural order (before the first square when it sorts
// before all of them); any other name, or a square in a table without squares, at its place in
// natural order among all system names.
int newSizePosition(const Kv_ProfValuesTable& table, const Kv_String& sysName);

// False when the table's description is 10 (rectangular tube), the row has cells 8 and 9 and
// cell 9 (the corner radius) is neither 0 nor greater than cell 8 (the wall thickness).
bool passesTubeRadiusCheck(const Kv_String& description, const Kv_StringArray& row);

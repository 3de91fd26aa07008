#include "sections/simple_lib_rules.h"

#include "core/records/dlg_edit_lib_data.h"

namespace {

constexpr int kMaxPatternRows = 9999;
constexpr int kMaxRetakes = 99999;

Kv_String cellOf(const Kv_StringArray& row, int index) { return row.isValidIndex(index) ? row[index] : Kv_String(); }

// The first value at or after start that the part names: by number for a number part, by
// equal text otherwise.
int findValue(const Kv_StringArray& values, const Kv_String& part, int start) {
    if (!part.isNumber()) return values.findAt(part, start, false);
    const double number = part.toDouble();
    for (int i = start < 0 ? 0 : start; i < values.length(); ++i)
        if (values[i].isNumber() && values[i].toDouble() == number) return i;
    return -1;
}

Kv_StringArray valuesOf(const Kv_StringArray& row) {
    Kv_StringArray values;
    for (int i = kFirstValueCell; i < row.length(); ++i) values.append(row[i]);
    return values;
}

Kv_StringArray prefixesOf(const Kv_StringArray& row) {
    Kv_StringArray prefixes;
    for (int i = 0; i < kLanguageCells; ++i) prefixes.append(displayNamePrefix(cellOf(row, kFirstLanguageCell + i)));
    return prefixes;
}

bool isSquare(const Kv_StringArray& parts) { return parts.length() >= 2 && parts[0].equal(parts[1], false); }

}  // namespace

Kv_String displayNamePrefix(const Kv_String& displayName) {
    const int digit = displayName.findFirstNumbers();
    return digit < 0 ? Kv_String() : displayName.getSubStringAt(0, digit);
}

NamePattern patternOfRow(const Kv_StringArray& row) {
    NamePattern pattern;
    pattern.prefixes = prefixesOf(row);
    const Kv_StringArray values = valuesOf(row);
    const Kv_StringArray parts = strToArr(cellOf(row, 0), 'x');
    pattern.found = !parts.isEmpty();
    for (const Kv_String& part : parts) {
        int at = findValue(values, part, 0);
        for (int retake = 0; at >= 0 && pattern.valueIndices.containsValue(at) && retake < kMaxRetakes; ++retake)
            at = findValue(values, part, at + 1);
        if (at >= 0 && pattern.valueIndices.containsValue(at)) at = -1;
        if (at < 0) pattern.found = false;
        pattern.valueIndices.append(at);
    }
    return pattern;
}

NamePattern findNamePattern(const Kv_ProfValuesTable& table, int modelRow) {
    const int start = modelRow < 0 ? 0 : modelRow;
    for (int row = start; row < table.rows.length() && row - start < kMaxPatternRows; ++row) {
        NamePattern pattern = patternOfRow(table.rows[row]);
        if (pattern.found) return pattern;
    }
    NamePattern none;
    if (table.rows.isValidIndex(start)) none.prefixes = prefixesOf(table.rows[start]);
    return none;
}

Kv_String buildSystemName(const Kv_StringArray& values, const Kv_Array<int>& valueIndices) {
    Kv_StringArray parts;
    for (int index : valueIndices)
        if (values.isValidIndex(index)) parts.append(values[index]);
    return parts.join("x");
}

Kv_String prefixOfSlot(const Kv_StringArray& prefixes, int slot) {
    return prefixes.isValidIndex(slot) ? prefixes[slot] : Kv_String();
}

bool makeNewSizeRow(const Kv_StringArray& modelRow, const Kv_String& sysName, bool built,
                    const Kv_StringArray& prefixes, const Kv_StringArray& values, Kv_StringArray& row) {
    if (modelRow.length() < 2 || modelRow.length() < 2 + prefixes.length()) return false;
    Kv_StringArray made = modelRow;
    made[1] = "1";
    for (int i = 0; i < prefixes.length(); ++i)
        made[kFirstLanguageCell + i] = built ? prefixes[i] + sysName : sysName;
    for (int i = 0; i < values.length(); ++i) {
        if (made.length() <= kFirstValueCell + i) made.setLogicalLength(kFirstValueCell + i + 1);
        made[kFirstValueCell + i] = values[i];
    }
    made[0] = sysName;
    row = made;
    return true;
}

int newSizePosition(const Kv_ProfValuesTable& table, const Kv_String& sysName) {
    Kv_StringArray allNames;
    Kv_StringArray squares;
    Kv_Array<int> squareRows;
    for (int i = 0; i < table.rows.length(); ++i) {
        const Kv_String name = cellOf(table.rows[i], 0);
        allNames.append(name);
        if (isSquare(strToArr(name, 'x'))) {
            squares.append(name);
            squareRows.append(i);
        }
    }
    if (isSquare(strToArr(sysName, 'x')) && !squares.isEmpty()) {
        const int place = ObjectExportAddToSorted(squares, sysName);
        // Sorting before every listed square, it goes directly before the first of them.
        if (place == 0) return squareRows[0];
        int before = -1;
        for (int i = 0; i < table.rows.length() && before < 0; ++i)
            if (cellOf(table.rows[i], 0).equal(squares[place - 1], true)) before = i;
        return before < 0 ? 1 : before + 1;
    }
    return ObjectExportAddToSorted(allNames, sysName);
}

bool passesTubeRadiusCheck(const Kv_String& description, const Kv_StringArray& row) {
    if (sectionTypeNumberOf(description) != 10 || row.length() < 10) return true;
    const double thickness = row[8].toDouble();
    const double radius = row[9].toDouble();
    return radius == 0 || radius > thickness;
}

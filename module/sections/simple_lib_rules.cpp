#include "sections/simple_lib_rules.h"

#include <algorithm>
#include <numeric>
#include <string_view>

#include "core/records/dlg_edit_lib_data.h"

namespace {

constexpr int kMaxPatternRows = 9999;
constexpr int kMaxRetakes = 99999;

Kv_String cellOf(const Kv_StringArray& row, int index) { return row.isValidIndex(index) ? row[index] : Kv_String(); }

const Kv_String& sysNameOf(const Kv_StringArray& row) {
    static const Kv_String none;
    return row.isEmpty() ? none : row[0];
}

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

// "100x100x10": at least two parts at "x" and the first two equal.
bool isSquareName(std::string_view name) {
    const size_t first = name.find('x');
    if (first == std::string_view::npos) return false;
    const size_t second = name.find('x', first + 1);
    const std::string_view a = name.substr(0, first);
    const std::string_view b =
        name.substr(first + 1, second == std::string_view::npos ? std::string_view::npos : second - first - 1);
    return a == b;
}

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
    for (int i = 0; i < prefixes.length(); ++i) made[kFirstLanguageCell + i] = built ? prefixes[i] + sysName : sysName;
    for (int i = 0; i < values.length(); ++i) {
        if (made.length() <= kFirstValueCell + i) made.setLogicalLength(kFirstValueCell + i + 1);
        made[kFirstValueCell + i] = values[i];
    }
    made[0] = sysName;
    row = made;
    return true;
}

int newSizePosition(const Kv_ProfValuesTable& table, const Kv_String& sysName) {
    // Binary searches over the rows themselves, as ObjectExportAddToSorted searches its list (the
    // place after any equal name), without copying 20,000 names for one insert.
    auto sortsAfter = [&](int row) { return kvNaturalCompare(sysName, sysNameOf(table.rows[row])) < 0; };
    auto placeAmong = [&](const Kv_Array<int>& rows) {
        const auto at = std::partition_point(rows.begin(), rows.end(), [&](int row) { return !sortsAfter(row); });
        return static_cast<int>(at - rows.begin());
    };
    Kv_Array<int> squareRows;
    if (isSquareName(sysName.view())) {
        for (int i = 0; i < table.rows.length(); ++i)
            if (isSquareName(sysNameOf(table.rows[i]).view())) squareRows.append(i);
    }
    if (!squareRows.isEmpty()) {
        const int place = placeAmong(squareRows);
        // Sorting before every listed square, it goes directly before the first of them.
        if (place == 0) return squareRows[0];
        const Kv_String& before = sysNameOf(table.rows[squareRows[place - 1]]);
        for (int i = 0; i < table.rows.length(); ++i)
            if (sysNameOf(table.rows[i]).equal(before, true)) return i + 1;
        return 1;
    }
    Kv_Array<int> allRows;
    allRows.items().resize(static_cast<size_t>(table.rows.length()));
    std::iota(allRows.begin(), allRows.end(), 0);
    return placeAmong(allRows);
}

bool passesTubeRadiusCheck(const Kv_String& description, const Kv_StringArray& row) {
    if (sectionTypeNumberOf(description) != 10 || row.length() < 10) return true;
    const double thickness = row[8].toDouble();
    const double radius = row[9].toDouble();
    return radius == 0 || radius > thickness;
}

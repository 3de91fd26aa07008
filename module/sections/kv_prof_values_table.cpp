// Kv_ProfValuesTable: file arrangement, columns, rows and system names.
#include "sections/kv_prof_values_table.h"

#include "core/kv_settings.h"
#include "core/table_file.h"
#include "core/macro_lang_strings.h"

namespace {

constexpr int kSysNameColumn = 0;
constexpr int kFlagColumn = 1;

Kv_String cellOf(const Kv_StringArray& row, int index) { return row.isValidIndex(index) ? row[index] : Kv_String(); }

// A row without a system name (a blank line in the file) is no size anyone can choose; listed,
// it would show as the bare table name ("TB-").
bool isNameless(const Kv_String& sysName) {
    for (char c : sysName.view())
        if (c != ' ' && c != '\t') return false;
    return true;
}

}  // namespace

Kv_String Kv_ProfValuesTable::profileFolder() { return Kv_Settings::libDir() + "prof\\"; }

bool Kv_ProfValuesTable::readFromFile(const Kv_String& fileName) {
    Kv_String name;
    Kv_Array<Kv_StringArray> lines;
    if (!readFile(profileFolder() + fileName, name, lines)) return false;
    tableName = name;
    rows = std::move(lines);
    // A single line (or none) cannot hold both the description and the column names; it is
    // kept as data so that nothing of the file is lost.
    if (rows.length() > 1) {
        if (!rows[0].isEmpty()) description = rows[0][0];
        columnNames = rows[1];
        rows.removeAt(0);
        rows.removeAt(0);
    }
    return true;
}

bool Kv_ProfValuesTable::writeToFile(const Kv_String& fileName) const {
    Kv_Array<Kv_StringArray> lines;
    lines.items().reserve(rows.length() + 2);
    lines.append(Kv_StringArray{description});
    lines.append(columnNames);
    lines.appendAll(rows);
    return writeFile(profileFolder() + fileName, lines);
}

bool Kv_ProfValuesTable::getColumn(Kv_StringArray& values, int index) const {
    if (rows.isEmpty() || index < 0 || index >= rows[0].length()) return false;
    values.removeAll();
    values.items().reserve(rows.length());
    for (const Kv_StringArray& row : rows) values.append(cellOf(row, index));
    return true;
}

bool Kv_ProfValuesTable::getColumn(Kv_StringArray& values, const Kv_String& name) const {
    const int index = getColumnIdx(name);
    return index >= 0 && getColumn(values, index);
}

int Kv_ProfValuesTable::getColumnIdx(const Kv_String& name) const { return columnNames.find(name, false); }

bool Kv_ProfValuesTable::getRow(Kv_StringArray& row, int index) const {
    if (!rows.isValidIndex(index)) return false;
    row = rows[index];
    return true;
}

bool Kv_ProfValuesTable::insertRow(int index) {
    if (index < -1 || index >= rows.length()) {
        // Only "after an existing row" and "at the top" make sense; anything else would put
        // the row somewhere the caller did not ask for.
        return false;
    }
    const int languageColumn = getColumnIdx(MacroLangs::GetCurLanguage());
    Kv_StringArray row;
    if (rows.isValidIndex(index))
        row = rows[index];
    else
        row.setLogicalLength(columnNames.length());

    // A table without a column for the current language gets no display name: writing one
    // into some other column would corrupt that column.  A copied row too short to reach the
    // column is lengthened, so that the new size still gets its display name.
    const bool hasLanguageCell = languageColumn >= 0;
    if (hasLanguageCell && row.length() <= languageColumn) row.setLogicalLength(languageColumn + 1);
    Kv_String displayBase = tableName;
    if (hasLanguageCell) {
        Kv_String shown = row[languageColumn];
        const int digit = shown.findFirstNumbers();
        if (digit >= 0) shown = shown.getSubStringAt(0, digit);
        if (!shown.isEmpty()) displayBase = shown;
    }
    Kv_String seed = "1";
    if (!row.isEmpty() && !row[kSysNameColumn].isEmpty()) seed = row[kSysNameColumn];
    const Kv_String sysName = findUnusedSysName(seed);
    if (row.isEmpty())
        row.append(sysName);
    else
        row[kSysNameColumn] = sysName;
    if (hasLanguageCell) row[languageColumn] = displayBase + sysName;
    return rows.insertAt(index + 1, row);
}

bool Kv_ProfValuesTable::deleteRow(int index) {
    if (!rows.isValidIndex(index)) return false;
    return rows.removeAt(index);
}

void Kv_ProfValuesTable::removeInactiveEntries() {
    auto& items = rows.items();
    std::erase_if(items,
                  [](const Kv_StringArray& row) { return row.length() >= 2 && row[kFlagColumn].equal("0", true); });
}

bool Kv_ProfValuesTable::listSysNames(Kv_StringArray& names, bool skipInactive) const {
    names.removeAll();
    // Blank rows are skipped wherever they stand, also before the first size; the first row
    // that names a size must hold the flag column, as a whole table's first row would.
    const Kv_String prefix = tableName + "-";
    bool checkedWidth = false;
    for (const Kv_StringArray& row : rows) {
        const Kv_String sysName = cellOf(row, kSysNameColumn);
        if (isNameless(sysName)) continue;
        if (!checkedWidth && row.length() <= kFlagColumn) return false;
        checkedWidth = true;
        if (skipInactive && cellOf(row, kFlagColumn).equal("0", false)) continue;
        names.append(prefix + sysName);
    }
    return true;
}

void Kv_ProfValuesTable::getSysNames(Kv_StringArray& names) const { listSysNames(names, false); }

void Kv_ProfValuesTable::getFilteredSysNames(Kv_StringArray& names) const { listSysNames(names, true); }

int Kv_ProfValuesTable::getfilteredIdx(int index) const {
    if (!rows.isValidIndex(index)) return -1;
    int filtered = index;
    for (int i = 0; i < index; ++i)
        if (!cellOf(rows[i], kFlagColumn).equal("1", false) || isNameless(cellOf(rows[i], kSysNameColumn))) --filtered;
    return filtered;
}

bool Kv_ProfValuesTable::findSysName(const Kv_String& name, int& index) const {
    Kv_StringArray sysNames;
    if (!getColumn(sysNames, kSysNameColumn)) return false;
    const int found = sysNames.find(name, false);
    if (found < 0) return false;
    index = found;
    return true;
}

Kv_String Kv_ProfValuesTable::findUnusedSysName(const Kv_String& base) const {
    // Every row counts, also when the first row is too short for getColumn to read column 0.
    Kv_StringArray sysNames;
    sysNames.items().reserve(rows.length());
    for (const Kv_StringArray& row : rows) sysNames.append(cellOf(row, kSysNameColumn));
    return findNonExistingString(sysNames, base);
}

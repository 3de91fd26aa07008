#include "sections/section_library_files.h"

#include "core/kv_texts.h"
#include "core/macro_lang_strings.h"
#include "sections/section_type_properties.h"

Kv_String libraryFileName(const Kv_String& libraryName) { return libraryName + ".pr"; }

int findLibraryName(const Kv_StringArray& names, const Kv_String& name, int except) {
    for (int i = 0; i < names.length(); ++i)
        if (i != except && names[i].equal(name, true)) return i;
    return -1;
}

Kv_String freeLibraryName(const Kv_StringArray& names, const Kv_String& base) {
    // findNonExistingString compares exactly; every candidate it gives that is taken in
    // another case joins the list it looks at, so the next call moves on.  Each round adds a
    // name, so at most one round per name is needed.
    Kv_StringArray seen = names;
    for (int round = 0; round <= names.length(); ++round) {
        const Kv_String candidate = findNonExistingString(seen, base);
        if (findLibraryName(names, candidate) < 0) return candidate;
        seen.append(candidate);
    }
    return findNonExistingString(seen, base);
}

Kv_StringArray libraryLeadColumns() {
    Kv_StringArray columns{"SysName", "I/O"};
    columns.appendAll(MacroLangs::GetAllLanguages());
    return columns;
}

Kv_StringArray sectionTypeColumns(int sectionType) {
    const Kv_StringArray properties = sectionTypePropertyNames(sectionType);
    if (properties.isEmpty()) return {};
    Kv_StringArray columns = libraryLeadColumns();
    columns.appendAll(properties);
    return columns;
}

Kv_ProfValuesTable newLibraryTable(const Kv_String& libraryName) {
    Kv_ProfValuesTable table;
    table.tableName = libraryName;
    table.columnNames = libraryLeadColumns();
    const int languages = table.columnNames.length() - 2;
    table.columnNames.append(append(dialString(86), 1));
    table.columnNames.append(append(dialString(86), 2));
    // One display name per language column, so that the zeros land in the property columns.
    Kv_StringArray row{"", "1"};
    for (int i = 0; i < languages; ++i) row.append("");
    row.append("0");
    row.append("0");
    table.rows.append(row);
    return table;
}

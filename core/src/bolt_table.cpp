#include "core/bolt_table.h"

#include "core/kv_settings.h"
#include "core/table_file.h"

namespace {

bool readBoltTable(Kv_TableRows& rows) {
    Kv_String name;
    return readFile(Kv_Settings::libDir() + "Bolts\\Assemblies.txt", name, rows);
}

}  // namespace

bool GetAssemblies(Kv_StringArray& list) {
    list.removeAll();
    Kv_TableRows rows;
    if (!readBoltTable(rows)) return false;
    for (const Kv_StringArray& row : rows)
        if (!row.isEmpty() && !row[0].isEmpty()) list.append(row[0]);
    return true;
}

bool GetDiameters(const Kv_String& composition, Kv_StringArray& list) {
    list.removeAll();
    Kv_TableRows rows;
    if (!readBoltTable(rows)) return false;
    for (const Kv_StringArray& row : rows) {
        if (row.isEmpty() || row[0].isEmpty() || row[0] != composition) continue;
        for (int i = 1; i < row.length(); ++i) list.append(row[i]);
        return true;
    }
    return false;
}

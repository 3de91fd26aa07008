// The simple library editor's rules over any table text: the name pattern of every row (from
// every model row), the names it builds, the place of a new size and the tube check.  Never a
// crash, no read outside a row, and every answer within the table.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/table_file.h"
#include "sections/simple_lib_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Kv_TableRows rows;
    if (!parseTableText(std::string_view(reinterpret_cast<const char*>(data), size), rows)) return 0;
    Kv_ProfValuesTable table;
    table.rows = rows;
    if (!rows.isEmpty() && !rows[0].isEmpty()) table.description = rows[0][0];
    for (int model = 0; model < table.rows.length(); ++model) {
        const NamePattern pattern = findNamePattern(table, model);
        if (pattern.prefixes.length() != kLanguageCells && table.rows.isValidIndex(model)) std::abort();
        Kv_StringArray values;
        for (int i = kFirstValueCell; i < table.rows[model].length(); ++i) values.append(table.rows[model][i]);
        // A row's own pattern names only values of that row; the one found may come from a later
        // row, whose indices the build skips when the model has fewer values.
        const NamePattern own = patternOfRow(table.rows[model]);
        for (int index : own.valueIndices)
            if ((own.found && !values.isValidIndex(index)) || index < -1) std::abort();
        const Kv_String name = buildSystemName(values, pattern.valueIndices);
        const int position = newSizePosition(table, name);
        if (position < 0 || position > table.rows.length()) std::abort();
        Kv_StringArray row;
        if (makeNewSizeRow(table.rows[model], name, true, pattern.prefixes, values, row)) {
            if (!(row[0] == name)) std::abort();
            passesTubeRadiusCheck(table.description, row);
        }
        for (int slot = -3; slot <= kLanguageCells; ++slot) prefixOfSlot(pattern.prefixes, slot);
    }
    return 0;
}

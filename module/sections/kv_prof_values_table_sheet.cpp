// Kv_ProfValuesTable: showing a table in a sheet and reading it back.
#include "sections/kv_prof_values_table.h"

#include <algorithm>

#include "spread/kv_spread.h"

bool Kv_ProfValuesTable::getFromSS(const Kv_Spread& sheet) {
    const int rowCount = sheet.getMaxRows();
    const int colCount = sheet.getMaxCols();
    if (rowCount <= 0 || colCount <= 0) return false;
    Kv_StringArray names;
    Kv_String name;
    Kv_Array<Kv_StringArray> read;
    if (!sheet.getHeaderRowTexts(names)) return false;
    sheet.getCellText(SS_HEADER, 1, name, CellTextKind::Value);
    if (!sheet.getAllRows(read)) return false;
    // Columns past the named ones (rows longer than the column list) come back with empty
    // labels; they are no names of the table.
    while (!names.isEmpty() && names[names.length() - 1].isEmpty()) names.removeAt(names.length() - 1);
    columnNames = std::move(names);
    tableName = name;
    rows = std::move(read);
    return true;
}

bool Kv_ProfValuesTable::setToSS(Kv_Spread& sheet) const {
    sheet.SetBool(sheet::kOptRedraw, 0);
    sheet.setMaxRows(0);
    sheet.setMaxCols(0);
    if (rows.isEmpty()) {
        sheet.SetBool(sheet::kOptRedraw, 1);
        return false;
    }
    // Rows longer than the column list keep every cell: the sheet is as wide as the longest.
    int columns = columnNames.length();
    for (const Kv_StringArray& row : rows) columns = std::max(columns, row.length());
    sheet.setMaxRows(rows.length());
    sheet.setMaxCols(columns, false);
    sheet.setColCheckBox(2, false, false);
    Kv_StringArray labels = columnNames;
    labels.setLogicalLength(columns);
    sheet.setHeaderRowTexts(labels);
    Kv_StringArray rowLabels;
    rowLabels.items().assign(rows.length(), tableName);
    sheet.setHeaderColTexts(rowLabels);
    for (int i = 0; i < rows.length(); ++i) sheet.setRowStrings(i + 1, rows[i], false);
    sheet.autoFitAll();
    sheet.SetBool(sheet::kOptChanged, 0);
    sheet.SetBool(sheet::kOptRedraw, 1);
    return true;
}

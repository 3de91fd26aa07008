// Kv_ProfValuesTable: showing a table in a sheet and reading it back.
#include "sections/kv_prof_values_table.h"

#include "spread/kv_spread.h"

bool Kv_ProfValuesTable::getFromSS(const Kv_Spread& sheet) {
    const int rowCount = sheet.getMaxRows();
    const int colCount = sheet.getMaxCols();
    if (rowCount <= 0 || colCount <= 0) return false;
    Kv_StringArray names;
    Kv_String name;
    Kv_Array<Kv_StringArray> read;
    read.items().reserve(rowCount);
    if (!sheet.getHeaderRowTexts(names)) return false;
    sheet.getCellText(SS_HEADER, 1, name, CellTextKind::Value);
    for (int row = 1; row <= rowCount; ++row) {
        Kv_StringArray cells;
        if (!sheet.getRowStrings(row, cells)) return false;
        read.append(std::move(cells));
    }
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
    sheet.setMaxRows(rows.length());
    sheet.setMaxCols(columnNames.length(), false);
    sheet.setColCheckBox(2, false, false);
    sheet.setHeaderRowTexts(columnNames);
    Kv_StringArray labels;
    labels.items().assign(rows.length(), tableName);
    sheet.setHeaderColTexts(labels);
    for (int i = 0; i < rows.length(); ++i) sheet.setRowStrings(i + 1, rows[i], false);
    sheet.autoFitAll();
    sheet.SetBool(sheet::kOptChanged, 0);
    sheet.SetBool(sheet::kOptRedraw, 1);
    return true;
}

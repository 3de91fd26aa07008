#pragma once
// Kv_ProfValuesTable: the rows of one section family file (a ".pr" table in the library's
// "prof\" folder), one row per section size, one column per property.
//
// Columns: 0 is the size's system name (unique in the table), 1 its active flag ("1" active,
// "0" inactive), then one display-name column per macro language (named after the language,
// see core/macro_lang_strings.h) and the property columns.  Tables made by the library editor
// name column 0 "SysName" and column 1 "I/O".  Rows may be shorter than the column list; a
// missing cell reads as empty.
//
// The file's lines are: the description (one cell; the section type number for family
// tables), the column names, then one data row per line (table file format: core/table_file.h).
//
// A listed system name is the table name, "-" and the row's system name ("IPE-IPE200"), so
// that the part before the first "-" leads back to the file.
//
// Rules it keeps: an index out of range gives false (or -1) and changes nothing; nothing
// throws.  The class is a plain record: copies copy every member.

#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"

class Kv_Spread;

class Kv_ProfValuesTable {
public:
    Kv_ProfValuesTable() = default;
    Kv_ProfValuesTable(const Kv_ProfValuesTable&) = default;
    Kv_ProfValuesTable& operator=(const Kv_ProfValuesTable&) = default;
    virtual ~Kv_ProfValuesTable() = default;

    // The library's name: the file name without folder and extension.  Set by readFromFile
    // and getFromSS; writeToFile does not store it (the file's name is the table name).
    Kv_String tableName;
    // The single cell of the file's first line.
    Kv_String description;
    Kv_StringArray columnNames;
    Kv_Array<Kv_StringArray> rows;

    // The profile folder: the library folder followed by "prof\".
    static Kv_String profileFolder();

    // fileName is relative to the profile folder ("IPE.pr").  True when the file was read;
    // a file of at most one line keeps that line as a data row, without column names.  On a
    // read failure the table is unchanged.
    bool readFromFile(const Kv_String& fileName);
    // Writes the description line, the column names and the rows; the file is replaced whole
    // or not at all.
    bool writeToFile(const Kv_String& fileName) const;

    // The cell at index of every row ("" for a row too short).  False (values untouched) when
    // there are no rows or the index is not below the length of the first row.
    bool getColumn(Kv_StringArray& values, int index) const;
    bool getColumn(Kv_StringArray& values, const Kv_String& name) const;
    // Index of the first column name equal to name (exact), -1 when none.
    int getColumnIdx(const Kv_String& name) const;
    bool getRow(Kv_StringArray& row, int index) const;

    // Inserts a new row after row index (-1: at the top): a copy of that row when it exists,
    // else empty cells, with a free system name made from the copied one (or "1") and, when
    // the table has a column for the current macro language, a display name of the display
    // base (the series word of the copied display name, else the table name) and the new
    // system name.  Without such a column no display name is written.
    bool insertRow(int index);
    bool deleteRow(int index);
    // Removes every row of at least two cells whose flag is "0" (case ignored).
    void removeInactiveEntries();

    // Every row's listed name (table name, "-", system name).  Rows without a system name (a
    // blank line) are never listed.  Empty when the first row with a name lacks column 1.
    void getSysNames(Kv_StringArray& names) const;
    // The same without the rows whose flag is "0".  A flag that is empty or anything else
    // counts as listed here.
    void getFilteredSysNames(Kv_StringArray& names) const;
    // The position of row index among the rows whose flag is "1"; every row before it whose
    // flag is not "1" (empty included) or that has no system name is left out of the count.
    // -1 for a bad index.
    int getfilteredIdx(int index) const;
    // The row whose system name equals name (exact); false when there is none.
    bool findSysName(const Kv_String& name, int& index) const;
    // A system name no row has, made from base.
    Kv_String findUnusedSysName(const Kv_String& base) const;

    // The sheet's column labels, the label of row 1 and its rows become the table; false, with
    // the table unchanged, for a sheet without rows or columns.
    bool getFromSS(const Kv_Spread& sheet);
    // Shows the table in the sheet: column 2 as check boxes, the column names as column
    // labels, the table name as every row label, all cells as texts; the sheet counts as
    // unchanged afterwards.  False (the sheet left empty) for a table without rows.
    bool setToSS(Kv_Spread& sheet) const;

private:
    bool listSysNames(Kv_StringArray& names, bool skipInactive) const;
};

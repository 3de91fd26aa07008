#pragma once
// DlgCSP2Data: the cutting-stock optimiser's record of named stock sets, each with rows in
// three tables (the profiles to cut, the stock lengths, the purchase lengths).  The optimiser
// fills it, the cutting-stock dialog edits a copy of it, and the optimiser reads it back.
//
// Rules it keeps (and the operations below maintain):
// - setIds and setNames run parallel: set i has identifier setIds[i] and name setNames[i];
//   their order is the order of the dialog's set list.  Names may be empty or repeated.
// - Identifiers are unique; new ones are positive and the first one is 1.
// - In each table, rowSetIds[i] names the set of rows[i]; the rows of one set lie next to
//   each other, in the order they are shown.  A row whose identifier names no set is kept
//   unchanged and never shown.
// - Every cell is plain text; what a cell means is the optimiser's business.
//
// The operations tolerate a record whose parallel arrays differ in length (a caller's fault):
// they only pair up the entries both arrays have, so nothing reads past an array.

#include <array>

#include <nlohmann/json_fwd.hpp>

#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"

class DlgCSP2Table {
public:
    DlgCSP2Table() = default;
    DlgCSP2Table(const DlgCSP2Table&) = default;
    DlgCSP2Table& operator=(const DlgCSP2Table&) = default;
    virtual ~DlgCSP2Table() = default;

    friend bool operator==(const DlgCSP2Table&, const DlgCSP2Table&) = default;

    Kv_StringArray headers;         // column captions, shown only
    Kv_Array<int> rowSetIds;        // the set of each row
    Kv_Array<Kv_StringArray> rows;  // the cells of each row, left to right

    // Every row of the set, in table order.
    Kv_Array<Kv_StringArray> rowsOfSet(int setId) const;
    // Removes every row of the set; the others keep their order.
    void removeRowsOfSet(int setId);
    // Removes the set's rows, then appends newRows (in order) at the end of the table.
    void replaceRowsOfSet(int setId, const Kv_Array<Kv_StringArray>& newRows);
    // The lowest index of a row of the set, -1 when it has none.
    int firstRowOfSet(int setId) const;
    // The number of rows of the set that follow each other from its first row: what a sheet
    // shows of it.
    int runLengthOfSet(int setId) const;
};

class DlgCSP2Data {
public:
    static constexpr int kFirstTable = 0;     // shown first, has no file
    static constexpr int kStockTable = 1;     // stored in ".shp" files
    static constexpr int kPurchaseTable = 2;  // stored in ".buy" files
    static constexpr int kTableCount = 3;

    DlgCSP2Data() = default;
    DlgCSP2Data(const DlgCSP2Data&) = default;
    DlgCSP2Data& operator=(const DlgCSP2Data&) = default;
    virtual ~DlgCSP2Data() = default;

    friend bool operator==(const DlgCSP2Data&, const DlgCSP2Data&) = default;

    bool stockUpdateMode = false;  // set by the caller only
    Kv_Array<int> setIds;
    Kv_StringArray setNames;
    std::array<DlgCSP2Table, kTableCount> tables;

    // The table with that number; nullptr outside 0..2.
    DlgCSP2Table* table(int number);
    const DlgCSP2Table* table(int number) const;

    // The number of sets both parallel arrays hold.
    int setCount() const;
    // The identifier of set `index`, -1 when the index names no set.
    int setIdAt(int index) const;
    // The index of the set with that identifier, -1 when none.
    int indexOfSet(int setId) const;

    // Appends a set named `name` with the identifier one above the largest in use (1 for the
    // first set) and no rows.  Returns the new identifier.
    int addSet(const Kv_String& name);
    // Removes set `index` and its rows of all three tables; an index outside the list does
    // nothing (false).  Rows of identifiers that name no set stay.
    bool removeSet(int index);
};

// JSON form: {"stockUpdateMode": bool, "setIds": [int...], "setNames": [text...],
// "tables": [{"headers": [...], "rowSetIds": [...], "rows": [[...]...]} x 3]}.
// Reading accepts any subset of the members, refuses unknown members, wrong types, a tables
// array that does not hold exactly three tables, and parallel arrays of unequal length,
// with nlohmann::json::type_error.
void to_json(nlohmann::json& out, const DlgCSP2Table& table);
void from_json(const nlohmann::json& in, DlgCSP2Table& table);
void to_json(nlohmann::json& out, const DlgCSP2Data& data);
void from_json(const nlohmann::json& in, DlgCSP2Data& data);

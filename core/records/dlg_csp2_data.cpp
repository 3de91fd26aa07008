#include "core/records/dlg_csp2_data.h"

#include <algorithm>
#include <climits>
#include <set>
#include <string>

#include <nlohmann/json.hpp>

#include "core/kv_json.h"
#include "core/records/strict_members.h"

// --- table operations ------------------------------------------------------------------------

namespace {

// Rows and identifiers are paired only as far as both arrays reach.
int pairedLength(const DlgCSP2Table& table) { return std::min(table.rowSetIds.length(), table.rows.length()); }

}  // namespace

Kv_Array<Kv_StringArray> DlgCSP2Table::rowsOfSet(int setId) const {
    Kv_Array<Kv_StringArray> found;
    const int count = pairedLength(*this);
    for (int i = 0; i < count; ++i)
        if (rowSetIds[i] == setId) found.append(rows[i]);
    return found;
}

void DlgCSP2Table::removeRowsOfSet(int setId) {
    // The same index is tested again after a removal, so adjacent rows of the set all go.
    int i = 0;
    while (i < rowSetIds.length()) {
        if (rowSetIds[i] != setId) {
            ++i;
            continue;
        }
        rowSetIds.removeAt(i);
        if (i < rows.length()) rows.removeAt(i);
    }
}

void DlgCSP2Table::replaceRowsOfSet(int setId, const Kv_Array<Kv_StringArray>& newRows) {
    removeRowsOfSet(setId);
    // Rows without an identifier (a caller's unequal arrays) would pair the new rows with the
    // wrong identifiers; cut them so that every appended row gets its own.
    if (rows.length() > rowSetIds.length()) rows.setLogicalLength(rowSetIds.length());
    if (rowSetIds.length() > rows.length()) rowSetIds.setLogicalLength(rows.length());
    for (const Kv_StringArray& row : newRows) {
        rows.append(row);
        rowSetIds.append(setId);
    }
}

int DlgCSP2Table::firstRowOfSet(int setId) const {
    const int count = pairedLength(*this);
    for (int i = 0; i < count; ++i)
        if (rowSetIds[i] == setId) return i;
    return -1;
}

int DlgCSP2Table::runLengthOfSet(int setId) const {
    const int first = firstRowOfSet(setId);
    if (first < 0) return 0;
    const int count = pairedLength(*this);
    int end = first;
    while (end < count && rowSetIds[end] == setId) ++end;
    return end - first;
}

// --- set operations --------------------------------------------------------------------------

DlgCSP2Table* DlgCSP2Data::table(int number) {
    return number >= 0 && number < kTableCount ? &tables[static_cast<size_t>(number)] : nullptr;
}

const DlgCSP2Table* DlgCSP2Data::table(int number) const {
    return number >= 0 && number < kTableCount ? &tables[static_cast<size_t>(number)] : nullptr;
}

int DlgCSP2Data::setCount() const { return std::min(setIds.length(), setNames.length()); }

int DlgCSP2Data::setIdAt(int index) const { return index >= 0 && index < setCount() ? setIds[index] : -1; }

int DlgCSP2Data::indexOfSet(int setId) const {
    for (int i = 0; i < setCount(); ++i)
        if (setIds[i] == setId) return i;
    return -1;
}

int DlgCSP2Data::addSet(const Kv_String& name) {
    int largest = 0;
    for (int id : setIds) largest = std::max(largest, id);
    int id = largest < INT_MAX ? largest + 1 : 0;
    if (id == 0) {
        // One above the largest does not exist; take the smallest free positive identifier
        // instead of wrapping round to a negative (or an existing) one.
        const std::set<int> used(setIds.begin(), setIds.end());
        id = 1;
        while (used.count(id)) ++id;
    }
    // Keep the parallel arrays paired even when a caller handed in unequal ones.
    setIds.setLogicalLength(setCount());
    setNames.setLogicalLength(setCount());
    setIds.append(id);
    setNames.append(name);
    return id;
}

bool DlgCSP2Data::removeSet(int index) {
    if (index < 0 || index >= setCount()) return false;
    const int id = setIds[index];
    for (DlgCSP2Table& each : tables) each.removeRowsOfSet(id);
    setIds.removeAt(index);
    setNames.removeAt(index);
    return true;
}

// --- JSON forms ------------------------------------------------------------------------------

using core_records::StrictMembers;
using nlohmann::json;

void to_json(json& out, const DlgCSP2Table& table) {
    out = json{{"headers", table.headers}, {"rowSetIds", table.rowSetIds}, {"rows", table.rows}};
}

void from_json(const json& in, DlgCSP2Table& table) {
    DlgCSP2Table read;
    StrictMembers members(in, "DlgCSP2Table");
    members.read("headers", read.headers);
    members.read("rowSetIds", read.rowSetIds);
    members.read("rows", read.rows);
    members.finish();
    if (read.rowSetIds.length() != read.rows.length()) members.fail("rowSetIds and rows differ in length");
    table = read;
}

void to_json(json& out, const DlgCSP2Data& data) {
    out = json{{"stockUpdateMode", data.stockUpdateMode},
               {"setIds", data.setIds},
               {"setNames", data.setNames},
               {"tables", json::array({data.tables[0], data.tables[1], data.tables[2]})}};
}

void from_json(const json& in, DlgCSP2Data& data) {
    DlgCSP2Data read;
    StrictMembers members(in, "DlgCSP2Data");
    members.read("stockUpdateMode", read.stockUpdateMode);
    members.read("setIds", read.setIds);
    members.read("setNames", read.setNames);
    if (const json* tables = members.take("tables")) {
        if (!tables->is_array() || tables->size() != DlgCSP2Data::kTableCount)
            members.fail("field \"tables\" must be an array of three tables");
        for (int i = 0; i < DlgCSP2Data::kTableCount; ++i)
            read.tables[static_cast<size_t>(i)] = (*tables)[i].get<DlgCSP2Table>();
    }
    members.finish();
    if (read.setIds.length() != read.setNames.length()) members.fail("setIds and setNames differ in length");
    std::set<int> unique(read.setIds.begin(), read.setIds.end());
    if (static_cast<int>(unique.size()) != read.setIds.length()) members.fail("setIds are not unique");
    data = read;
}

#include "sections/prof_values_table_json.h"

#include <nlohmann/json.hpp>

#include "core/kv_json.h"
#include "core/records/strict_members.h"

void to_json(nlohmann::json& out, const Kv_ProfValuesTable& table) {
    out = nlohmann::json{{"tableName", table.tableName},
                         {"description", table.description},
                         {"columnNames", table.columnNames},
                         {"rows", table.rows}};
}

void from_json(const nlohmann::json& in, Kv_ProfValuesTable& table) {
    core_records::StrictMembers members(in, "Kv_ProfValuesTable");
    Kv_ProfValuesTable read;
    members.read("tableName", read.tableName);
    members.read("description", read.description);
    members.read("columnNames", read.columnNames);
    members.read("rows", read.rows);
    members.finish();
    table = read;
}

bool operator==(const Kv_ProfValuesTable& a, const Kv_ProfValuesTable& b) {
    return a.tableName == b.tableName && a.description == b.description && a.columnNames == b.columnNames &&
           a.rows == b.rows;
}

#pragma once
// The JSON form of a profile values table, for scenarios and tests:
// {"tableName", "description", "columnNames", "rows"}.  Reading checks every member's type,
// refuses unknown members and keeps the defaults of absent ones.

#include <nlohmann/json_fwd.hpp>

#include "sections/kv_prof_values_table.h"

void to_json(nlohmann::json& out, const Kv_ProfValuesTable& table);
void from_json(const nlohmann::json& in, Kv_ProfValuesTable& table);
bool operator==(const Kv_ProfValuesTable& a, const Kv_ProfValuesTable& b);

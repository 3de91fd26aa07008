#include "core/records/edit_constr_data.h"

#include <string>

#include <nlohmann/json.hpp>

#include "core/kv_json.h"
#include "core/records/strict_members.h"

namespace {

using core_records::StrictMembers;
using nlohmann::json;

bool isId(const json& item) { return item.is_number_integer(); }
bool isInt16(const json& item) {
    if (item.is_number_unsigned()) return item.get<unsigned long long>() <= 32767ULL;
    return item.is_number_integer() && item.get<long long>() >= -32768 && item.get<long long>() <= 32767;
}

template <typename T>
Kv_Array<T> arrayOf(const json& member) {
    Kv_Array<T> out;
    for (const json& item : member) out.append(item.get<T>());
    return out;
}

// Object ids travel as their old-style integers.
void readIdArray(StrictMembers& members, const char* name, Kv_Array<AcDbObjectId>& value) {
    const json* member = members.take(name);
    if (!member) return;
    if (!StrictMembers::isArrayOf(*member, isId))
        members.fail(std::string("field \"") + name + "\" must be an array of object ids");
    Kv_Array<AcDbObjectId> ids;
    for (const json& item : *member) ids.append(AcDbObjectId::fromOldId(item.get<std::int64_t>()));
    value = ids;
}

void readIntRows(StrictMembers& members, const char* name, Kv_Array<Kv_Array<int>>& value) {
    const json* member = members.take(name);
    if (!member) return;
    auto isIntRow = [](const json& row) { return StrictMembers::isArrayOf(row, StrictMembers::isInt); };
    if (!StrictMembers::isArrayOf(*member, isIntRow))
        members.fail(std::string("field \"") + name + "\" must be an array of integer arrays");
    Kv_Array<Kv_Array<int>> rows;
    for (const json& row : *member) rows.append(arrayOf<int>(row));
    value = rows;
}

json idsToJson(const Kv_Array<AcDbObjectId>& ids) {
    json out = json::array();
    for (const AcDbObjectId& id : ids) out.push_back(id.asOldId());
    return out;
}

}  // namespace

void to_json(json& out, const EditConstrData& r) {
    out = json::object();
    out["macroId"] = r.macroId.asOldId();
    out["currentModule"] = r.currentModule;
    out["moduleNames"] = r.moduleNames;
    out["constraintIds"] = r.constraintIds;
    out["constraintKinds"] = r.constraintKinds;
    out["currentConstraintId"] = r.currentConstraintId;
    out["rowCells"] = r.rowCells;
    out["optionImages"] = r.optionImages;
    out["features"] = r.features;
    out["values"] = r.values;
    out["variableNames"] = r.variableNames;
    out["choiceIndex"] = r.choiceIndex;
    out["firstCheck"] = r.firstCheck;
    out["secondCheck"] = r.secondCheck;
    out["choiceItems"] = r.choiceItems;
    out["optionStates"] = r.optionStates;
    out["geometryCells"] = r.geometryCells;
    out["flexibility"] = r.flexibility;
    out["geometryFlag"] = r.geometryFlag;
    out["geometryIds"] = idsToJson(r.geometryIds);
    out["geometryExtra"] = r.geometryExtra;
    out["macroVariableNames"] = r.macroVariableNames;
    out["macroVariableValues"] = r.macroVariableValues;
    out["macroVariableTypes"] = r.macroVariableTypes;
    out["dimensionNames"] = r.dimensionNames;
    out["dimensionValues"] = r.dimensionValues;
    out["equations"] = r.equations;
}

void from_json(const json& in, EditConstrData& record) {
    EditConstrData r;
    StrictMembers members(in, "EditConstrData");
    if (const json* id = members.take("macroId")) {
        if (!isId(*id)) members.fail("field \"macroId\" must be an object id");
        r.macroId = AcDbObjectId::fromOldId(id->get<std::int64_t>());
    }
    members.read("currentModule", r.currentModule);
    members.read("moduleNames", r.moduleNames);
    members.read("constraintIds", r.constraintIds);
    members.read("constraintKinds", r.constraintKinds);
    members.read("currentConstraintId", r.currentConstraintId);
    members.read("rowCells", r.rowCells);
    members.read("optionImages", r.optionImages);
    readIntRows(members, "features", r.features);
    members.read("values", r.values);
    members.read("variableNames", r.variableNames);
    members.read("choiceIndex", r.choiceIndex);
    auto isBools = [](const json& m) {
        return StrictMembers::isArrayOf(m, [](const json& b) { return b.is_boolean(); });
    };
    members.readChecked("firstCheck", r.firstCheck, "an array of true or false", isBools);
    members.readChecked("secondCheck", r.secondCheck, "an array of true or false", isBools);
    members.read("choiceItems", r.choiceItems);
    readIntRows(members, "optionStates", r.optionStates);
    members.read("geometryCells", r.geometryCells);
    members.read("flexibility", r.flexibility);
    members.read("geometryFlag", r.geometryFlag);
    readIdArray(members, "geometryIds", r.geometryIds);
    members.read("geometryExtra", r.geometryExtra);
    members.read("macroVariableNames", r.macroVariableNames);
    members.readChecked("macroVariableValues", r.macroVariableValues, "an array of numbers", [](const json& m) {
        return StrictMembers::isArrayOf(m, [](const json& v) { return v.is_number(); });
    });
    members.readChecked("macroVariableTypes", r.macroVariableTypes, "an array of integers from -32768 to 32767",
                        [](const json& m) { return StrictMembers::isArrayOf(m, isInt16); });
    members.read("dimensionNames", r.dimensionNames);
    members.read("dimensionValues", r.dimensionValues);
    members.read("equations", r.equations);
    members.finish();
    record = r;
}

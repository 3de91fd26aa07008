#include "core/records/dyn_array_data.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "core/kv_json.h"
#include "core/records/strict_members.h"

Kv_String* DynArrayData::value(int number) {
    switch (number) {
    case 1: return &value1;
    case 2: return &value2;
    case 3: return &value3;
    case 4: return &value4;
    case 5: return &value5;
    default: return nullptr;
    }
}

const Kv_String* DynArrayData::value(int number) const { return const_cast<DynArrayData*>(this)->value(number); }

int* DynArrayData::valueLink(int number) {
    switch (number) {
    case 1: return &value1Link;
    case 2: return &value2Link;
    case 3: return &value3Link;
    case 4: return &value4Link;
    case 5: return &value5Link;
    default: return nullptr;
    }
}

int DynArrayData::valueLink(int number) const {
    const int* link = const_cast<DynArrayData*>(this)->valueLink(number);
    return link ? *link : 0;
}

bool DynArrayData::hasValueLink() const {
    for (int number = 1; number <= kValueCount; ++number)
        if (valueLink(number) > 0) return true;
    return false;
}

void DynArrayData::getEntryColumns(Kv_Array<int>& numbers, Kv_Array<int>& flags, Kv_StringArray& values) const {
    numbers.removeAll();
    flags.removeAll();
    values.removeAll();
    for (const DynArrayEntry& entry : entries) {
        numbers.append(entry.number);
        flags.append(entry.on ? 1 : 0);
        values.append(entry.value);
    }
}

void DynArrayData::setEntryColumns(const Kv_Array<int>& numbers, const Kv_Array<int>& flags,
                                   const Kv_StringArray& values) {
    const int count = std::min({numbers.length(), flags.length(), values.length()});
    entries.setLogicalLength(count);
    for (int i = 0; i < count; ++i) {
        entries[i].number = numbers[i];
        entries[i].on = flags[i] != 0;
        entries[i].value = values[i];
    }
}

bool DynArrayData::setEntryAction(int index, int action) {
    if (!entries.isValidIndex(index)) return false;
    entries[index].action = action;
    return true;
}

// --- JSON forms ------------------------------------------------------------------------------

using core_records::StrictMembers;
using nlohmann::json;

void to_json(json& out, const DynArrayEntry& entry) {
    out = json{{"number", entry.number},
               {"on", entry.on},
               {"value", entry.value},
               {"link", entry.link},
               {"action", entry.action}};
}

void from_json(const json& in, DynArrayEntry& entry) {
    DynArrayEntry read;
    StrictMembers members(in, "DynArrayEntry");
    members.read("number", read.number);
    members.read("on", read.on);
    members.read("value", read.value);
    members.read("link", read.link);
    members.read("action", read.action);
    members.finish();
    entry = read;
}

void to_json(json& out, const DynArrayData& array) {
    out = json{{"name", array.name},
               {"arrayType", array.arrayType},
               {"value0", array.value0},
               {"dimName1", array.dimName1},
               {"dimName2", array.dimName2},
               {"dimName3", array.dimName3},
               {"dimName4", array.dimName4},
               {"value1", array.value1},
               {"value2", array.value2},
               {"value3", array.value3},
               {"value4", array.value4},
               {"value5", array.value5},
               {"skipCount", array.skipCount},
               {"option", array.option},
               {"alternating", array.alternating},
               {"value1Link", array.value1Link},
               {"value2Link", array.value2Link},
               {"value3Link", array.value3Link},
               {"value4Link", array.value4Link},
               {"value5Link", array.value5Link},
               {"buttonLink", array.buttonLink},
               {"entries", array.entries}};
}

void from_json(const json& in, DynArrayData& array) {
    DynArrayData read;
    StrictMembers members(in, "DynArrayData");
    members.read("name", read.name);
    members.read("arrayType", read.arrayType);
    members.read("value0", read.value0);
    members.read("dimName1", read.dimName1);
    members.read("dimName2", read.dimName2);
    members.read("dimName3", read.dimName3);
    members.read("dimName4", read.dimName4);
    members.read("value1", read.value1);
    members.read("value2", read.value2);
    members.read("value3", read.value3);
    members.read("value4", read.value4);
    members.read("value5", read.value5);
    members.read("skipCount", read.skipCount);
    members.read("option", read.option);
    members.read("alternating", read.alternating);
    members.read("value1Link", read.value1Link);
    members.read("value2Link", read.value2Link);
    members.read("value3Link", read.value3Link);
    members.read("value4Link", read.value4Link);
    members.read("value5Link", read.value5Link);
    members.read("buttonLink", read.buttonLink);
    members.readRecords("entries", read.entries);
    members.finish();
    array = read;
}

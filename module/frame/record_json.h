#pragma once
// Reading a record's JSON form strictly, member by member, with core's reader (types checked
// before converting, integers refused outside the int range, absent members keep the
// record's defaults, finish() refuses members nobody read), plus the members only the module
// knows: object ids of the host's drawing.  Faults are thrown as nlohmann::json::type_error,
// as every from_json does; callers that must not throw read through kvFromJson.

#include <cstdint>
#include <string>

#include <nlohmann/json.hpp>

#include "core/records/strict_members.h"
#include "host/ac_array.h"
#include "host/object_id.h"

namespace frame {

class RecordReader : public core_records::StrictMembers {
public:
    RecordReader(const nlohmann::json& in, std::string record) : StrictMembers(in, std::move(record)) {}

    using StrictMembers::read;
    void read(const char* name, AcArray<AcDbObjectId>& value) {
        if (const nlohmann::json* member = take(name)) {
            if (!isArrayOf(*member, [](const nlohmann::json& item) { return item.is_number_integer(); }))
                fail(std::string("field \"") + name + "\" must be an array of object ids");
            AcArray<AcDbObjectId> ids(0, value.growLength());
            for (const nlohmann::json& item : *member) ids.append(AcDbObjectId::fromOldId(item.get<std::int64_t>()));
            value = ids;
        }
    }
};

}  // namespace frame

#pragma once
// Reading a record's JSON form strictly, member by member: each member's JSON type is checked
// before it is converted (1.5 is not taken for an int, nor true for 1), members that are
// absent keep the record's defaults, and finish() refuses members nobody read, so that a
// misspelt field in a scenario is reported rather than ignored.  Faults are thrown as
// nlohmann::json::type_error, as every from_json does; callers that must not throw read
// through kvFromJson.

#include <cstdint>
#include <set>
#include <string>

#include <nlohmann/json.hpp>

#include "core/kv_json.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "host/ac_array.h"
#include "host/object_id.h"

namespace frame {

class RecordReader {
public:
    RecordReader(const nlohmann::json& in, std::string record) : in_(in), record_(std::move(record)) {
        if (!in.is_object()) refuse(record_ + ": expected an object");
    }

    void read(const char* name, int& value) {
        if (const nlohmann::json* member = take(name)) {
            if (!member->is_number_integer()) wrongType(name, "an integer");
            value = member->get<int>();
        }
    }
    void read(const char* name, double& value) {
        if (const nlohmann::json* member = take(name)) {
            if (!member->is_number()) wrongType(name, "a number");
            value = member->get<double>();
        }
    }
    void read(const char* name, bool& value) {
        if (const nlohmann::json* member = take(name)) {
            if (!member->is_boolean()) wrongType(name, "true or false");
            value = member->get<bool>();
        }
    }
    void read(const char* name, Kv_String& value) {
        if (const nlohmann::json* member = take(name)) {
            if (!member->is_string()) wrongType(name, "a text");
            value = member->get<Kv_String>();
        }
    }
    void read(const char* name, Kv_StringArray& value) {
        if (const nlohmann::json* member = take(name)) {
            if (!member->is_array()) wrongType(name, "an array of texts");
            for (const nlohmann::json& item : *member)
                if (!item.is_string()) wrongType(name, "an array of texts");
            value = member->get<Kv_StringArray>();
        }
    }
    void read(const char* name, AcArray<AcDbObjectId>& value) {
        if (const nlohmann::json* member = take(name)) {
            if (!member->is_array()) wrongType(name, "an array of object ids");
            AcArray<AcDbObjectId> ids(0, value.growLength());
            for (const nlohmann::json& item : *member) {
                if (!item.is_number_integer()) wrongType(name, "an array of object ids");
                ids.append(AcDbObjectId::fromOldId(item.get<std::int64_t>()));
            }
            value = ids;
        }
    }

    // The member for reading by hand (records inside records), nullptr when absent.
    const nlohmann::json* take(const char* name) {
        read_.insert(name);
        auto found = in_.find(name);
        return found == in_.end() ? nullptr : &*found;
    }

    void finish() const {
        for (const auto& item : in_.items())
            if (!read_.count(item.key())) refuse(record_ + ": unknown field \"" + item.key() + "\"");
    }

private:
    [[noreturn]] void refuse(const std::string& reason) const {
        throw nlohmann::json::type_error::create(302, reason, &in_);
    }
    [[noreturn]] void wrongType(const char* name, const char* expected) const {
        refuse(record_ + ": field \"" + name + "\" must be " + expected);
    }

    const nlohmann::json& in_;
    std::string record_;
    std::set<std::string> read_;
};

}  // namespace frame

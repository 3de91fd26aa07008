#pragma once
// Reads the members of one record's JSON object with their JSON types checked before
// converting, so that 1.5 is not taken for an int, true for 1, or 3000000000 wrapped into an
// int, and refuses members nobody asked for, so that a misspelt field in a scenario is reported
// instead of silently ignored.  Members that are absent keep the record's defaults.  Failures
// are nlohmann type errors, as every from_json throws, which the callable adapters turn into
// refusals.  Every JSON reader of records, in core and in the module, is built on this one.

#include <climits>
#include <cstdint>
#include <set>
#include <string>
#include <utility>

#include <nlohmann/json.hpp>

#include "core/kv_array.h"
#include "core/kv_json.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "host/ac_array.h"
#include "host/object_id.h"

namespace core_records {

class StrictMembers {
public:
    using json = nlohmann::json;

    StrictMembers(const json& in, std::string record) : in_(in), record_(std::move(record)) {
        if (!in.is_object()) refuse(in, record_ + ": expected an object");
    }

    void read(const char* name, int& value) {
        if (const json* member = take(name)) {
            if (!member->is_number_integer()) fail(std::string("field \"") + name + "\" must be an integer");
            if (!isInt(*member))
                fail(std::string("field \"") + name + "\" must be an integer from " + std::to_string(INT_MIN) + " to " +
                     std::to_string(INT_MAX));
            value = member->get<int>();
        }
    }
    void read(const char* name, double& value) {
        readChecked(name, value, "a number", [](const json& m) { return m.is_number(); });
    }
    void read(const char* name, bool& value) {
        readChecked(name, value, "true or false", [](const json& m) { return m.is_boolean(); });
    }
    void read(const char* name, Kv_String& value) {
        readChecked(name, value, "a text", [](const json& m) { return m.is_string(); });
    }
    void read(const char* name, Kv_StringArray& value) { readChecked(name, value, "an array of texts", isTexts); }
    void read(const char* name, Kv_Array<int>& value) {
        readChecked(name, value, "an array of integers", [](const json& m) { return isArrayOf(m, isInt); });
    }
    void read(const char* name, Kv_Array<Kv_StringArray>& value) {
        readChecked(name, value, "an array of rows", [](const json& m) { return isArrayOf(m, isTexts); });
    }
    // A member whose JSON shape `valid` accepts, converted with its from_json.
    template <typename T, typename Valid>
    void readChecked(const char* name, T& value, const char* expected, Valid valid) {
        if (const json* member = take(name)) {
            if (!valid(*member)) fail(std::string("field \"") + name + "\" must be " + expected);
            value = member->get<T>();
        }
    }

    // An object id travels as its old-style integer.
    void read(const char* name, AcDbObjectId& value) {
        if (const json* member = take(name)) {
            if (!member->is_number_integer()) fail(std::string("field \"") + name + "\" must be an object id");
            value = AcDbObjectId::fromOldId(member->get<std::int64_t>());
        }
    }
    void read(const char* name, AcArray<AcDbObjectId>& value) {
        if (const json* member = take(name)) {
            if (!isArrayOf(*member, [](const json& item) { return item.is_number_integer(); }))
                fail(std::string("field \"") + name + "\" must be an array of object ids");
            AcArray<AcDbObjectId> ids;
            for (const json& item : *member) ids.append(AcDbObjectId::fromOldId(item.get<std::int64_t>()));
            value = ids;
        }
    }
    // A record inside the record, read by its own from_json; its refusal is passed on with the
    // member's name in front, so the reason says where the wrong shape sits.
    template <typename Record>
    void readRecord(const char* name, Record& value) {
        if (const json* member = take(name)) value = nested<Record>(*member, std::string("field \"") + name + "\"");
    }
    // An array of records; the reason names the member and the index of the refused element.
    template <typename Record>
    void readRecords(const char* name, Kv_Array<Record>& value) {
        if (const json* member = take(name)) {
            if (!member->is_array()) fail(std::string("field \"") + name + "\" must be an array of records");
            Kv_Array<Record> records;
            int index = 0;
            for (const json& item : *member)
                records.append(
                    nested<Record>(item, std::string("field \"") + name + "\"[" + std::to_string(index++) + "]"));
            value = records;
        }
    }

    // The member, marked as read, for reading by hand (records inside records); nullptr when
    // it is missing.
    const json* take(const char* name) {
        read_.insert(name);
        auto found = in_.find(name);
        return found == in_.end() ? nullptr : &*found;
    }
    // Refuses the members nobody read.
    void finish() const {
        for (const auto& item : in_.items())
            if (!read_.count(item.key())) fail("unknown field \"" + item.key() + "\"");
    }
    [[noreturn]] void fail(const std::string& reason) const { refuse(in_, record_ + ": " + reason); }

    static bool isInt(const json& m) {
        if (m.is_number_unsigned()) return m.get<unsigned long long>() <= static_cast<unsigned long long>(INT_MAX);
        return m.is_number_integer() && m.get<long long>() >= INT_MIN && m.get<long long>() <= INT_MAX;
    }
    static bool isTexts(const json& m) {
        return isArrayOf(m, [](const json& item) { return item.is_string(); });
    }
    template <typename Valid>
    static bool isArrayOf(const json& m, Valid valid) {
        if (!m.is_array()) return false;
        for (const json& item : m)
            if (!valid(item)) return false;
        return true;
    }

private:
    template <typename Record>
    Record nested(const json& item, const std::string& where) const {
        try {
            return item.get<Record>();
        } catch (const json::exception& e) {
            // what() starts with the library's "[json.exception...] " tag; keep only the reason.
            std::string reason = e.what();
            const size_t tag = reason.find("] ");
            if (tag != std::string::npos) reason.erase(0, tag + 2);
            fail(where + ": " + reason);
        }
    }

    [[noreturn]] static void refuse(const json& at, const std::string& reason) {
        throw json::type_error::create(302, reason, &at);
    }

    const json& in_;
    std::string record_;
    std::set<std::string> read_;
};

}  // namespace core_records

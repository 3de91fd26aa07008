#pragma once
// Reads the members of one record's JSON object with their JSON types checked before
// converting, so that 1.5 is not taken for an int, true for 1, or 3000000000 wrapped into an
// int, and refuses members nobody asked for, so that a misspelt field in a scenario is reported
// instead of silently ignored.  Members that are absent keep the record's defaults.  Failures
// are nlohmann type errors, as every from_json throws, which the callable adapters turn into
// refusals.  Every JSON reader of records, in core and in the module, is built on this one.

#include <climits>
#include <set>
#include <string>
#include <utility>

#include <nlohmann/json.hpp>

#include "core/kv_array.h"
#include "core/kv_json.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"

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
                fail(std::string("field \"") + name + "\" must be an integer from " + std::to_string(INT_MIN) +
                     " to " + std::to_string(INT_MAX));
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
    void read(const char* name, Kv_StringArray& value) {
        readChecked(name, value, "an array of texts", isTexts);
    }
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
    static bool isTexts(const json& m) { return isArrayOf(m, [](const json& item) { return item.is_string(); }); }
    template <typename Valid>
    static bool isArrayOf(const json& m, Valid valid) {
        if (!m.is_array()) return false;
        for (const json& item : m)
            if (!valid(item)) return false;
        return true;
    }

private:
    [[noreturn]] static void refuse(const json& at, const std::string& reason) {
        throw json::type_error::create(302, reason, &at);
    }

    const json& in_;
    std::string record_;
    std::set<std::string> read_;
};

}  // namespace core_records

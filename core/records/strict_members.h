#pragma once
// Reads the members of one record's JSON object with their JSON types checked before
// converting, so that 1.5 is not taken for an int or true for 1, and refuses members nobody
// asked for, so that a misspelt field in a scenario is reported instead of silently ignored.
// Failures are nlohmann type errors, which the callable adapters turn into refusals.

#include <climits>
#include <set>
#include <string>

#include <nlohmann/json.hpp>

#include "core/kv_array.h"
#include "core/kv_json.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"

namespace core_records {

class StrictMembers {
public:
    using json = nlohmann::json;

    StrictMembers(const json& in, const char* record) : in_(in), record_(record) {
        if (!in.is_object()) refuse(in, std::string(record) + ": expected an object");
    }

    void read(const char* name, int& value) {
        readChecked(name, value, "an integer", [](const json& m) { return isInt(m); });
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

    // The member, marked as read; nullptr when it is missing.
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
    [[noreturn]] void fail(const std::string& reason) const { refuse(in_, std::string(record_) + ": " + reason); }

    static bool isInt(const json& m) {
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
    const char* record_;
    std::set<std::string> read_;
};

}  // namespace core_records

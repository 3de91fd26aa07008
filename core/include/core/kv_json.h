#pragma once
// JSON forms of the core library's basic types, for scenarios, tests and the host program.
// Texts leave as UTF-8 and come back to code page 1252 (characters it lacks become '?').
// A Kv_Array is a JSON array of its elements' forms; a property list is an array of
// {"name":..,"type":"int"|"double"|"string","value":..} in list order.
// from_json throws nlohmann::json::exception on a wrong shape, like every nlohmann form;
// kvFromJson wraps that into a result for callers that must not throw.

#include <string>

#include <nlohmann/json.hpp>

#include "core/kv_array.h"
#include "core/kv_properties_list.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"

void to_json(nlohmann::json& out, const Kv_String& text);
void from_json(const nlohmann::json& in, Kv_String& text);
void to_json(nlohmann::json& out, const Kv_StringArray& list);
void from_json(const nlohmann::json& in, Kv_StringArray& list);
void to_json(nlohmann::json& out, const Kv_PropertiesList& list);
void from_json(const nlohmann::json& in, Kv_PropertiesList& list);

template <typename T>
void to_json(nlohmann::json& out, const Kv_Array<T>& array) {
    out = nlohmann::json::array();
    for (const T& item : array) out.push_back(item);
}

template <typename T>
void from_json(const nlohmann::json& in, Kv_Array<T>& array) {
    if (!in.is_array()) throw nlohmann::json::type_error::create(302, "expected an array", &in);
    Kv_Array<T> result;
    for (const auto& item : in) result.append(item.template get<T>());
    array = std::move(result);
}

// Reads value from json; on a wrong shape returns false with the reason and leaves value.
template <typename T>
bool kvFromJson(const nlohmann::json& in, T& value, std::string* reason = nullptr) {
    try {
        T parsed = in.template get<T>();
        value = std::move(parsed);
        return true;
    } catch (const nlohmann::json::exception& e) {
        if (reason) *reason = e.what();
        return false;
    }
}

#pragma once
// JSON form of AcArray<T>: a JSON array of the elements' forms (object ids are their numbers).
// The grow length is not part of the form; a read array keeps its default.

#include <nlohmann/json.hpp>

#include "host/ac_array.h"
#include "host/drawing_database.h"

template <typename T>
void to_json(nlohmann::json& out, const AcArray<T>& array) {
    out = nlohmann::json::array();
    for (const T& item : array) out.push_back(item);
}

template <typename T>
void from_json(const nlohmann::json& in, AcArray<T>& array) {
    if (!in.is_array()) throw nlohmann::json::type_error::create(302, "expected an array", &in);
    AcArray<T> result(0, array.growLength());
    for (const auto& item : in) result.append(item.template get<T>());
    array = result;
}

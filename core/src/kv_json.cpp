#include "core/kv_json.h"

#include "base/cp1252.h"

void to_json(nlohmann::json& out, const Kv_String& text) { out = base::cp1252ToUtf8(text.view()); }

void from_json(const nlohmann::json& in, Kv_String& text) {
    text = Kv_String(base::utf8ToCp1252(in.get<std::string>()));
}

void to_json(nlohmann::json& out, const Kv_StringArray& list) {
    out = nlohmann::json::array();
    for (const Kv_String& item : list) out.push_back(item);
}

void from_json(const nlohmann::json& in, Kv_StringArray& list) {
    if (!in.is_array()) throw nlohmann::json::type_error::create(302, "expected an array of texts", &in);
    Kv_StringArray result;
    for (const auto& item : in) result.append(item.get<Kv_String>());
    list = std::move(result);
}

void to_json(nlohmann::json& out, const Kv_PropertiesList& list) {
    out = nlohmann::json::array();
    for (const Kv_String& name : list.names()) {
        Kv_PropertiesList::Type type = Kv_PropertiesList::Type::String;
        list.typeOf(name, type);
        nlohmann::json item = {{"name", name}};
        if (type == Kv_PropertiesList::Type::Int) {
            int value = 0;
            list.getProperty(name, value);
            item["type"] = "int";
            item["value"] = value;
        } else if (type == Kv_PropertiesList::Type::Double) {
            double value = 0;
            list.getProperty(name, value);
            item["type"] = "double";
            item["value"] = value;
        } else {
            Kv_String value;
            list.getProperty(name, value);
            item["type"] = "string";
            item["value"] = value;
        }
        out.push_back(std::move(item));
    }
}

void from_json(const nlohmann::json& in, Kv_PropertiesList& list) {
    if (!in.is_array()) throw nlohmann::json::type_error::create(302, "expected an array of properties", &in);
    Kv_PropertiesList result;
    for (const auto& item : in) {
        Kv_String name = item.at("name").get<Kv_String>();
        std::string type = item.at("type").get<std::string>();
        const auto& value = item.at("value");
        Acad::ErrorStatus status;
        if (type == "int")
            status = result.setProperty(name, value.get<int>());
        else if (type == "double")
            status = result.setProperty(name, value.get<double>());
        else if (type == "string")
            status = result.setProperty(name, value.get<Kv_String>());
        else
            throw nlohmann::json::other_error::create(501, "unknown property type \"" + type + "\"", &item);
        if (status != Acad::eOk) throw nlohmann::json::other_error::create(501, "a property needs a name", &item);
    }
    list = std::move(result);
}

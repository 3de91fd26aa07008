#include "host/drawing_database.h"

#include <cstdio>

#include <nlohmann/json.hpp>

#include "base/cp1252.h"

namespace host {

DrawingDatabase& DrawingDatabase::instance() {
    static DrawingDatabase database;
    return database;
}

AcDbObjectId DrawingDatabase::addObject(std::string_view type, PropertyMap properties) {
    AcDbObjectId id = AcDbObjectId::fromOldId(nextId_++);
    DrawingObject& object = objects_[id];
    object.id = id;
    object.type = std::string(type);
    append("add", id, type, std::nullopt);
    for (auto& [name, value] : properties) append("set", id, name, value);
    object.properties = std::move(properties);
    return id;
}

Acad::ErrorStatus DrawingDatabase::setProperty(AcDbObjectId id, std::string_view name, PropertyValue value) {
    if (id.isNull()) return Acad::eNullObjectId;
    if (name.empty()) return Acad::eInvalidInput;
    auto it = objects_.find(id);
    if (it == objects_.end()) return Acad::eNotInDatabase;
    if (it->second.erased) return Acad::eWasErased;
    append("set", id, name, value);
    auto prop = it->second.properties.find(name);
    if (prop == it->second.properties.end())
        it->second.properties.emplace(std::string(name), std::move(value));
    else
        prop->second = std::move(value);
    return Acad::eOk;
}

Acad::ErrorStatus DrawingDatabase::getProperty(AcDbObjectId id, std::string_view name, PropertyValue& value) const {
    if (id.isNull()) return Acad::eNullObjectId;
    auto it = objects_.find(id);
    if (it == objects_.end()) return Acad::eNotInDatabase;
    if (it->second.erased) return Acad::eWasErased;
    auto prop = it->second.properties.find(name);
    if (prop == it->second.properties.end()) return Acad::eKeyNotFound;
    value = prop->second;
    return Acad::eOk;
}

Acad::ErrorStatus DrawingDatabase::eraseObject(AcDbObjectId id) {
    if (id.isNull()) return Acad::eNullObjectId;
    auto it = objects_.find(id);
    if (it == objects_.end()) return Acad::eNotInDatabase;
    if (it->second.erased) return Acad::eWasErased;
    it->second.erased = true;
    append("erase", id, it->second.type, std::nullopt);
    return Acad::eOk;
}

const DrawingObject* DrawingDatabase::object(AcDbObjectId id) const {
    auto it = objects_.find(id);
    return it == objects_.end() ? nullptr : &it->second;
}

std::vector<AcDbObjectId> DrawingDatabase::objectIds(std::string_view type) const {
    std::vector<AcDbObjectId> ids;
    for (const auto& [id, object] : objects_)
        if (!object.erased && (type.empty() || object.type == type)) ids.push_back(id);
    return ids;
}

void DrawingDatabase::logAction(std::string_view action, AcDbObjectId id, std::string_view text,
                                std::optional<PropertyValue> value) {
    append(action, id, text, std::move(value));
}

void DrawingDatabase::append(std::string_view action, AcDbObjectId id, std::string_view name,
                             std::optional<PropertyValue> value) {
    DrawingLogEntry entry;
    entry.sequence = static_cast<int>(log_.size()) + 1;
    entry.action = std::string(action);
    entry.id = id;
    entry.name = std::string(name);
    entry.value = std::move(value);
    log_.push_back(std::move(entry));
}

namespace {

std::string valueText(const PropertyValue& value) {
    char buffer[96];
    if (auto* i = std::get_if<long long>(&value)) return std::to_string(*i);
    if (auto* d = std::get_if<double>(&value)) {
        std::snprintf(buffer, sizeof buffer, "%.17g", *d);
        return buffer;
    }
    if (auto* s = std::get_if<std::string>(&value)) return "\"" + *s + "\"";
    const Point3d& p = std::get<Point3d>(value);
    std::snprintf(buffer, sizeof buffer, "(%.17g, %.17g, %.17g)", p.x, p.y, p.z);
    return buffer;
}

}  // namespace

std::string DrawingDatabase::logText() const {
    std::string text;
    for (const DrawingLogEntry& e : log_) {
        text += std::to_string(e.sequence) + " " + e.action + " #" + std::to_string(e.id.asOldId());
        if (!e.name.empty()) text += " " + e.name;
        if (e.value) text += " = " + valueText(*e.value);
        text += "\n";
    }
    return text;
}

void DrawingDatabase::clearLog() { log_.clear(); }

void DrawingDatabase::reset() {
    objects_.clear();
    log_.clear();
    nextId_ = 1;
}

void to_json(nlohmann::json& out, const Point3d& p) { out = {{"x", p.x}, {"y", p.y}, {"z", p.z}}; }

void from_json(const nlohmann::json& in, Point3d& p) {
    p.x = in.at("x").get<double>();
    p.y = in.at("y").get<double>();
    p.z = in.value("z", 0.0);
}

void to_json(nlohmann::json& out, const PropertyValue& value) {
    if (auto* i = std::get_if<long long>(&value))
        out = *i;
    else if (auto* d = std::get_if<double>(&value))
        out = *d;
    else if (auto* s = std::get_if<std::string>(&value))
        out = base::cp1252ToUtf8(*s);
    else
        to_json(out, std::get<Point3d>(value));
}

void to_json(nlohmann::json& out, const DrawingObject& object) {
    nlohmann::json properties = nlohmann::json::object();
    for (const auto& [name, value] : object.properties) to_json(properties[base::cp1252ToUtf8(name)], value);
    out = {{"id", object.id.asOldId()},
           {"type", base::cp1252ToUtf8(object.type)},
           {"erased", object.erased},
           {"properties", properties}};
}

void to_json(nlohmann::json& out, const DrawingLogEntry& entry) {
    out = {{"seq", entry.sequence},
           {"action", base::cp1252ToUtf8(entry.action)},
           {"id", entry.id.asOldId()},
           {"name", base::cp1252ToUtf8(entry.name)}};
    if (entry.value) to_json(out["value"], *entry.value);
}

nlohmann::json drawingLogJson() {
    nlohmann::json out = nlohmann::json::array();
    for (const DrawingLogEntry& entry : DrawingDatabase::instance().log()) {
        nlohmann::json item;
        to_json(item, entry);
        out.push_back(std::move(item));
    }
    return out;
}

}  // namespace host

void to_json(nlohmann::json& out, const AcDbObjectId& id) { out = id.asOldId(); }

void from_json(const nlohmann::json& in, AcDbObjectId& id) { id.setFromOldId(in.get<std::int64_t>()); }

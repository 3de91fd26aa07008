#pragma once
// A small drawing database: objects by id, each with a type and named properties.  Every
// change is appended to a log, which tests and the host program read to see what the core
// library did to the drawing.  Erased objects keep their id (ids are never reused).

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "host/error_status.h"
#include "host/geometry.h"
#include "host/object_id.h"

namespace host {

// Text values are code page 1252 bytes like every text of the package.
using PropertyValue = std::variant<long long, double, std::string, Point3d>;
using PropertyMap = std::map<std::string, PropertyValue, std::less<>>;

struct DrawingObject {
    AcDbObjectId id;
    std::string type;
    PropertyMap properties;
    bool erased = false;
};

struct DrawingLogEntry {
    int sequence = 0;    // 1, 2, 3... since the last reset
    std::string action;  // "add", "set", "erase", "pick" or a caller's own action word
    AcDbObjectId id;
    std::string name;  // property name for "set", object type for "add", free text else
    std::optional<PropertyValue> value;
};

class DrawingDatabase {
public:
    static DrawingDatabase& instance();

    AcDbObjectId addObject(std::string_view type, PropertyMap properties = {});
    Acad::ErrorStatus setProperty(AcDbObjectId id, std::string_view name, PropertyValue value);
    // Leaves value untouched unless the result is eOk.
    Acad::ErrorStatus getProperty(AcDbObjectId id, std::string_view name, PropertyValue& value) const;
    Acad::ErrorStatus eraseObject(AcDbObjectId id);
    // nullptr for an unknown id; erased objects are still returned (with erased set).
    const DrawingObject* object(AcDbObjectId id) const;
    // Ids of the live objects of a type (every type when empty), oldest first.
    std::vector<AcDbObjectId> objectIds(std::string_view type = {}) const;

    // Records an update that is not a property change (a preview drawn, a macro rebuilt...).
    void logAction(std::string_view action, AcDbObjectId id, std::string_view text,
                   std::optional<PropertyValue> value = std::nullopt);

    const std::vector<DrawingLogEntry>& log() const { return log_; }
    // One line per entry: "3 set #2 width = 12.5" (text in code page 1252).
    std::string logText() const;
    void clearLog();
    // Empties the database and the log, and starts ids at 1 again.
    void reset();

private:
    void append(std::string_view action, AcDbObjectId id, std::string_view name, std::optional<PropertyValue> value);

    std::map<AcDbObjectId, DrawingObject> objects_;
    std::vector<DrawingLogEntry> log_;
    std::int64_t nextId_ = 1;
};

// JSON forms (texts converted to UTF-8).  A point is {"x":..,"y":..,"z":..}; an id is its number.
void to_json(nlohmann::json& out, const PropertyValue& value);
void to_json(nlohmann::json& out, const DrawingObject& object);
void to_json(nlohmann::json& out, const DrawingLogEntry& entry);
void to_json(nlohmann::json& out, const Point3d& point);
void from_json(const nlohmann::json& in, Point3d& point);
nlohmann::json drawingLogJson();

}  // namespace host

void to_json(nlohmann::json& out, const AcDbObjectId& id);
void from_json(const nlohmann::json& in, AcDbObjectId& id);

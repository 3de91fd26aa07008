#include "core/macro_profile_calls.h"

#include <cmath>
#include <string>

#include "core/kv_texts.h"
#include "host/command_line.h"
#include "host/drawing_database.h"
#include "host/picks.h"

namespace {

host::DrawingDatabase& drawing() { return host::DrawingDatabase::instance(); }

// The offset types: the reference point of the section the profile is placed by, row by row
// over the section's bounding box, in the order of their numbers.
constexpr const char* kOffsetTypes[] = {"Top left",     "Top centre",  "Top right",     "Middle left", "Centre",
                                        "Middle right", "Bottom left", "Bottom centre", "Bottom right"};
constexpr int kOffsetTypeCount = static_cast<int>(sizeof(kOffsetTypes) / sizeof(kOffsetTypes[0]));

std::string nameOf(const host::DrawingObject& object, const char* fallback) {
    const auto found = object.properties.find("name");
    if (found != object.properties.end())
        if (const std::string* name = std::get_if<std::string>(&found->second); name && !name->empty()) return *name;
    return std::string(fallback) + " #" + std::to_string(object.id.asOldId());
}

bool isLive(AcDbObjectId id, const char* type) {
    const host::DrawingObject* object = drawing().object(id);
    return object && !object->erased && object->type == type;
}

}  // namespace

Kv_StringArray getOffsetTypeStrings(bool withMixed) {
    Kv_StringArray names;
    for (const char* name : kOffsetTypes) names.append(name);
    if (withMixed) names.append(dialString(695));
    return names;
}

int getDlgOffsetType(int offsetType, bool offsetMixed) {
    if (offsetMixed || offsetType < 0 || offsetType >= kOffsetTypeCount) return -1;
    return offsetType;
}

int getProfOffsetType(int index) { return index >= 0 && index < kOffsetTypeCount ? index : -1; }

Kv_StringArray getBasePlaneStrings(bool withNone) {
    Kv_StringArray names;
    names.append("Chosen plane");
    names.append("Plane of the macro");
    names.append("Coordinate system");
    names.append(dialString(695));
    if (withNone) names.append(dialString(697));
    return names;
}

Kv_String coordSysPlaneMarker() { return "<coordinate system>"; }

bool getAllCoordSys(AcArray<AcDbObjectId>& ids, Kv_StringArray& names) {
    ids.removeAll();
    names.removeAll();
    for (AcDbObjectId id : drawing().objectIds("CoordSys")) {
        ids.append(id);
        names.append(Kv_String(nameOf(*drawing().object(id), "Coordinate system")));
    }
    return !ids.isEmpty();
}

bool selectCoordSys(AcDbObjectId& id) {
    AcDbObjectId picked;
    host::Point3d at;
    if (!host::pickObject("Select a coordinate system", picked, at)) return false;
    if (!isLive(picked, "CoordSys")) {
        acutPrintf("*Invalid selection*: the object is no coordinate system.\n");
        return false;
    }
    id = picked;
    return true;
}

bool createCoordSys(AcDbObjectId& id) {
    const int number = static_cast<int>(drawing().objectIds("CoordSys").size()) + 1;
    id = drawing().addObject("CoordSys", {{"name", "Profile coordinate system " + std::to_string(number)},
                                          {"origin", host::Point3d{}},
                                          {"temporary", 1LL}});
    return true;
}

bool UserSelectPlane(AcDbObjectId& id, Kv_String& name) {
    host::Plane plane;
    if (!host::pickPlane("Select the base plane", plane)) return false;
    const AcDbObjectId made =
        drawing().addObject("Plane", {{"origin", plane.origin}, {"xAxis", plane.xAxis}, {"yAxis", plane.yAxis}});
    const std::string text = "Plane #" + std::to_string(made.asOldId());
    drawing().setProperty(made, "name", text);
    id = made;
    name = Kv_String(text);
    return true;
}

bool UserChooseSectionPoint(const Kv_String& profile, double angle, host::Point3d& vector) {
    drawing().logAction("section point", AcDbObjectId(), profile.c_str(), angle);
    host::Point3d picked;
    if (!host::pickPoint("Point of the section", picked)) return false;
    // The section is shown turned by the angle; its own axes are turned back.
    const double c = std::cos(angle), s = std::sin(angle);
    vector = host::Point3d{picked.x * c + picked.y * s, -picked.x * s + picked.y * c, 0.0};
    return true;
}

bool EraseObject(AcDbObjectId id) {
    const host::DrawingObject* object = id.isNull() ? nullptr : drawing().object(id);
    if (!object || object->erased) return false;
    return drawing().eraseObject(id) == Acad::eOk;
}

#include <cstring>

#include <nlohmann/json.hpp>

#include "core/kv_json.h"
#include "core/records/dlg_dstv_points.h"
#include "core/records/strict_members.h"

Kv_DstvPointInfo::Kv_DstvPointInfo() = default;
Kv_DstvPointInfo::Kv_DstvPointInfo(const Kv_String& name) : name_(name) {}
Kv_DstvPointInfo::Kv_DstvPointInfo(const Kv_DstvPointInfo& other) = default;
Kv_DstvPointInfo& Kv_DstvPointInfo::operator=(const Kv_DstvPointInfo& other) = default;
Kv_DstvPointInfo::~Kv_DstvPointInfo() = default;

bool operator==(const Kv_DstvPointInfo& a, const Kv_DstvPointInfo& b) {
    auto sameBits = [](double x, double y) { return std::memcmp(&x, &y, sizeof x) == 0; };
    return a.name_ == b.name_ && a.selectGeomExtent_ == b.selectGeomExtent_ && a.sideSelection1_ == b.sideSelection1_ &&
           a.sideSelection2_ == b.sideSelection2_ && a.selectIntersGeom_ == b.selectIntersGeom_ &&
           a.selectIntersMid_ == b.selectIntersMid_ && a.intersStartDir_ == b.intersStartDir_ &&
           a.viewPlateSelection_ == b.viewPlateSelection_ && a.markPlateSelection_ == b.markPlateSelection_ &&
           sameBits(a.minPlateSideDist_, b.minPlateSideDist_) && a.drillFullHole_ == b.drillFullHole_ &&
           a.radiusThicknessBased_ == b.radiusThicknessBased_ && sameBits(a.drillRadius_, b.drillRadius_);
}

void Kv_DstvPointInfo::setSelectGeomExtent(bool selectGeomExtent, TwDstvPointSideSelection side1,
                                           TwDstvPointSideSelection side2) {
    selectGeomExtent_ = selectGeomExtent;
    sideSelection1_ = side1;
    sideSelection2_ = side2;
}

void Kv_DstvPointInfo::setSelectIntersGeom(bool selectIntersGeom, bool selectIntersMid,
                                           TwDstvPointSideSelection startDir) {
    selectIntersGeom_ = selectIntersGeom;
    selectIntersMid_ = selectIntersMid;
    intersStartDir_ = startDir;
}

void Kv_DstvPointInfo::setPlateSelection(std::int16_t viewPlateSelection, std::int16_t markPlateSelection,
                                         double minPlateSideDist) {
    viewPlateSelection_ = viewPlateSelection;
    markPlateSelection_ = markPlateSelection;
    minPlateSideDist_ = minPlateSideDist;
}

void Kv_DstvPointInfo::setDrillFullHole(bool drillFullHole, bool radiusThicknessBased, double drillRadius) {
    drillFullHole_ = drillFullHole;
    radiusThicknessBased_ = radiusThicknessBased;
    drillRadius_ = drillRadius;
}

void to_json(nlohmann::json& out, const Kv_DstvPointInfo& point) {
    out = nlohmann::json{{"name", point.name()},
                         {"selectGeomExtent", point.selectGeomExtent()},
                         {"sideSelection1", static_cast<int>(point.sideSelection1())},
                         {"sideSelection2", static_cast<int>(point.sideSelection2())},
                         {"selectIntersGeom", point.selectIntersGeom()},
                         {"selectIntersMid", point.selectIntersMid()},
                         {"intersStartDir", static_cast<int>(point.intersStartDir())},
                         {"viewPlateSelection", point.viewPlateSelection()},
                         {"markPlateSelection", point.markPlateSelection()},
                         {"minPlateSideDist", point.minPlateSideDist()},
                         {"drillFullHole", point.drillFullHole()},
                         {"radiusThicknessBased", point.radiusThicknessBased()},
                         {"drillRadius", point.drillRadius()}};
}

void from_json(const nlohmann::json& in, Kv_DstvPointInfo& point) {
    core_records::StrictMembers members(in, "Kv_DstvPointInfo");
    Kv_DstvPointInfo read;
    Kv_String name;
    bool extent = read.selectGeomExtent(), inters = read.selectIntersGeom(), mid = read.selectIntersMid();
    bool fullHole = read.drillFullHole(), thickness = read.radiusThicknessBased();
    int side1 = read.sideSelection1(), side2 = read.sideSelection2(), startDir = read.intersStartDir();
    int view = read.viewPlateSelection(), mark = read.markPlateSelection();
    double distance = read.minPlateSideDist(), radius = read.drillRadius();
    members.read("name", name);
    members.read("selectGeomExtent", extent);
    members.read("sideSelection1", side1);
    members.read("sideSelection2", side2);
    members.read("selectIntersGeom", inters);
    members.read("selectIntersMid", mid);
    members.read("intersStartDir", startDir);
    members.read("viewPlateSelection", view);
    members.read("markPlateSelection", mark);
    members.read("minPlateSideDist", distance);
    members.read("drillFullHole", fullHole);
    members.read("radiusThicknessBased", thickness);
    members.read("drillRadius", radius);
    members.finish();
    for (auto [field, value] : {std::pair{"viewPlateSelection", view}, std::pair{"markPlateSelection", mark}})
        if (value < INT16_MIN || value > INT16_MAX)
            members.fail(std::string("field \"") + field + "\" must be an integer from -32768 to 32767");
    read.setName(name);
    read.setSelectGeomExtent(extent, static_cast<TwDstvPointSideSelection>(side1),
                             static_cast<TwDstvPointSideSelection>(side2));
    read.setSelectIntersGeom(inters, mid, static_cast<TwDstvPointSideSelection>(startDir));
    read.setPlateSelection(static_cast<std::int16_t>(view), static_cast<std::int16_t>(mark), distance);
    read.setDrillFullHole(fullHole, thickness, radius);
    point = read;
}

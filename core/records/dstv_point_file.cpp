// The DSTV point group file: its lines written and read (the format is described in
// dlg_dstv_points.h).
#include <climits>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/records/dlg_dstv_points.h"
#include "../src/text_escapes.h"
#include "../src/text_numbers.h"

namespace {

constexpr std::string_view kHeader = "KvDstvPoints";
constexpr std::string_view kVersion = "1";
constexpr size_t kValuesPerPoint = 13;

std::vector<std::string_view> splitTabs(std::string_view line) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (;;) {
        size_t tab = line.find('\t', start);
        parts.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) return parts;
        start = tab + 1;
    }
}

std::string flag(bool value) { return value ? "1" : "0"; }

bool parseFlag(std::string_view text, bool& value) {
    if (text != "0" && text != "1") return false;
    value = text == "1";
    return true;
}

bool parseShort(std::string_view text, std::int16_t& value) {
    int wide = 0;
    if (!kvParseInt(text, wide) || wide < INT16_MIN || wide > INT16_MAX) return false;
    value = static_cast<std::int16_t>(wide);
    return true;
}

bool parseSide(std::string_view text, TwDstvPointSideSelection& side) {
    int value = 0;
    if (!kvParseInt(text, value)) return false;
    side = static_cast<TwDstvPointSideSelection>(value);
    return true;
}

// One point line; the reason names the first value that is not what its place holds.
bool parsePoint(std::string_view line, Kv_DstvPointInfo& point, std::string& reason) {
    const std::vector<std::string_view> v = splitTabs(line);
    if (v.size() != kValuesPerPoint) {
        reason = std::to_string(v.size()) + " values instead of " + std::to_string(kValuesPerPoint);
        return false;
    }
    std::string name;
    bool extent = false, inters = false, mid = false, fullHole = false, thickness = false;
    TwDstvPointSideSelection side1{}, side2{}, startDir{};
    std::int16_t view = 0, mark = 0;
    double distance = 0, radius = 0;
    const char* bad = !kvUnescapeText(v[0], name)      ? "name"
                      : !parseFlag(v[1], extent)       ? "selectGeomExtent"
                      : !parseSide(v[2], side1)        ? "sideSelection1"
                      : !parseSide(v[3], side2)        ? "sideSelection2"
                      : !parseFlag(v[4], inters)       ? "selectIntersGeom"
                      : !parseFlag(v[5], mid)          ? "selectIntersMid"
                      : !parseSide(v[6], startDir)     ? "intersStartDir"
                      : !parseShort(v[7], view)        ? "viewPlateSelection"
                      : !parseShort(v[8], mark)        ? "markPlateSelection"
                      : !kvParseDouble(v[9], distance) ? "minPlateSideDist"
                      : !parseFlag(v[10], fullHole)    ? "drillFullHole"
                      : !parseFlag(v[11], thickness)   ? "radiusThicknessBased"
                      : !kvParseDouble(v[12], radius)  ? "drillRadius"
                                                       : nullptr;
    if (bad) {
        reason = std::string("bad ") + bad;
        return false;
    }
    point = Kv_DstvPointInfo(Kv_String(name));
    point.setSelectGeomExtent(extent, side1, side2);
    point.setSelectIntersGeom(inters, mid, startDir);
    point.setPlateSelection(view, mark, distance);
    point.setDrillFullHole(fullHole, thickness, radius);
    return true;
}

}  // namespace

Kv_StringArray dstvPointLines(const Kv_DstvPointArray& points) {
    Kv_StringArray lines;
    lines.append(
        Kv_String(std::string(kHeader) + "\t" + std::string(kVersion) + "\t" + std::to_string(points.length())));
    for (const Kv_DstvPointInfo& p : points) {
        const std::string values[kValuesPerPoint] = {kvEscapeText(p.name().view()),
                                                     flag(p.selectGeomExtent()),
                                                     std::to_string(p.sideSelection1()),
                                                     std::to_string(p.sideSelection2()),
                                                     flag(p.selectIntersGeom()),
                                                     flag(p.selectIntersMid()),
                                                     std::to_string(p.intersStartDir()),
                                                     std::to_string(p.viewPlateSelection()),
                                                     std::to_string(p.markPlateSelection()),
                                                     kvFormatDouble(p.minPlateSideDist()),
                                                     flag(p.drillFullHole()),
                                                     flag(p.radiusThicknessBased()),
                                                     kvFormatDouble(p.drillRadius())};
        std::string line;
        for (size_t k = 0; k < kValuesPerPoint; ++k) line += (k ? "\t" : "") + values[k];
        lines.append(Kv_String(line));
    }
    return lines;
}

bool readDstvPointLines(const Kv_StringArray& lines, Kv_DstvPointArray& points, std::string& reason) {
    // A new group is written as an empty file.
    if (lines.length() == 0) {
        points.removeAll();
        return true;
    }
    const std::vector<std::string_view> header = splitTabs(lines[0].view());
    if (header.size() != 3 || header[0] != kHeader) {
        reason = "line 1: not a DSTV point group";
        return false;
    }
    if (header[1] != kVersion) {
        reason = "line 1: version " + std::string(header[1]) + " is not known";
        return false;
    }
    // The count is compared with the lines there are, never used to reserve memory.
    int count = 0;
    if (!kvParseInt(header[2], count) || count < 0 || count != lines.length() - 1) {
        reason = "line 1: the count does not match the " + std::to_string(lines.length() - 1) + " point lines";
        return false;
    }
    Kv_DstvPointArray read;
    for (int i = 1; i < lines.length(); ++i) {
        Kv_DstvPointInfo point;
        if (!parsePoint(lines[i].view(), point, reason)) {
            reason = "line " + std::to_string(i + 1) + ": " + reason;
            return false;
        }
        read.append(point);
    }
    points = read;
    return true;
}

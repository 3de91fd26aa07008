#include "core/records/macro_elements.h"

#include <algorithm>
#include <climits>

#include <nlohmann/json.hpp>

#include "core/kv_json.h"
#include "core/kv_texts.h"
#include "core/records/strict_members.h"

Kv_String macroMixedText() { return dialString(695); }

// --- element operations ----------------------------------------------------------------------

int MacroPatternProps::getCount() const {
    const std::string& text = count.str();
    size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos) return -1;
    const size_t end = text.find_last_not_of(' ') + 1;
    long long number = 0;
    for (size_t i = begin; i < end; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        number = number * 10 + (text[i] - '0');
        if (number > INT_MAX) return -1;
    }
    return static_cast<int>(number);
}

Kv_String* MacroBoltData::value(int index) {
    switch (index) {
    case 0: return &composition;
    case 1: return &diameter;
    case 2: return &penetrationLength;
    case 3: return &addedLength;
    case 4: return &holeTolerance;
    default: return nullptr;
    }
}

const Kv_String* MacroBoltData::value(int index) const { return const_cast<MacroBoltData*>(this)->value(index); }

int* MacroBoltData::link(int index) {
    switch (index) {
    case 0: return &compositionLink;
    case 1: return &diameterLink;
    case 2: return &penetrationLengthLink;
    case 3: return &addedLengthLink;
    case 4: return &holeToleranceLink;
    default: return nullptr;
    }
}

void MacroBoltData::getHoleColumns(Kv_Array<int>& flags, Kv_StringArray& names) const {
    const int count = std::min(holeColumnFlags.length(), holeColumnNames.length());
    flags.removeAll();
    names.removeAll();
    for (int i = 0; i < count; ++i) {
        flags.append(holeColumnFlags[i] ? 1 : 0);
        names.append(holeColumnNames[i]);
    }
}

void MacroBoltData::setHoleColumns(const Kv_Array<int>& flags, const Kv_StringArray& names) {
    const int count = std::min(flags.length(), names.length());
    holeColumnFlags.removeAll();
    holeColumnNames.removeAll();
    for (int i = 0; i < count; ++i) {
        holeColumnFlags.append(flags[i] ? 1 : 0);
        holeColumnNames.append(names[i]);
    }
}

bool isMixedBoltFlag(int flag) { return flag < 0 || flag == 2; }

int MacroFlexFixGroup::findMember(const Kv_String& memberName) const {
    for (int i = 0; i < members.length(); ++i)
        if (members[i].name == memberName) return i;
    return -1;
}

// --- JSON forms ------------------------------------------------------------------------------

using core_records::StrictMembers;
using nlohmann::json;

namespace {

// Parallel lists must stay paired, or the hole columns would read back shifted.
void requireSameLength(const StrictMembers& members, int a, int b, const char* what) {
    if (a != b) members.fail(std::string(what) + " differ in length");
}

}  // namespace

void to_json(json& out, const MacroCell& cell) {
    out = json{{"type", cell.type},
               {"link", cell.link},
               {"name", cell.name},
               {"readOnly", cell.readOnly},
               {"value", cell.value}};
}

void from_json(const json& in, MacroCell& cell) {
    MacroCell read;
    StrictMembers members(in, "MacroCell");
    members.read("type", read.type);
    members.read("link", read.link);
    members.read("name", read.name);
    members.read("readOnly", read.readOnly);
    members.read("value", read.value);
    members.finish();
    cell = read;
}

void to_json(json& out, const MacroPatternDirection& direction) {
    out = json{{"on", direction.on},         {"kind", direction.kind},       {"value1", direction.value1},
               {"value2", direction.value2}, {"checked", direction.checked}, {"distances", direction.distances}};
}

void from_json(const json& in, MacroPatternDirection& direction) {
    MacroPatternDirection read;
    StrictMembers members(in, "MacroPatternDirection");
    members.read("on", read.on);
    members.read("kind", read.kind);
    members.read("value1", read.value1);
    members.read("value2", read.value2);
    members.read("checked", read.checked);
    members.read("distances", read.distances);
    members.finish();
    direction = read;
}

void to_json(json& out, const MacroPatternProps& pattern) {
    out = json{{"name", pattern.name},
               {"value", pattern.value},
               {"valueLink", pattern.valueLink},
               {"count", pattern.count},
               {"countLink", pattern.countLink},
               {"buttonLink", pattern.buttonLink},
               {"optionButton", pattern.optionButton},
               {"type", pattern.type},
               {"direction1", pattern.direction1},
               {"direction2", pattern.direction2},
               {"flag1", pattern.flag1},
               {"flag2", pattern.flag2},
               {"flag3", pattern.flag3},
               {"flag4", pattern.flag4}};
}

void from_json(const json& in, MacroPatternProps& pattern) {
    MacroPatternProps read;
    StrictMembers members(in, "MacroPatternProps");
    members.read("name", read.name);
    members.read("value", read.value);
    members.read("valueLink", read.valueLink);
    members.read("count", read.count);
    members.read("countLink", read.countLink);
    members.read("buttonLink", read.buttonLink);
    members.read("optionButton", read.optionButton);
    members.read("type", read.type);
    members.readRecord("direction1", read.direction1);
    members.readRecord("direction2", read.direction2);
    members.read("flag1", read.flag1);
    members.read("flag2", read.flag2);
    members.read("flag3", read.flag3);
    members.read("flag4", read.flag4);
    members.finish();
    pattern = read;
}

void to_json(json& out, const MacroBoltSlot& slot) {
    out = json{{"active", slot.active}, {"kind", slot.kind},   {"radius", slot.radius},
               {"length", slot.length}, {"angle", slot.angle}, {"extra", slot.extra}};
}

void from_json(const json& in, MacroBoltSlot& slot) {
    MacroBoltSlot read;
    StrictMembers members(in, "MacroBoltSlot");
    members.read("active", read.active);
    members.read("kind", read.kind);
    members.read("radius", read.radius);
    members.read("length", read.length);
    members.read("angle", read.angle);
    members.read("extra", read.extra);
    members.finish();
    slot = read;
}

void to_json(json& out, const MacroBoltData& bolt) {
    out = json{{"composition", bolt.composition},
               {"diameter", bolt.diameter},
               {"penetrationLength", bolt.penetrationLength},
               {"addedLength", bolt.addedLength},
               {"holeTolerance", bolt.holeTolerance},
               {"compositionLink", bolt.compositionLink},
               {"diameterLink", bolt.diameterLink},
               {"penetrationLengthLink", bolt.penetrationLengthLink},
               {"addedLengthLink", bolt.addedLengthLink},
               {"holeToleranceLink", bolt.holeToleranceLink},
               {"buttonLink", bolt.buttonLink},
               {"shopBolted", bolt.shopBolted},
               {"countersunk", bolt.countersunk},
               {"reverseOrientation", bolt.reverseOrientation},
               {"tapped", bolt.tapped},
               {"slots", bolt.slots},
               {"washer1", bolt.washer1},
               {"washers", bolt.washers},
               {"nut1", bolt.nut1},
               {"nut2", bolt.nut2},
               {"washer2", bolt.washer2},
               {"holeColumnFlags", bolt.holeColumnFlags},
               {"holeColumnNames", bolt.holeColumnNames},
               {"count", bolt.count},
               {"countOption", bolt.countOption}};
}

void from_json(const json& in, MacroBoltData& bolt) {
    MacroBoltData read;
    StrictMembers members(in, "MacroBoltData");
    members.read("composition", read.composition);
    members.read("diameter", read.diameter);
    members.read("penetrationLength", read.penetrationLength);
    members.read("addedLength", read.addedLength);
    members.read("holeTolerance", read.holeTolerance);
    members.read("compositionLink", read.compositionLink);
    members.read("diameterLink", read.diameterLink);
    members.read("penetrationLengthLink", read.penetrationLengthLink);
    members.read("addedLengthLink", read.addedLengthLink);
    members.read("holeToleranceLink", read.holeToleranceLink);
    members.read("buttonLink", read.buttonLink);
    members.read("shopBolted", read.shopBolted);
    members.read("countersunk", read.countersunk);
    members.read("reverseOrientation", read.reverseOrientation);
    members.read("tapped", read.tapped);
    members.readRecords("slots", read.slots);
    members.read("washer1", read.washer1);
    members.read("washers", read.washers);
    members.read("nut1", read.nut1);
    members.read("nut2", read.nut2);
    members.read("washer2", read.washer2);
    members.read("holeColumnFlags", read.holeColumnFlags);
    members.read("holeColumnNames", read.holeColumnNames);
    members.read("count", read.count);
    members.read("countOption", read.countOption);
    members.finish();
    requireSameLength(members, read.holeColumnFlags.length(), read.holeColumnNames.length(),
                      "holeColumnFlags and holeColumnNames");
    for (int& flag : read.holeColumnFlags) flag = flag ? 1 : 0;
    bolt = read;
}

void to_json(json& out, const MacroProfData& prof) {
    out = json{{"group", prof.group},
               {"id", prof.id.asOldId()},
               {"profile", prof.profile},
               {"endProfile", prof.endProfile},
               {"endValue1", prof.endValue1},
               {"endValue2", prof.endValue2},
               {"morphed", prof.morphed},
               {"offsetType", prof.offsetType},
               {"offsetMixed", prof.offsetMixed},
               {"offsetX", prof.offsetX},
               {"offsetY", prof.offsetY},
               {"pointChoice", prof.pointChoice},
               {"rotation", prof.rotation},
               {"plane", prof.plane},
               {"planeId", prof.planeId.asOldId()},
               {"onSegment", prof.onSegment},
               {"segment", prof.segment},
               {"triStateOption", prof.triStateOption},
               {"sectionLink", prof.sectionLink},
               {"sectionButtonLink", prof.sectionButtonLink},
               {"offsetTypeLink", prof.offsetTypeLink},
               {"rotationLink", prof.rotationLink},
               {"optionButtonLink", prof.optionButtonLink}};
}

void from_json(const json& in, MacroProfData& prof) {
    MacroProfData read;
    StrictMembers members(in, "MacroProfData");
    members.read("group", read.group);
    members.read("id", read.id);
    members.read("profile", read.profile);
    members.read("endProfile", read.endProfile);
    members.read("endValue1", read.endValue1);
    members.read("endValue2", read.endValue2);
    members.read("morphed", read.morphed);
    members.read("offsetType", read.offsetType);
    members.read("offsetMixed", read.offsetMixed);
    members.read("offsetX", read.offsetX);
    members.read("offsetY", read.offsetY);
    members.read("pointChoice", read.pointChoice);
    members.read("rotation", read.rotation);
    members.read("plane", read.plane);
    members.read("planeId", read.planeId);
    members.read("onSegment", read.onSegment);
    members.read("segment", read.segment);
    members.read("triStateOption", read.triStateOption);
    members.read("sectionLink", read.sectionLink);
    members.read("sectionButtonLink", read.sectionButtonLink);
    members.read("offsetTypeLink", read.offsetTypeLink);
    members.read("rotationLink", read.rotationLink);
    members.read("optionButtonLink", read.optionButtonLink);
    members.finish();
    prof = read;
}

void to_json(json& out, const MacroProfSegmentedData& segmented) {
    out = json{{"name", segmented.name},
               {"group", segmented.group},
               {"gap", segmented.gap},
               {"breakAtPoints", segmented.breakAtPoints},
               {"points", segmented.points}};
}

void from_json(const json& in, MacroProfSegmentedData& segmented) {
    MacroProfSegmentedData read;
    StrictMembers members(in, "MacroProfSegmentedData");
    members.read("name", read.name);
    members.read("group", read.group);
    members.read("gap", read.gap);
    members.read("breakAtPoints", read.breakAtPoints);
    members.read("points", read.points);
    members.finish();
    segmented = read;
}

void to_json(json& out, const MacroCutData& cut) {
    out = json{{"name", cut.name}, {"value", cut.value}, {"link", cut.link}};
}

void from_json(const json& in, MacroCutData& cut) {
    MacroCutData read;
    StrictMembers members(in, "MacroCutData");
    members.read("name", read.name);
    members.read("value", read.value);
    members.read("link", read.link);
    members.finish();
    cut = read;
}

void to_json(json& out, const MacroFlexFixMember& member) {
    out = json{{"name", member.name}, {"fixed", member.fixed}};
}

void from_json(const json& in, MacroFlexFixMember& member) {
    MacroFlexFixMember read;
    StrictMembers members(in, "MacroFlexFixMember");
    members.read("name", read.name);
    members.read("fixed", read.fixed);
    members.finish();
    member = read;
}

void to_json(json& out, const MacroFlexFixGroup& group) {
    out = json{{"name", group.name}, {"members", group.members}};
}

void from_json(const json& in, MacroFlexFixGroup& group) {
    MacroFlexFixGroup read;
    StrictMembers members(in, "MacroFlexFixGroup");
    members.read("name", read.name);
    members.readRecords("members", read.members);
    members.finish();
    group = read;
}

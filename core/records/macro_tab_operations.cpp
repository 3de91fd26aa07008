// MacroTabData's own operations: links, look-ups, profiles, flexible-fix groups, differences.
#include <map>
#include <string>

#include "core/records/macro_data.h"
#include "macro_value_fields.h"

void MacroTabData::removeAllDlgReferences() {
    dwgListLink = 0;
    for (MacroCell& cell : cells) cell.link = 0;
    for (MacroPatternProps& pattern : patterns) pattern.valueLink = pattern.countLink = pattern.buttonLink = 0;
    for (int i = 0; i < MacroBoltData::kValueCount; ++i) *bolt.link(i) = 0;
    bolt.buttonLink = 0;
    for (MacroProfData& prof : profiles)
        prof.sectionLink = prof.sectionButtonLink = prof.offsetTypeLink = prof.rotationLink = prof.optionButtonLink = 0;
    for (DynArrayData& array : arrays) {
        for (int number = 1; number <= DynArrayData::kValueCount; ++number) *array.valueLink(number) = 0;
        array.buttonLink = 0;
        for (DynArrayEntry& entry : array.entries) entry.link = 0;
    }
    for (MacroCutData& cut : cuts) cut.link = 0;
}

namespace {

template <typename List, typename Match>
int findFirst(const List& list, Match match) {
    for (int i = 0; i < list.length(); ++i)
        if (match(list[i])) return i;
    return -1;
}

}  // namespace

int MacroTabData::findCell(const Kv_String& name) const {
    return findFirst(cells, [&](const MacroCell& cell) { return cell.name == name; });
}

int MacroTabData::findPattern(const Kv_String& name) const {
    return findFirst(patterns, [&](const MacroPatternProps& pattern) { return pattern.name == name; });
}

int MacroTabData::findArray(const Kv_String& name) const {
    return findFirst(arrays, [&](const DynArrayData& array) { return array.name == name; });
}

int MacroTabData::findCut(const Kv_String& name) const {
    return findFirst(cuts, [&](const MacroCutData& cut) { return cut.name == name; });
}

int MacroTabData::findFlexFixGroup(const Kv_String& name) const {
    return findFirst(flexFixGroups, [&](const MacroFlexFixGroup& group) { return group.name == name; });
}

int MacroTabData::findPatternWithBtnId(int id) const {
    if (id <= 0) return -1;
    return findFirst(patterns, [&](const MacroPatternProps& pattern) { return pattern.buttonLink == id; });
}

int MacroTabData::findArrayWithBtnId(int id) const {
    if (id <= 0) return -1;
    return findFirst(arrays, [&](const DynArrayData& array) { return array.buttonLink == id; });
}

int MacroTabData::findProfDataWithButtonId(int id, bool buttonsOnly) const {
    if (id <= 0) return -1;
    return findFirst(profiles, [&](const MacroProfData& prof) {
        if (prof.sectionButtonLink == id || prof.optionButtonLink == id) return true;
        return !buttonsOnly && (prof.sectionLink == id || prof.offsetTypeLink == id || prof.rotationLink == id);
    });
}

Kv_StringArray MacroTabData::getProfGroups() const {
    Kv_StringArray groups;
    for (const MacroProfData& prof : profiles)
        if (!groups.contains(prof.group)) groups.append(prof.group);
    return groups;
}

AcArray<AcDbObjectId> MacroTabData::getProfIdsOfGroup(const Kv_String& group) const {
    AcArray<AcDbObjectId> ids;
    for (const MacroProfData& prof : profiles)
        if (prof.group == group) ids.append(prof.id);
    return ids;
}

int MacroTabData::getProfDataIndx(AcDbObjectId id) const {
    if (id.isNull()) return -1;
    return findFirst(profiles, [&](const MacroProfData& prof) { return prof.id == id; });
}

bool MacroTabData::getMergedPropsOfGroup(const Kv_String& group, MacroProfData& prof) const {
    const int first = findFirst(profiles, [&](const MacroProfData& each) { return each.group == group; });
    if (first < 0) return false;
    MacroProfData merged = profiles[first];
    const Kv_String mixed = macroMixedText();
    for (const MacroProfData& other : profiles) {
        if (other.group != group) continue;
        for (auto [mine, theirs] : {std::pair{&merged.profile, &other.profile},
                                    {&merged.endProfile, &other.endProfile},
                                    {&merged.endValue1, &other.endValue1},
                                    {&merged.endValue2, &other.endValue2},
                                    {&merged.rotation, &other.rotation},
                                    {&merged.plane, &other.plane}})
            if (*mine != *theirs) *mine = mixed;
        if (merged.offsetType != other.offsetType || other.offsetMixed) merged.offsetMixed = true;
        for (auto [mine, theirs] : {std::pair{&merged.morphed, &other.morphed},
                                    {&merged.pointChoice, &other.pointChoice},
                                    {&merged.segment, &other.segment},
                                    {&merged.triStateOption, &other.triStateOption}})
            if (*mine != *theirs) *mine = -1;
    }
    prof = merged;
    return true;
}

bool MacroTabData::setMergedPropsOfGroup(const Kv_String& group, const MacroProfData& prof) {
    const Kv_String mixed = macroMixedText();
    bool found = false;
    for (MacroProfData& each : profiles) {
        if (each.group != group) continue;
        found = true;
        for (auto [mine, given] : {std::pair{&each.profile, &prof.profile},
                                   {&each.endProfile, &prof.endProfile},
                                   {&each.endValue1, &prof.endValue1},
                                   {&each.endValue2, &prof.endValue2},
                                   {&each.rotation, &prof.rotation},
                                   {&each.plane, &prof.plane}})
            if (*given != mixed) *mine = *given;
        if (!prof.offsetMixed) {
            each.offsetType = prof.offsetType;
            each.offsetMixed = false;
        }
        for (auto [mine, given] : {std::pair{&each.morphed, &prof.morphed},
                                   {&each.pointChoice, &prof.pointChoice},
                                   {&each.segment, &prof.segment},
                                   {&each.triStateOption, &prof.triStateOption}})
            if (*given >= 0) *mine = *given;
        each.offsetX = prof.offsetX;
        each.offsetY = prof.offsetY;
        each.onSegment = prof.onSegment;
        each.planeId = prof.planeId;
    }
    return found;
}

bool MacroTabData::advBtnForEveryGroup() const {
    const Kv_StringArray groups = getProfGroups();
    if (groups.isEmpty()) return false;
    for (const Kv_String& group : groups) {
        const bool hasButton = findFirst(profiles, [&](const MacroProfData& prof) {
                                   return prof.group == group && prof.optionButtonLink > 0;
                               }) >= 0;
        if (!hasButton) return false;
    }
    return true;
}

bool MacroTabData::flexFixBtnClicked(const Kv_String& groupName, const Kv_String& memberName, bool on) {
    const int groupIndex = findFlexFixGroup(groupName);
    if (groupIndex < 0) return false;
    MacroFlexFixGroup& group = flexFixGroups[groupIndex];
    const int clicked = group.findMember(memberName);
    if (clicked < 0) return false;
    const MacroFlexFixGroup before = group;
    const int count = group.members.length();
    if (on) {
        for (int i = 0; i < count; ++i) group.members[i].fixed = i == clicked ? 0 : 1;
    } else {
        group.members[clicked].fixed = 1;
        bool anyFlexible = false;
        for (const MacroFlexFixMember& member : group.members) anyFlexible = anyFlexible || member.fixed == 0;
        if (!anyFlexible && count > 1) group.members[(clicked + 1) % count].fixed = 0;
    }
    return !(group == before);
}

namespace {

void addCode(Kv_Array<int>& codes, int code) {
    if (!codes.containsValue(code)) codes.append(code);
}

}  // namespace

bool MacroTabData::differences(const MacroTabData& old, Kv_StringArray& names, Kv_Array<int>& changedA,
                               Kv_Array<int>& changedB) const {
    names.removeAll();
    changedA.removeAll();
    changedB.removeAll();
    // The field lists bind to a tab they may write; work on copies so both sides stay const.
    MacroTabData mine = *this;
    MacroTabData theirs = old;
    std::map<std::string, const macro_values::Field*> current;
    const std::vector<macro_values::Field> myFields = macro_values::fieldsOf(mine);
    for (const macro_values::Field& field : myFields) current.emplace(field.name, &field);
    Kv_Array<int> found;
    for (const macro_values::Field& field : macro_values::fieldsOf(theirs)) {
        const auto match = current.find(field.name);
        if (match == current.end()) {
            found.append(MacroChange::kDropped);
            continue;
        }
        if (match->second->get() == field.get()) continue;
        found.append(field.kindCode);
        if (field.kindCode == MacroChange::kCells && !names.contains(field.cellName)) names.append(field.cellName);
    }
    // A value this tab has and old lacks is new: its kind changed.
    std::map<std::string, bool> previous;
    for (const macro_values::Field& field : macro_values::fieldsOf(theirs)) previous.emplace(field.name, true);
    for (const macro_values::Field& field : myFields)
        if (!previous.count(field.name)) {
            found.append(field.kindCode);
            if (field.kindCode == MacroChange::kCells && !names.contains(field.cellName)) names.append(field.cellName);
        }
    // The codes in their fixed order, each once.
    for (int code : {MacroChange::kCells, MacroChange::kDrawingList, MacroChange::kBolt, MacroChange::kPatterns,
                     MacroChange::kArrays, MacroChange::kCuts, MacroChange::kFlexFixGroups,
                     MacroChange::kSegmentedProfiles, MacroChange::kDropped, MacroChange::kProfiles})
        if (found.containsValue(code)) addCode(changedA, code);
    return !changedA.isEmpty();
}

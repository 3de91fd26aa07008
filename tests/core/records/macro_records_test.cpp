// The macro records' JSON forms: a full tab travels and comes back equal; wrong shapes are
// refused with the member named; the small operations of the elements.
#include "core/records/macro_data.h"

#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "core/kv_json.h"

namespace {

MacroTabData fullTab() {
    MacroTabData tab;
    tab.kind = 1;
    tab.moduleName = "base_plate";
    tab.title = "Base plate";
    tab.templateFile = "Base Plate.txt";
    tab.dwgListEnabled = true;
    tab.dwgListValue = "anchor";
    tab.dwgListLink = 33004;
    MacroCell cell;
    cell.type = MacroCell::kCheckBox;
    cell.name = "stiffened";
    cell.value = "1";
    cell.readOnly = true;
    cell.link = -2;
    tab.cells.append(cell);
    MacroPatternProps pattern;
    pattern.name = "holes";
    pattern.count = "4";
    pattern.direction2.distances.append("80");
    pattern.flag3 = -1;
    tab.patterns.append(pattern);
    tab.bolt.composition = "M20 8.8";
    tab.bolt.holeColumnFlags = {1, 0};
    tab.bolt.holeColumnNames.append("A");
    tab.bolt.holeColumnNames.append("B");
    tab.bolt.slots.append(MacroBoltSlot{});
    tab.bolt.slots[0].radius = "11";
    MacroProfData prof;
    prof.group = "Column";
    prof.profile = "prof\\HEA\\HEA200";
    prof.planeId = AcDbObjectId::fromOldId(17);
    prof.offsetX = 2.5;
    tab.profiles.append(prof);
    MacroProfSegmentedData segmented;
    segmented.name = "rail";
    segmented.points.append("0,0");
    tab.segmentedProfiles.append(segmented);
    DynArrayData array;
    array.name = "ribs";
    array.arrayType = DynArrayData::kMixedType;
    array.entries.append(DynArrayEntry{});
    array.entries[0].value = "150";
    tab.arrays.append(array);
    tab.cuts.append(MacroCutData{});
    tab.cuts[0].name = "chamfer";
    tab.cuts[0].value = 3;
    MacroFlexFixGroup group;
    group.name = "lengths";
    group.members.append(MacroFlexFixMember{});
    group.members[0].name = "L1";
    group.members[0].fixed = 0;
    tab.flexFixGroups.append(group);
    return tab;
}

std::string refusal(const char* text) {
    MacroData macro;
    macro.caption = "kept";
    std::string reason;
    EXPECT_FALSE(kvFromJson(nlohmann::json::parse(text), macro, &reason)) << text;
    EXPECT_EQ(macro.caption, "kept") << text;
    return reason;
}

}  // namespace

TEST(MacroRecordJson, AFullMacroTravelsAndComesBackEqual) {
    MacroData macro;
    macro.ids.append(AcDbObjectId::fromOldId(5));
    macro.tabs.append(fullTab());
    macro.tabs.append(MacroTabData{});
    const nlohmann::json form = macro;
    MacroData back;
    std::string reason;
    ASSERT_TRUE(kvFromJson(form, back, &reason)) << reason;
    EXPECT_EQ(back, macro);
    EXPECT_EQ(form["tabs"][0]["bolt"]["holeColumnNames"][1], "B");
    EXPECT_EQ(form["tabs"][0]["profiles"][0]["planeId"], 17);
}

TEST(MacroRecordJson, WrongShapesAreRefusedNamingTheMember) {
    const std::pair<const char*, const char*> cases[] = {
        {R"({"tabs": [{"cells": [{"name": "a"}, {"type": "1"}]}]})", "field \"cells\"[1]: MacroCell: field \"type\""},
        {R"({"tabs": [{"bolt": {"slots": [{"radius": 3}]}}]})", "field \"slots\"[0]: MacroBoltSlot: field \"radius\""},
        {R"({"tabs": [{"bolt": {"holeColumnFlags": [1], "holeColumnNames": []}}]})",
         "holeColumnFlags and holeColumnNames"},
        {R"({"tabs": [{"arrays": [{"entries": [{"on": 1}]}]}]})", "DynArrayEntry: field \"on\""},
        {R"({"tabs": [{"patterns": [{"direction1": []}]}]})", "MacroPatternDirection: expected an object"},
        {R"({"tabs": [{"profiles": [{"planeId": "x"}]}]})", "field \"planeId\" must be an object id"},
        {R"({"tabs": [{"flexFixGroups": [{"members": [{"fixd": 0}]}]}]})", "unknown field \"fixd\""},
        {R"({"tabs": [{"cuts": {"name": "c"}}]})", "field \"cuts\" must be an array of records"},
        {R"({"tabs": [{"dwgListEnabled": 1}]})", "field \"dwgListEnabled\" must be true or false"},
    };
    for (const auto& [text, named] : cases) {
        const std::string reason = refusal(text);
        EXPECT_NE(reason.find(named), std::string::npos) << text << " -> " << reason;
    }
}

TEST(MacroElements, PatternCountIsAWholeNumberOrMinusOne) {
    MacroPatternProps pattern;
    const std::pair<const char*, int> cases[] = {{"4", 4},   {" 12 ", 12}, {"0", 0},   {"", -1},
                                                 {"-2", -1}, {"2.5", -1},  {"3x", -1}, {"99999999999", -1}};
    for (const auto& [text, count] : cases) {
        pattern.count = text;
        EXPECT_EQ(pattern.getCount(), count) << text;
    }
}

TEST(MacroElements, ParallelListsArePairedAndIndexedValuesStayInRange) {
    MacroBoltData bolt;
    Kv_StringArray names;
    names.append("A");
    names.append("B");
    bolt.setHoleColumns({1, 7, 0}, names);
    Kv_Array<int> flags;
    Kv_StringArray back;
    bolt.getHoleColumns(flags, back);
    EXPECT_EQ(flags, (Kv_Array<int>{1, 1}));
    EXPECT_EQ(back.length(), 2);
    EXPECT_EQ(bolt.value(5), nullptr);
    EXPECT_EQ(bolt.link(-1), nullptr);
    *bolt.value(1) = "20";
    EXPECT_EQ(bolt.diameter, "20");

    DynArrayData array;
    Kv_StringArray values;
    values.append("100");
    values.append("");
    array.setEntryColumns({1, 2, 3}, {1, 0}, values);
    ASSERT_EQ(array.entries.length(), 2);
    EXPECT_FALSE(array.entries[1].on);
    EXPECT_TRUE(array.setEntryAction(1, kEntryActionReset));
    EXPECT_FALSE(array.setEntryAction(2, kEntryActionReset));
    EXPECT_FALSE(array.setEntryAction(-1, kEntryActionReset));
    EXPECT_EQ(array.value(0), nullptr);
    EXPECT_FALSE(array.hasValueLink());
    array.value4Link = 33010;
    EXPECT_TRUE(array.hasValueLink());
}

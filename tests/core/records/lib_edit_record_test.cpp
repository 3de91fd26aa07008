// The library editor's record: group identifiers, the library file list, the section type
// entry of a description, and the JSON form.
#include "core/records/dlg_edit_lib_data.h"

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "core/kv_json.h"
#include "core/kv_settings.h"

TEST(LibEditRecord, NewGroupsGetIdentifiersNoGroupHas) {
    SectionGroupArray groups;
    EXPECT_EQ(groups[groups.appendNewGrp()].id, 1);
    groups[0].id = 7;
    const int added = groups.appendNewGrp();
    EXPECT_EQ(groups[added].id, 8);
    EXPECT_EQ(groups[added].names.length(), kSectionNameSlots);
    groups[0].id = INT_MAX;
    EXPECT_EQ(groups[groups.appendNewGrp()].id, 1);  // 8 is taken, 1 is free
    EXPECT_EQ(groups.findId(8), 1);
    EXPECT_EQ(groups.findId(99), -1);
}

TEST(LibEditRecord, NameSlotsAreNederlandsEnglishFrenchDeutsch) {
    EXPECT_EQ(sectionNameSlot("Nederlands"), 0);
    EXPECT_EQ(sectionNameSlot("English"), 1);
    EXPECT_EQ(sectionNameSlot("Fran\xE7"
                              "ais"),
              2);
    EXPECT_EQ(sectionNameSlot("Deutsch"), 3);
    EXPECT_EQ(sectionNameSlot("english"), -1);
}

TEST(LibEditRecord, ATypeNumberRoundTripsAndAnyOtherDescriptionIsKept) {
    EXPECT_EQ(sectionTypeEntryOf(" 10 "), "10");
    EXPECT_EQ(descriptionOfSectionTypeEntry("10"), "10");
    EXPECT_EQ(sectionTypeNumberOf("24"), 24);
    for (const char* other : {"", "0", "25", "10a", "1.5", "-3", "Custom plates", "007"}) {
        EXPECT_EQ(descriptionOfSectionTypeEntry(sectionTypeEntryOf(other)), other) << other;
    }
    EXPECT_EQ(sectionTypeNumberOf("25"), 0);
    EXPECT_EQ(sectionTypeNumberOf("Custom"), 0);
}

TEST(LibEditRecord, AvailableFilesAreTheTablesOfTheProfFolder) {
    std::random_device random;
    const auto root = std::filesystem::temp_directory_path() / ("kvlibrecord-" + std::to_string(random()));
    std::filesystem::create_directories(root / "prof" / "sub.pr");
    for (const char* name : {"IPE10.pr", "IPE2.pr", "notes.txt", "CHS.PR"})
        std::ofstream(root / "prof" / name) << "1\r\n";
    setenv("KV_LIB_DIR", (root.string() + "/").c_str(), 1);
    DlgEditLibData data;
    data.availableFiles = {"stale"};
    EXPECT_TRUE(data.GetAvailableFiles());
    EXPECT_EQ(data.availableFiles, (Kv_StringArray{"CHS", "IPE2", "IPE10"}));
    std::filesystem::remove_all(root);
    EXPECT_FALSE(data.GetAvailableFiles());
    EXPECT_TRUE(data.availableFiles.isEmpty());
    unsetenv("KV_LIB_DIR");
}

TEST(LibEditRecord, TheJsonFormReadsBackAndRefusesWrongShapes) {
    DlgEditLibData data;
    data.groups.appendNewGrp();
    data.groups[0].names = {"Buizen", "Tubes", "Tubes", "Rohre"};
    SectionType type;
    type.groupId = 1;
    type.secondText = "x";
    type.enabled = false;
    data.types.append(type);
    data.availableFiles = {"RHS"};
    const nlohmann::json form = data;
    EXPECT_EQ(form.get<DlgEditLibData>(), data);

    // Names are fitted to the four slots.
    const auto short_ = nlohmann::json::parse(R"({"types":[{"names":["Koker"]}]})").get<DlgEditLibData>();
    EXPECT_EQ(short_.types[0].names, (Kv_StringArray{"Koker", "", "", ""}));
    for (const char* bad : {R"({"groups":{}})", R"({"types":[{"groupId":"1"}]})", R"({"groups":[{"id":1.5}]})",
                            R"({"availableFiles":[1]})", R"({"colour":1})", R"([])"}) {
        DlgEditLibData kept = data;
        EXPECT_FALSE(kvFromJson(nlohmann::json::parse(bad), kept)) << bad;
        EXPECT_EQ(kept, data) << bad;
    }
}

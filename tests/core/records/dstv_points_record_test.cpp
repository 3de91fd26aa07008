// DSTV point groups: the group file read back exactly as written, bad files refused with a
// reason, the groups and the standard group in the library folder, and the point's JSON form.
#include "core/records/dlg_dstv_points.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

Kv_StringArray lines(std::initializer_list<const char*> texts) {
    Kv_StringArray out;
    for (const char* text : texts) out.append(text);
    return out;
}

Kv_DstvPointInfo unusualPoint() {
    Kv_DstvPointInfo point("Tab\there \\ and \x01 caf\xE9");
    point.setSelectGeomExtent(false, static_cast<TwDstvPointSideSelection>(-5),
                              static_cast<TwDstvPointSideSelection>(2147483647));
    point.setSelectIntersGeom(true, false, kDstvSideBottom);
    point.setPlateSelection(-32768, 32767, 0.1 + 0.2);
    point.setDrillFullHole(true, true, std::numeric_limits<double>::quiet_NaN());
    return point;
}

class DstvGroupFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device random;
        root_ =
            std::filesystem::temp_directory_path() / ("kvdstv-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(root_);
        setenv("KV_LIB_DIR", (root_.string() + "/").c_str(), 1);
    }
    void TearDown() override {
        unsetenv("KV_LIB_DIR");
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    std::filesystem::path root_;
};

}  // namespace

TEST(DstvGroupFile, WhatIsWrittenReadsBackBitForBit) {
    const Kv_DstvPointArray written{Kv_DstvPointInfo("Default"), unusualPoint()};
    const Kv_StringArray text = dstvPointLines(written);
    EXPECT_EQ(text[0], "KvDstvPoints\t1\t2");
    EXPECT_EQ(text[1], "Default\t1\t0\t2\t0\t1\t0\t0\t0\t50\t0\t0\t16");
    Kv_DstvPointArray read;
    std::string reason;
    ASSERT_TRUE(readDstvPointLines(text, read, reason)) << reason;
    EXPECT_EQ(read, written);
    EXPECT_EQ(read[1].minPlateSideDist(), 0.1 + 0.2);
    EXPECT_TRUE(std::isnan(read[1].drillRadius()));
}

TEST(DstvGroupFile, AnEmptyFileIsAGroupWithoutPoints) {
    Kv_DstvPointArray read{Kv_DstvPointInfo("stale")};
    std::string reason;
    ASSERT_TRUE(readDstvPointLines(Kv_StringArray{}, read, reason));
    EXPECT_EQ(read.length(), 0);
}

TEST(DstvGroupFile, BadFilesAreRefusedWithAReasonAndChangeNothing) {
    const char* good = "P\t1\t0\t2\t0\t1\t0\t0\t0\t50\t0\t0\t16";
    const struct {
        Kv_StringArray text;
        const char* reason;
    } cases[] = {
        {lines({"KvPropertiesList 1"}), "not a DSTV point group"},
        {lines({"KvDstvPoints\t2\t0"}), "version 2 is not known"},
        {lines({"KvDstvPoints\t1\t2", good}), "count does not match"},            // truncated
        {lines({"KvDstvPoints\t1\t99999999999", good}), "count does not match"},  // huge count
        {lines({"KvDstvPoints\t1\t-1"}), "count does not match"},
        {lines({"KvDstvPoints\t1\t1", "P\t1\t0"}), "3 values instead of 13"},
        {lines({"KvDstvPoints\t1\t1", "P\t1\t0\t2\t0\t1\t0\t0\t0\tfifty\t0\t0\t16"}), "bad minPlateSideDist"},
        {lines({"KvDstvPoints\t1\t1", "P\t1\t0\t2\t0\t1\t0\t0\t0\tnan\t0\t0\t16"}), "bad minPlateSideDist"},
        {lines({"KvDstvPoints\t1\t1", "P\t2\t0\t2\t0\t1\t0\t0\t0\t50\t0\t0\t16"}), "bad selectGeomExtent"},
        {lines({"KvDstvPoints\t1\t1", "P\t1\t0\t2\t0\t1\t0\t40000\t0\t50\t0\t0\t16"}), "bad viewPlateSelection"},
        {lines({"KvDstvPoints\t1\t1", "P\t1\t9999999999\t2\t0\t1\t0\t0\t0\t50\t0\t0\t16"}), "bad sideSelection1"},
        {lines({"KvDstvPoints\t1\t1", "P\\q\t1\t0\t2\t0\t1\t0\t0\t0\t50\t0\t0\t16"}), "bad name"},
    };
    for (const auto& bad : cases) {
        Kv_DstvPointArray read{Kv_DstvPointInfo("kept")};
        std::string reason;
        EXPECT_FALSE(readDstvPointLines(bad.text, read, reason)) << bad.reason;
        EXPECT_NE(reason.find(bad.reason), std::string::npos) << reason;
        ASSERT_EQ(read.length(), 1);
        EXPECT_EQ(read[0].name(), "kept");
    }
}

TEST_F(DstvGroupFolderTest, GroupsAreListedReadAndWrittenByName) {
    EXPECT_EQ(DlgDstvPoints::getDstvPointsFolder(), Kv_String(root_.string() + "/") + "DSTV Points\\");
    Kv_StringArray names{"stale"};
    EXPECT_FALSE(DlgDstvPoints::getAllDstvPointsFiles(names));
    ASSERT_TRUE(DlgDstvPoints::writeToFile("Weld", Kv_DstvPointArray{unusualPoint()}));
    ASSERT_TRUE(DlgDstvPoints::writeToFile("Drill", Kv_DstvPointArray{}));
    ASSERT_TRUE(DlgDstvPoints::getAllDstvPointsFiles(names));
    EXPECT_EQ(names, (Kv_StringArray{"Drill", "Weld"}));
    Kv_DstvPointArray read;
    ASSERT_TRUE(DlgDstvPoints::readFromFile("weld", read));  // found as the file layer finds files
    EXPECT_EQ(read, Kv_DstvPointArray{unusualPoint()});
    EXPECT_FALSE(DlgDstvPoints::readFromFile("Bolt", read));
    EXPECT_EQ(read.length(), 1);
}

TEST_F(DstvGroupFolderTest, TheStandardGroupIsKeptInTheFolder) {
    EXPECT_EQ(DlgDstvPoints::getStandardDstvPointsFile(), "");
    ASSERT_TRUE(DlgDstvPoints::setStandardDstvPointsFile("Weld"));
    EXPECT_EQ(DlgDstvPoints::getStandardDstvPointsFile(), "Weld.dat");
    ASSERT_TRUE(DlgDstvPoints::setStandardDstvPointsFile("Drill.dat"));
    EXPECT_EQ(DlgDstvPoints::getStandardDstvPointsFile(), "Drill.dat");
    std::ifstream file(root_ / "DSTV Points" / "standard.txt", std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "Drill.dat\r\n");
}

TEST(DstvPointJson, ReadsBackAndRefusesWrongTypesRangesAndUnknownFields) {
    Kv_DstvPointInfo point = unusualPoint();
    point.setDrillFullHole(true, true, 8);
    EXPECT_EQ(nlohmann::json(point).get<Kv_DstvPointInfo>(), point);
    EXPECT_EQ(nlohmann::json::object().get<Kv_DstvPointInfo>(), Kv_DstvPointInfo());
    for (const char* bad : {R"({"sideSelection1": 1.5})", R"({"viewPlateSelection": 40000})",
                            R"({"drillRadius": "16"})", R"({"colour": 1})", R"({"selectGeomExtent": 1})"})
        EXPECT_THROW(nlohmann::json::parse(bad).get<Kv_DstvPointInfo>(), nlohmann::json::exception) << bad;
}

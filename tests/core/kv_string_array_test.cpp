#include "core/kv_string_array.h"

#include <gtest/gtest.h>

#include "host/command_line.h"

namespace {

class KvStringArrayTest : public ::testing::Test {
protected:
    void SetUp() override { host::CommandLine::instance().clear(); }
    std::string printed() { return host::CommandLine::instance().takeText(); }
};

}  // namespace

TEST_F(KvStringArrayTest, BadInsertIndexPrintsErrorAndLeavesArray) {
    Kv_StringArray list{"a", "b"};
    EXPECT_FALSE(list.insertAt(3, "x"));
    EXPECT_FALSE(list.insertAt(-1, "x"));
    EXPECT_EQ(printed(), "*Error* Invalid index passed to insert.\n*Error* Invalid index passed to insert.\n");
    EXPECT_EQ(list, (Kv_StringArray{"a", "b"}));
    EXPECT_TRUE(list.insertAt(2, "c"));
    EXPECT_TRUE(list.insertAt(0, "0"));
    EXPECT_EQ(list, (Kv_StringArray{"0", "a", "b", "c"}));
    EXPECT_EQ(printed(), "");
}

TEST_F(KvStringArrayTest, BadRemoveIndexPrintsErrorAndLeavesArray) {
    Kv_StringArray list{"a"};
    EXPECT_FALSE(list.removeAt(1));
    EXPECT_EQ(printed(), "*Error* Invalid index passed to remove.\n");
    EXPECT_EQ(list.length(), 1);
    EXPECT_TRUE(list.removeAt(0));
    EXPECT_FALSE(list.removeAt(0));
    EXPECT_EQ(printed(), "*Error* Invalid index passed to remove.\n");
}

TEST_F(KvStringArrayTest, GenericArrayReportsTheSameErrors) {
    Kv_Array<double> values{1.0, 2.0};
    EXPECT_FALSE(values.removeAt(2));
    EXPECT_FALSE(values.insertAt(5, 3.0));
    EXPECT_EQ(printed(), "*Error* Invalid index passed to remove.\n*Error* Invalid index passed to insert.\n");
    EXPECT_EQ(values, (Kv_Array<double>{1.0, 2.0}));
}

TEST_F(KvStringArrayTest, FindFlagIgnoresCase) {
    Kv_StringArray list{"SysName", "I/O", "sysname"};
    EXPECT_EQ(list.find("sysname"), 2);
    EXPECT_EQ(list.find("sysname", true), 0);
    EXPECT_EQ(list.findAt("SYSNAME", 1, true), 2);
    EXPECT_EQ(list.findAt("SysName", 1), -1);
    EXPECT_TRUE(list.contains("i/o", true));
    EXPECT_FALSE(list.contains("i/o"));
}

TEST_F(KvStringArrayTest, SetLogicalLengthGrowsWithEmptyAndCuts) {
    Kv_StringArray list{"a", "b", "c"};
    list.setLogicalLength(5);
    EXPECT_EQ(list, (Kv_StringArray{"a", "b", "c", "", ""}));
    list.setLogicalLength(1);
    EXPECT_EQ(list, (Kv_StringArray{"a"}));
}

TEST_F(KvStringArrayTest, StrToArrKeepsEmptyParts) {
    EXPECT_EQ(strToArr("g;;x", ';'), (Kv_StringArray{"g", "", "x"}));
    EXPECT_EQ(strToArr("a;b;", ';'), (Kv_StringArray{"a", "b", ""}));
    EXPECT_EQ(strToArr(";", ';'), (Kv_StringArray{"", ""}));
    EXPECT_EQ(strToArr("", ';').length(), 0);
    EXPECT_EQ(strToArr("1\xBF"
                       "2\xBF",
                       '\xBF'),
              (Kv_StringArray{"1", "2", ""}));
}

TEST_F(KvStringArrayTest, StringArrAndAppStrs) {
    EXPECT_EQ(stringArr("a", "", "c"), (Kv_StringArray{"a", "", "c"}));
    EXPECT_EQ(appStrs(Kv_String("Flange"), "1"), "Flange1");
    EXPECT_EQ(appStrs("a", "b", "c", "d", "e"), "abcde");
    EXPECT_EQ((Kv_StringArray{"a", "b"}).join(";"), "a;b");
}

TEST_F(KvStringArrayTest, SortsNaturally) {
    Kv_StringArray list{"S10", "s2", "S1", "b", "A"};
    sortArray(list);
    EXPECT_EQ(list, (Kv_StringArray{"A", "b", "S1", "s2", "S10"}));
}

TEST_F(KvStringArrayTest, AddToSortedGivesInsertPosition) {
    Kv_StringArray squares{"80x80x8", "100x100x10", "120x120x12"};
    Kv_StringArray copy = squares;
    EXPECT_EQ(ObjectExportAddToSorted(copy, "90x90x9"), 1);
    EXPECT_EQ(copy[1], "90x90x9");
    Kv_StringArray again = squares;
    EXPECT_EQ(ObjectExportAddToSorted(again, "100x100x10"), 2);  // after the equal entry
    Kv_StringArray empty;
    EXPECT_EQ(ObjectExportAddToSorted(empty, "x"), 0);
}

TEST_F(KvStringArrayTest, NonExistingStringCountsUp) {
    Kv_StringArray names{"1", "2", "HEA100", "Plate", "Plate1"};
    EXPECT_EQ(findNonExistingString(names, "3"), "3");
    EXPECT_EQ(findNonExistingString(names, "1"), "3");
    EXPECT_EQ(findNonExistingString(names, "HEA100"), "HEA101");
    EXPECT_EQ(findNonExistingString(names, "Plate"), "Plate2");
    EXPECT_EQ(findNonExistingString(names, ""), "3");
    EXPECT_EQ(findNonExistingString({"99999999999999999999"}, "99999999999999999999"), "1");
}

TEST_F(KvStringArrayTest, SortCarriesIndexesAndKeepsEqualKeysInOrder) {
    Kv_Array<double> keys{0.5, 0.1, 0.5, 0.3};
    Kv_Array<int> carried{10, 11, 12, 13};
    EXPECT_TRUE(ObjectExportSort(keys, carried));
    EXPECT_EQ(keys, (Kv_Array<double>{0.1, 0.3, 0.5, 0.5}));
    EXPECT_EQ(carried, (Kv_Array<int>{11, 13, 10, 12}));
    Kv_Array<int> shorter{1};
    EXPECT_FALSE(ObjectExportSort(keys, shorter));
    EXPECT_EQ(shorter, (Kv_Array<int>{1}));
}

TEST_F(KvStringArrayTest, RoundsToStep) {
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(12.5, 1.0), 13.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(-12.5, 1.0), -13.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(7.3, 2.5), 7.5);
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(7.3, 0.0), 7.3);
}

// The simple library editor's name pattern, prefixes, insert position and tube check.
#include <gtest/gtest.h>

#include "sections/simple_lib_rules.h"

namespace {

Kv_StringArray sizeRow(const Kv_String& sysName, const Kv_String& shown, const Kv_StringArray& values) {
    Kv_StringArray row{sysName, "1", shown, shown, shown, shown};
    row.appendAll(values);
    return row;
}

Kv_ProfValuesTable tableOf(const Kv_StringArray& sysNames) {
    Kv_ProfValuesTable table;
    for (const Kv_String& name : sysNames) table.rows.append(sizeRow(name, "SHS " + name, {}));
    return table;
}

}  // namespace

TEST(SimpleLibRules, ASizeNameMatchesItsValuesOnceEach) {
    // 100x100x10: both 100s must come from different values, in order.
    const NamePattern pattern = patternOfRow(sizeRow("100x100x10", "SHS 100x100x10", {"100", "100", "10", "20"}));
    EXPECT_TRUE(pattern.found);
    EXPECT_EQ(pattern.valueIndices, (Kv_Array<int>{0, 1, 2}));
    EXPECT_EQ(pattern.prefixes, (Kv_StringArray{"SHS ", "SHS ", "SHS ", "SHS "}));
    // Numbers match by value, not by text; a word part matches an equal value.
    EXPECT_EQ(patternOfRow(sizeRow("200.0xAx5", "", {"5", "A", "200"})).valueIndices, (Kv_Array<int>{2, 1, 0}));
}

TEST(SimpleLibRules, ANameWithTheSeriesInItGivesNoPatternAndTheNextRowIsTried) {
    Kv_ProfValuesTable table;
    table.rows = {sizeRow("RHS100x50x4", "RHS 100x50x4", {"100", "50", "4", "8"}),
                  sizeRow("120x60x5", "Koker 120x60x5", {"120", "60", "5", "10"})};
    EXPECT_FALSE(patternOfRow(table.rows[0]).found);
    const NamePattern pattern = findNamePattern(table, 0);
    EXPECT_TRUE(pattern.found);
    EXPECT_EQ(pattern.valueIndices, (Kv_Array<int>{0, 1, 2}));
    EXPECT_EQ(pattern.prefixes[0], "Koker ");

    table.rows.removeAt(1);
    const NamePattern none = findNamePattern(table, 0);
    EXPECT_FALSE(none.found);
    EXPECT_EQ(none.prefixes[0], "RHS ");  // the model's, for a typed name
}

TEST(SimpleLibRules, BuildingSkipsIndicesPastTheValuesAndSlotsOutsideThePrefixesGiveNone) {
    EXPECT_EQ(buildSystemName({"250", "100", "5"}, {0, 1, 2}), "250x100x5");
    EXPECT_EQ(buildSystemName({"250", "100"}, {0, 5, 1, -1}), "250x100");
    const Kv_StringArray prefixes{"SHS ", "Koker ", "", ""};
    EXPECT_EQ(prefixOfSlot(prefixes, 1), "Koker ");
    EXPECT_EQ(prefixOfSlot(prefixes, -3), "");  // the table has no column for the language
    EXPECT_EQ(prefixOfSlot(prefixes, 4), "");
    EXPECT_EQ(displayNamePrefix("HEA200"), "HEA");
    EXPECT_EQ(displayNamePrefix("no digit"), "");
}

TEST(SimpleLibRules, ANewRowTakesFlagNamesValuesAndRefusesAShortModel) {
    Kv_StringArray row;
    ASSERT_TRUE(makeNewSizeRow(sizeRow("100x100x10", "SHS 100x100x10", {"100", "100", "10", "20", "extra"}),
                               "120x120x8", true, {"SHS ", "Koker ", "", ""}, {"120", "120", "8", "16"}, row));
    EXPECT_EQ(row, (Kv_StringArray{"120x120x8", "1", "SHS 120x120x8", "Koker 120x120x8", "120x120x8", "120x120x8",
                                   "120", "120", "8", "16", "extra"}));
    ASSERT_TRUE(makeNewSizeRow(sizeRow("a", "SHS a", {}), "typed", false, {"SHS ", "", "", ""}, {}, row));
    EXPECT_EQ(row[2], "typed");
    EXPECT_FALSE(makeNewSizeRow({"only", "1", "name"}, "x", true, {"", "", "", ""}, {}, row));
    EXPECT_FALSE(makeNewSizeRow({"only"}, "x", true, {}, {}, row));
}

TEST(SimpleLibRules, ASquareGoesAmongTheSquaresInOrder) {
    const Kv_ProfValuesTable table = tableOf({"200x100x5", "40x40x4", "50x50x5", "300x150x8", "80x80x8", "120x120x10"});
    EXPECT_EQ(newSizePosition(table, "100x100x10"), 5);  // after 80x80x8, not among all names
    EXPECT_EQ(newSizePosition(table, "60x60x6"), 3);     // after 50x50x5
    EXPECT_EQ(newSizePosition(table, "150x150x10"), 6);  // after the last square
    // Sorting before every square, directly before the first of them.
    EXPECT_EQ(newSizePosition(table, "30x30x3"), 1);
}

TEST(SimpleLibRules, OtherNamesGoToTheirPlaceAmongAllNames) {
    const Kv_ProfValuesTable table = tableOf({"100x50x4", "120x60x5", "200x100x5"});
    EXPECT_EQ(newSizePosition(table, "150x100x5"), 2);
    EXPECT_EQ(newSizePosition(table, "80x40x3"), 0);
    // A square in a table without squares has no squares to go among.
    EXPECT_EQ(newSizePosition(table, "140x140x6"), 2);
    EXPECT_EQ(newSizePosition(Kv_ProfValuesTable(), "40x40x4"), 0);
}

TEST(SimpleLibRules, ATubeRadiusMustBeZeroOrGreaterThanTheWall) {
    const Kv_StringArray zero = sizeRow("a", "", {"100", "100", "10", "0"});
    const Kv_StringArray equal = sizeRow("a", "", {"100", "100", "10", "10"});
    const Kv_StringArray greater = sizeRow("a", "", {"100", "100", "10", "15"});
    EXPECT_TRUE(passesTubeRadiusCheck("10", zero));
    EXPECT_FALSE(passesTubeRadiusCheck("10", equal));
    EXPECT_TRUE(passesTubeRadiusCheck("10", greater));
    EXPECT_TRUE(passesTubeRadiusCheck("11", equal));                                      // other types are not checked
    EXPECT_TRUE(passesTubeRadiusCheck("10", {"a", "1", "", "", "", "", "1", "2", "3"}));  // no cell 9
}

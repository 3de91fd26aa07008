// The stock sets and the rows of their tables.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "core/kv_json.h"
#include "core/records/dlg_csp2_data.h"

namespace {

DlgCSP2Table tableOf(std::initializer_list<std::pair<int, Kv_StringArray>> rows) {
    DlgCSP2Table table;
    for (const auto& [id, cells] : rows) {
        table.rowSetIds.append(id);
        table.rows.append(cells);
    }
    return table;
}

TEST(DlgCSP2Sets, AddSetTakesOneAboveTheLargestIdentifier) {
    DlgCSP2Data data;
    EXPECT_EQ(data.addSet("first"), 1);
    DlgCSP2Data gaps;
    gaps.setIds = {1, 5, 2};
    gaps.setNames = {"a", "b", "c"};
    EXPECT_EQ(gaps.addSet(""), 6);
    EXPECT_EQ(gaps.setIds, (Kv_Array<int>{1, 5, 2, 6}));
    EXPECT_EQ(gaps.setNames, (Kv_StringArray{"a", "b", "c", ""}));
    // A removed identifier comes back only when it was the largest.
    gaps.removeSet(3);
    EXPECT_EQ(gaps.addSet("again"), 6);
    gaps.removeSet(0);
    EXPECT_EQ(gaps.addSet("next"), 7);
}

TEST(DlgCSP2Sets, AddSetNeverWrapsPastTheLargestInteger) {
    DlgCSP2Data data;
    data.setIds = {1, 2147483647, 3};
    data.setNames = {"a", "b", "c"};
    EXPECT_EQ(data.addSet("d"), 2);
}

TEST(DlgCSP2Sets, RemovingTheLastSetKeepsRowsOfUnknownSets) {
    DlgCSP2Data data;
    data.setIds = {4};
    data.setNames = {"only"};
    data.tables[0] = tableOf({{4, {"a"}}, {9, {"orphan"}}, {4, {"b"}}});
    data.tables[1] = tableOf({{4, {"s"}}});
    data.tables[2] = tableOf({{9, {"p"}}});
    EXPECT_FALSE(data.removeSet(1));
    EXPECT_FALSE(data.removeSet(-1));
    ASSERT_TRUE(data.removeSet(0));
    EXPECT_TRUE(data.setIds.isEmpty());
    EXPECT_TRUE(data.setNames.isEmpty());
    EXPECT_EQ(data.tables[0].rows, (Kv_Array<Kv_StringArray>{{"orphan"}}));
    EXPECT_EQ(data.tables[0].rowSetIds, (Kv_Array<int>{9}));
    EXPECT_TRUE(data.tables[1].rows.isEmpty());
    EXPECT_EQ(data.tables[2].rows, (Kv_Array<Kv_StringArray>{{"p"}}));
}

TEST(DlgCSP2Tables, RemoveRowsOfSetTakesAdjacentRowsToo) {
    DlgCSP2Table table = tableOf({{1, {"a"}}, {2, {"b1"}}, {2, {"b2"}}, {3, {"c"}}, {2, {"b3"}}});
    table.removeRowsOfSet(2);
    EXPECT_EQ(table.rowSetIds, (Kv_Array<int>{1, 3}));
    EXPECT_EQ(table.rows, (Kv_Array<Kv_StringArray>{{"a"}, {"c"}}));
}

TEST(DlgCSP2Tables, ReplaceRowsOfSetMovesTheSetToTheEnd) {
    DlgCSP2Table table = tableOf({{1, {"a1"}}, {2, {"b1"}}, {2, {"b2"}}, {3, {"c1"}}, {1, {"a2"}}});
    table.replaceRowsOfSet(2, {{"new1", "x"}, {"new2"}});
    EXPECT_EQ(table.rowSetIds, (Kv_Array<int>{1, 3, 1, 2, 2}));
    EXPECT_EQ(table.rows, (Kv_Array<Kv_StringArray>{{"a1"}, {"c1"}, {"a2"}, {"new1", "x"}, {"new2"}}));
    table.replaceRowsOfSet(3, {});
    EXPECT_EQ(table.rowsOfSet(3).length(), 0);
    EXPECT_EQ(table.rowsOfSet(1), (Kv_Array<Kv_StringArray>{{"a1"}, {"a2"}}));
}

TEST(DlgCSP2Tables, FirstRowAndShownRunOfASet) {
    DlgCSP2Table table = tableOf({{1, {"a"}}, {2, {"b1"}}, {2, {"b2"}}, {1, {"a2"}}, {2, {"b3"}}});
    EXPECT_EQ(table.firstRowOfSet(2), 1);
    EXPECT_EQ(table.runLengthOfSet(2), 2);  // b3 lies apart and is not shown
    EXPECT_EQ(table.firstRowOfSet(7), -1);
    EXPECT_EQ(table.runLengthOfSet(7), 0);
}

TEST(DlgCSP2Tables, UnequalArraysAreNeverReadPastTheirEnd) {
    DlgCSP2Table table;
    table.rowSetIds = {1, 1, 2};
    table.rows = {{"a"}};
    EXPECT_EQ(table.rowsOfSet(1).length(), 1);
    EXPECT_EQ(table.firstRowOfSet(2), -1);
    table.replaceRowsOfSet(1, {{"n"}});
    EXPECT_EQ(table.rowSetIds.length(), table.rows.length());
    EXPECT_EQ(table.rowsOfSet(1), (Kv_Array<Kv_StringArray>{{"n"}}));

    DlgCSP2Data data;
    data.setIds = {1, 2};
    data.setNames = {"one"};
    EXPECT_EQ(data.setCount(), 1);
    EXPECT_EQ(data.setIdAt(1), -1);
    EXPECT_EQ(data.addSet("three"), 3);
    EXPECT_EQ(data.setIds, (Kv_Array<int>{1, 3}));
    EXPECT_EQ(data.setNames, (Kv_StringArray{"one", "three"}));
}

TEST(DlgCSP2Json, RoundTripsAndRefusesBrokenRecords) {
    DlgCSP2Data data;
    data.stockUpdateMode = true;
    data.addSet("S\xE4ge");
    data.tables[1] = tableOf({{1, {"6000", "12", ""}}});
    data.tables[1].headers = {"Length", "Count", "Profile"};
    const nlohmann::json form = data;
    DlgCSP2Data back;
    ASSERT_TRUE(kvFromJson(form, back));
    EXPECT_EQ(back, data);

    std::string reason;
    EXPECT_FALSE(kvFromJson(nlohmann::json::parse(R"({"setIds":[1],"setNames":[]})"), back, &reason));
    EXPECT_NE(reason.find("differ"), std::string::npos);
    EXPECT_FALSE(kvFromJson(nlohmann::json::parse(R"({"setIds":[1,1],"setNames":["a","b"]})"), back));
    EXPECT_FALSE(kvFromJson(nlohmann::json::parse(R"({"tables":[{}, {}]})"), back));
    EXPECT_FALSE(kvFromJson(nlohmann::json::parse(R"({"setIds":[1.5],"setNames":["a"]})"), back));
    EXPECT_FALSE(kvFromJson(nlohmann::json::parse(R"({"setID":[1]})"), back, &reason));
    EXPECT_NE(reason.find("unknown field"), std::string::npos);
    EXPECT_FALSE(kvFromJson(nlohmann::json::parse(R"({"tables":[{"rowSetIds":[1]},{},{}]})"), back));
    EXPECT_EQ(back, data);  // every refusal left the record alone
}

}  // namespace

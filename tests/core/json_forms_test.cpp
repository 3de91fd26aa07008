#include "core/kv_json.h"

#include <gtest/gtest.h>

TEST(JsonForms, TextsLeaveAsUtf8AndComeBackAsCodePage) {
    nlohmann::json j = Kv_String("0\xB0 \x80");
    EXPECT_EQ(j.get<std::string>(), "0\xC2\xB0 \xE2\x82\xAC");
    EXPECT_EQ(j.get<Kv_String>(), "0\xB0 \x80");
    EXPECT_EQ(nlohmann::json("\xE4\xB8\xAD").get<Kv_String>(), "?");  // no such character in the code page
}

TEST(JsonForms, ArraysOfRecordsRoundTrip) {
    Kv_Array<Kv_StringArray> table{{"a", "b"}, {}, {"\xE9"}};
    nlohmann::json j = table;
    EXPECT_EQ(j.dump(), R"([["a","b"],[],["é"]])");
    EXPECT_EQ(j.get<Kv_Array<Kv_StringArray>>(), table);
}

TEST(JsonForms, PropertyListKeepsTypes) {
    Kv_PropertiesList list;
    list.setProperty("n", 3);
    list.setProperty("x", 0.5);
    list.setProperty("s", "t");
    nlohmann::json j = list;
    EXPECT_EQ(j.dump(), R"([{"name":"n","type":"int","value":3},{"name":"x","type":"double","value":0.5},)"
                        R"({"name":"s","type":"string","value":"t"}])");
    EXPECT_EQ(j.get<Kv_PropertiesList>(), list);
}

TEST(JsonForms, WrongShapeIsAResultNotAnException) {
    Kv_StringArray list{"kept"};
    std::string reason;
    EXPECT_FALSE(kvFromJson(nlohmann::json::parse(R"(["a", 3])"), list, &reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(list, (Kv_StringArray{"kept"}));
    Kv_PropertiesList props;
    EXPECT_FALSE(kvFromJson(nlohmann::json::parse(R"([{"name":"a","type":"bool","value":true}])"), props));
    EXPECT_FALSE(kvFromJson(nlohmann::json::parse(R"([{"name":"","type":"int","value":1}])"), props));
}

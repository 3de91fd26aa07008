// The levels record: its operations, the heights it keeps, and its JSON form.
#include "core/records/tw_levels_dlg_data.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

TwLevel level(const char* name, const char* reference, double value) {
    TwLevel made;
    made.name = name;
    made.referenceName = reference;
    made.value = value;
    return made;
}

double heightOf(const TwLevelsDlgData& data, int index) {
    Kv_String name, reference;
    double value = 0, height = -1;
    EXPECT_TRUE(data.getLevelData(index, name, reference, value, height));
    return height;
}

}  // namespace

TEST(LevelsRecord, OperationsRefuseIndicesThatDoNotExist) {
    TwLevelsDlgData data;
    data.setLevels({level("A", "wcs", 1)});
    Kv_String name = "kept", reference = "kept";
    double value = 5, height = 6;
    EXPECT_FALSE(data.getLevelData(1, name, reference, value, height));
    EXPECT_FALSE(data.getLevelData(-1, name, reference, value, height));
    EXPECT_EQ(name, "kept");
    EXPECT_EQ(value, 5);
    EXPECT_FALSE(data.updateLevel(1, 2.0));
    EXPECT_FALSE(data.updateLevel(-1, Kv_String("A")));
    EXPECT_FALSE(data.deleteLevel(1));
    EXPECT_FALSE(data.deleteLevel(-1));
    EXPECT_EQ(data.levels().length(), 1);
    EXPECT_EQ(data.levels()[0].value, 1);
}

TEST(LevelsRecord, NamesAddAndDelete) {
    TwLevelsDlgData data;
    int index = -1;
    EXPECT_TRUE(data.addLevel("Ground", index));
    EXPECT_EQ(index, 0);
    EXPECT_TRUE(data.addLevel("Roof", index));
    EXPECT_EQ(index, 1);
    Kv_StringArray names{"stale"};
    data.getNames(names);
    EXPECT_EQ(names, (Kv_StringArray{"Ground", "Roof"}));
    EXPECT_TRUE(data.deleteLevel(0));
    data.getNames(names);
    EXPECT_EQ(names, (Kv_StringArray{"Roof"}));
}

TEST(LevelsRecord, HeightsFollowTheReferencesAndEveryUpdate) {
    TwLevelsDlgData data;
    data.setLevels({level("Roof", "First", 3000), level("Ground", "wcs", 100), level("First", "Ground", 3500),
                    level("Loose", "", 40), level("Lost", "Nowhere", 7)});
    EXPECT_EQ(heightOf(data, 0), 6600);
    EXPECT_EQ(heightOf(data, 1), 100);
    EXPECT_EQ(heightOf(data, 2), 3600);
    EXPECT_EQ(heightOf(data, 3), 40);
    EXPECT_EQ(heightOf(data, 4), 7);
    data.updateLevel(1, 0.0);
    EXPECT_EQ(heightOf(data, 0), 6500);
    data.updateLevel(0, Kv_String("Ground"));
    EXPECT_EQ(heightOf(data, 0), 3000);
    data.deleteLevel(1);  // the ground: the first floor now counts from the origin
    EXPECT_EQ(heightOf(data, 1), 3500);
}

TEST(LevelsRecord, ALoopOfReferencesIsCutAndRepeatedNamesMeanTheFirst) {
    TwLevelsDlgData data;
    data.setLevels({level("A", "B", 1), level("B", "C", 10), level("C", "A", 100), level("Self", "Self", 5),
                    level("A", "wcs", 1000), level("D", "A", 2)});
    // A -> B -> C -> A: followed from A, the loop closes at A, so C counts from the origin.
    EXPECT_EQ(heightOf(data, 2), 100);
    EXPECT_EQ(heightOf(data, 1), 110);
    EXPECT_EQ(heightOf(data, 0), 111);
    EXPECT_EQ(heightOf(data, 3), 5);
    EXPECT_EQ(heightOf(data, 5), 113);  // "A" is the first level of that name
}

TEST(LevelsRecord, ValuesThatAreNotFiniteAreKeptAsGiven) {
    TwLevelsDlgData data;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    data.setLevels({level("A", "wcs", std::numeric_limits<double>::infinity()), level("B", "wcs", nan)});
    EXPECT_TRUE(std::isinf(data.levels()[0].value));
    EXPECT_TRUE(std::isnan(data.levels()[1].value));
    EXPECT_TRUE(std::isinf(heightOf(data, 0)));
}

TEST(LevelsRecord, JsonFormReadsBackAndComputesTheHeights) {
    TwLevelsDlgData data;
    data.setLevels({level("Ground", "wcs", 0), level("First", "Ground", 3500)});
    const nlohmann::json form = data;
    EXPECT_EQ(form["levels"][1]["secondValue"], 3500.0);
    EXPECT_EQ(form.get<TwLevelsDlgData>(), data);

    const auto read =
        nlohmann::json::parse(
            R"({"levels": [{"name": "G", "value": 10}, {"name": "F", "referenceName": "G", "value": 5, "secondValue": 99}]})")
            .get<TwLevelsDlgData>();
    EXPECT_EQ(read.levels()[1].secondValue, 15);
    EXPECT_EQ(nlohmann::json::object().get<TwLevelsDlgData>().levels().length(), 0);
    for (const char* bad : {R"({"levels": {}})", R"({"levels": [{"name": 3}]})", R"({"levels": [{"value": "1"}]})",
                            R"({"levels": [{"height": 1}]})", R"({"level": []})", R"([])"})
        EXPECT_THROW(nlohmann::json::parse(bad).get<TwLevelsDlgData>(), nlohmann::json::exception) << bad;
}

#include "host/ac_array.h"
#include "host/ac_array_json.h"

#include <gtest/gtest.h>

#include "host/object_id.h"

TEST(AcArray, PhysicalLengthGrowsInStepsOfGrowLength) {
    AcArray<int> array(0, 8);
    EXPECT_EQ(array.physicalLength(), 0);
    array.append(1);
    EXPECT_EQ(array.physicalLength(), 8);
    for (int i = 0; i < 8; ++i) array.append(i);
    EXPECT_EQ(array.length(), 9);
    EXPECT_EQ(array.physicalLength(), 16);
    array.setLogicalLength(40);
    EXPECT_EQ(array.physicalLength(), 40);
    EXPECT_EQ(array[39], 0);
}

TEST(AcArray, BadIndexesChangeNothing) {
    AcArray<int> array;
    array.append(1);
    array.insertAt(5, 2).removeAt(1).removeAt(-1);
    EXPECT_EQ(array.length(), 1);
    array.insertAt(1, 2).insertAt(0, 0);
    EXPECT_EQ(array[0], 0);
    EXPECT_EQ(array[2], 2);
}

TEST(AcArray, FindsObjectIds) {
    AcArray<AcDbObjectId> ids;
    ids.append(AcDbObjectId::fromOldId(4));
    ids.append(AcDbObjectId::fromOldId(9));
    EXPECT_EQ(ids.find(AcDbObjectId::fromOldId(9)), 1);
    EXPECT_FALSE(ids.contains(AcDbObjectId::kNull));
    int at = -1;
    EXPECT_FALSE(ids.find(AcDbObjectId::fromOldId(4), at, 1));
    EXPECT_EQ(at, -1);
    EXPECT_TRUE(ids.remove(AcDbObjectId::fromOldId(4)));
    EXPECT_EQ(ids.length(), 1);
}

TEST(AcArray, ShrinkingPhysicalLengthCutsElements) {
    AcArray<int> array;
    for (int i = 0; i < 5; ++i) array.append(i);
    array.setPhysicalLength(2);
    EXPECT_EQ(array.length(), 2);
    EXPECT_EQ(array.physicalLength(), 2);
}

TEST(AcArray, JsonFormOfObjectIds) {
    AcArray<AcDbObjectId> ids;
    ids.append(AcDbObjectId::fromOldId(3));
    ids.append(AcDbObjectId::fromOldId(8));
    nlohmann::json j = ids;
    EXPECT_EQ(j.dump(), "[3,8]");
    AcArray<AcDbObjectId> back;
    from_json(j, back);
    EXPECT_EQ(back, ids);
    EXPECT_THROW(from_json(nlohmann::json::parse(R"({"a":1})"), back), nlohmann::json::exception);
}

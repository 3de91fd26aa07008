#include "host/drawing_database.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "host/picks.h"

namespace {

class DrawingDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override { db().reset(); }
    void TearDown() override {
        db().reset();
        host::setPickSource({});
    }
    static host::DrawingDatabase& db() { return host::DrawingDatabase::instance(); }
};

}  // namespace

TEST_F(DrawingDatabaseTest, EveryUpdateIsLoggedInOrder) {
    AcDbObjectId plate = db().addObject("Plate", {{"width", 200.0}});
    EXPECT_EQ(db().setProperty(plate, "name", std::string("P\xB0")), Acad::eOk);
    EXPECT_EQ(db().eraseObject(plate), Acad::eOk);
    db().logAction("drawCutPreview", AcDbObjectId::kNull, "cut 2");
    EXPECT_EQ(db().logText(),
              "1 add #1 Plate\n2 set #1 width = 200\n3 set #1 name = \"P\xB0\"\n4 erase #1 Plate\n"
              "5 drawCutPreview #0 cut 2\n");
    nlohmann::json log = host::drawingLogJson();
    ASSERT_EQ(log.size(), 5u);
    EXPECT_EQ(log[2]["value"], "P\xC2\xB0");
    EXPECT_EQ(log[0]["action"], "add");
}

TEST_F(DrawingDatabaseTest, FailedUpdatesChangeNothingAndAreNotLogged) {
    AcDbObjectId beam = db().addObject("Beam");
    db().clearLog();
    EXPECT_EQ(db().setProperty(AcDbObjectId::kNull, "x", 1LL), Acad::eNullObjectId);
    EXPECT_EQ(db().setProperty(AcDbObjectId::fromOldId(99), "x", 1LL), Acad::eNotInDatabase);
    EXPECT_EQ(db().setProperty(beam, "", 1LL), Acad::eInvalidInput);
    db().eraseObject(beam);
    EXPECT_EQ(db().setProperty(beam, "x", 1LL), Acad::eWasErased);
    EXPECT_EQ(db().eraseObject(beam), Acad::eWasErased);
    EXPECT_EQ(db().log().size(), 1u);  // only the erase
    host::PropertyValue value = 5LL;
    EXPECT_EQ(db().getProperty(beam, "x", value), Acad::eWasErased);
    EXPECT_EQ(std::get<long long>(value), 5);
}

TEST_F(DrawingDatabaseTest, IdsAreNeverReusedAndListsSkipErased) {
    AcDbObjectId a = db().addObject("Bolt");
    AcDbObjectId b = db().addObject("Plate");
    db().eraseObject(a);
    AcDbObjectId c = db().addObject("Bolt");
    EXPECT_NE(c, a);
    EXPECT_EQ(db().objectIds("Bolt"), (std::vector<AcDbObjectId>{c}));
    EXPECT_EQ(db().objectIds(), (std::vector<AcDbObjectId>{b, c}));
    ASSERT_NE(db().object(a), nullptr);
    EXPECT_TRUE(db().object(a)->erased);
}

TEST_F(DrawingDatabaseTest, PicksAskTheSourceAndAreLogged) {
    AcDbObjectId beam = db().addObject("Beam");
    db().clearLog();
    std::vector<host::PickKind> asked;
    host::setPickSource([&](const host::PickRequest& request) {
        asked.push_back(request.kind);
        host::PickAnswer answer;
        answer.picked = request.kind != host::PickKind::Plane;
        answer.point = {1, 2, 3};
        answer.object = beam;
        return answer;
    });
    host::Point3d point;
    EXPECT_TRUE(host::pickPoint("Point:", point));
    EXPECT_EQ(point, (host::Point3d{1, 2, 3}));
    AcDbObjectId picked;
    double at[3] = {};
    EXPECT_EQ(acedEntSel("Object:", picked, at), RTNORM);
    EXPECT_EQ(picked, beam);
    host::Plane plane;
    plane.origin = {9, 9, 9};
    EXPECT_FALSE(host::pickPlane("Plane:", plane));
    EXPECT_EQ(plane.origin, (host::Point3d{9, 9, 9}));  // a cancelled pick leaves the caller's value
    EXPECT_EQ(db().logText(), "1 pick #0 point = (1, 2, 3)\n2 pick #1 object = (1, 2, 3)\n3 pick #0 plane cancelled\n");
}

TEST_F(DrawingDatabaseTest, WithoutSourceAPickIsCancelled) {
    double result[3] = {7, 7, 7};
    EXPECT_EQ(acedGetPoint(nullptr, "Point:", result), RTCAN);
    EXPECT_EQ(result[0], 7);
}

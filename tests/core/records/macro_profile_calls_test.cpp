// The core library's operations behind the profile page and options: the combo choices, the
// coordinate systems and planes of the drawing, the section point pick and erasing.
#include <cmath>
#include <functional>

#include <gtest/gtest.h>

#include "core/kv_texts.h"
#include "core/macro_profile_calls.h"
#include "host/command_line.h"
#include "host/drawing_database.h"
#include "host/picks.h"

namespace {

host::DrawingDatabase& drawing() { return host::DrawingDatabase::instance(); }

class MacroProfileCalls : public ::testing::Test {
protected:
    void SetUp() override {
        drawing().reset();
        host::CommandLine::instance().clear();
        previous_ = host::setPickSource(nullptr);
    }
    void TearDown() override {
        host::setPickSource(previous_);
        drawing().reset();
    }
    // Every pick is answered by `answer`; a null function cancels.
    void answerWith(std::function<host::PickAnswer(const host::PickRequest&)> answer) {
        host::setPickSource(std::move(answer));
    }
    const host::DrawingLogEntry* lastLogged(const char* action) const {
        const host::DrawingLogEntry* found = nullptr;
        for (const host::DrawingLogEntry& entry : drawing().log())
            if (entry.action == action) found = &entry;
        return found;
    }

    host::PickSource previous_;
};

}  // namespace

TEST_F(MacroProfileCalls, OffsetTypesRoundTripAndMixedHasNoEntry) {
    const Kv_StringArray plain = getOffsetTypeStrings(false);
    const Kv_StringArray withMixed = getOffsetTypeStrings(true);
    ASSERT_GT(plain.length(), 1);
    EXPECT_EQ(withMixed.length(), plain.length() + 1);
    EXPECT_EQ(withMixed[withMixed.length() - 1], dialString(695));
    for (int type = 0; type < plain.length(); ++type) {
        EXPECT_EQ(getDlgOffsetType(type, false), type);
        EXPECT_EQ(getProfOffsetType(getDlgOffsetType(type, false)), type);
    }
    EXPECT_EQ(getDlgOffsetType(1, true), -1);
    EXPECT_EQ(getDlgOffsetType(plain.length(), false), -1);
    EXPECT_EQ(getDlgOffsetType(-3, false), -1);
    EXPECT_LT(getProfOffsetType(-1), 0);
    // The mixed entry of the longer list is mixed too.
    EXPECT_LT(getProfOffsetType(plain.length()), 0);
}

TEST_F(MacroProfileCalls, BasePlaneChoicesPutMixedThirdAndNoneOnlyWhenAsked) {
    const Kv_StringArray plain = getBasePlaneStrings(false);
    ASSERT_EQ(plain.length(), 4);
    EXPECT_EQ(plain[3], dialString(695));
    const Kv_StringArray withNone = getBasePlaneStrings(true);
    ASSERT_EQ(withNone.length(), 5);
    EXPECT_EQ(withNone[4], dialString(697));
}

TEST_F(MacroProfileCalls, CoordinateSystemsAreListedPickedAndCreated) {
    AcArray<AcDbObjectId> ids;
    Kv_StringArray names;
    EXPECT_FALSE(getAllCoordSys(ids, names));
    const AcDbObjectId named = drawing().addObject("CoordSys", {{"name", std::string("Column base")}});
    const AcDbObjectId plate = drawing().addObject("Plate");
    AcDbObjectId created;
    ASSERT_TRUE(createCoordSys(created));
    ASSERT_TRUE(getAllCoordSys(ids, names));
    ASSERT_EQ(ids.length(), 2);
    EXPECT_EQ(ids[0], named);
    EXPECT_EQ(names[0], Kv_String("Column base"));
    EXPECT_EQ(ids[1], created);

    // A pick of another object is refused; a cancelled pick changes nothing.
    AcDbObjectId chosen = created;
    answerWith([&](const host::PickRequest&) { return host::PickAnswer{true, {}, plate, {}}; });
    EXPECT_FALSE(selectCoordSys(chosen));
    EXPECT_EQ(chosen, created);
    EXPECT_NE(host::CommandLine::instance().text().find("*Invalid selection*"), std::string::npos);
    answerWith(nullptr);
    EXPECT_FALSE(selectCoordSys(chosen));
    EXPECT_EQ(chosen, created);
    answerWith([&](const host::PickRequest&) { return host::PickAnswer{true, {}, named, {}}; });
    EXPECT_TRUE(selectCoordSys(chosen));
    EXPECT_EQ(chosen, named);

    // An erased coordinate system is no more listed.
    EXPECT_TRUE(EraseObject(created));
    EXPECT_FALSE(EraseObject(created));
    EXPECT_FALSE(EraseObject(AcDbObjectId()));
    EXPECT_FALSE(EraseObject(AcDbObjectId::fromOldId(999)));
    ASSERT_TRUE(getAllCoordSys(ids, names));
    EXPECT_EQ(ids.length(), 1);
}

TEST_F(MacroProfileCalls, APickedPlaneIsAddedAndNamed) {
    AcDbObjectId id;
    Kv_String name = "before";
    EXPECT_FALSE(UserSelectPlane(id, name));
    EXPECT_TRUE(id.isNull());
    EXPECT_EQ(name, Kv_String("before"));

    host::Plane plane;
    plane.origin = {10, 20, 0};
    answerWith([&](const host::PickRequest& request) {
        EXPECT_EQ(request.kind, host::PickKind::Plane);
        return host::PickAnswer{true, {}, {}, plane};
    });
    ASSERT_TRUE(UserSelectPlane(id, name));
    const host::DrawingObject* made = drawing().object(id);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->type, "Plane");
    EXPECT_EQ(std::get<host::Point3d>(made->properties.at("origin")), plane.origin);
    EXPECT_EQ(name, Kv_String(std::get<std::string>(made->properties.at("name"))));
}

TEST_F(MacroProfileCalls, TheSectionPointIsTurnedBackByTheAngleAndTheAngleLogged) {
    host::Point3d vector{7, 7, 7};
    EXPECT_FALSE(UserChooseSectionPoint("IPE-IPE200", 0.5, vector));
    EXPECT_EQ(vector, (host::Point3d{7, 7, 7}));

    answerWith([](const host::PickRequest& request) {
        EXPECT_EQ(request.kind, host::PickKind::Point);
        return host::PickAnswer{true, {0, 10, 0}, {}, {}};
    });
    const double quarter = std::acos(-1.0) / 2;
    ASSERT_TRUE(UserChooseSectionPoint("IPE-IPE200", quarter, vector));
    // A point straight up in a section turned a quarter left lies along the section's x axis.
    EXPECT_NEAR(vector.x, 10, 1e-9);
    EXPECT_NEAR(vector.y, 0, 1e-9);
    const host::DrawingLogEntry* logged = lastLogged("section point");
    ASSERT_NE(logged, nullptr);
    EXPECT_EQ(logged->name, "IPE-IPE200");
    EXPECT_NEAR(std::get<double>(*logged->value), quarter, 1e-12);
}

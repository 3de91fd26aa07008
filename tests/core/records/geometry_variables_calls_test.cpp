// The core calls behind the geometry and variables pages, on the record alone: what they
// refuse, what they log, and which equation names they report.
#include <gtest/gtest.h>

#include "core/constraint_editor_calls.h"
#include "core/geometry_variables_calls.h"
#include "core/macro_model.h"
#include "core/records/edit_constr_data.h"
#include "host/command_line.h"
#include "host/drawing_database.h"

namespace {

const char* kDrawing = R"({"macros": [{"name": "M",
  "variables": [{"name": "w", "value": 5, "type": 2}],
  "equations": ["w = 2"],
  "modules": [{"name": "Main",
    "geometry": [{"name": "Edge", "type": "Line", "flexibility": 0, "flag": 0},
                 {"name": "Axis", "type": "Line", "flexibility": 2, "flag": -1}],
    "constraints": [{"name": "Gap", "type": "Distance", "features": [0, 1], "value": "5", "variable": "g"}]}]}]})";

class GeometryVariablesCallsTest : public ::testing::Test {
protected:
    void SetUp() override {
        host::DrawingDatabase::instance().reset();
        macro_model::Drawing::instance().clear();
        std::string error;
        ASSERT_TRUE(macro_model::Drawing::instance().loadText(kDrawing, "drawing", error)) << error;
        record.macroId = macro_model::Drawing::instance().macros().front().id;
        record.currentModule = "Main";
        ASSERT_TRUE(FillEditConstrData(&record));
        host::DrawingDatabase::instance().clearLog();
        host::CommandLine::instance().clear();
    }
    void TearDown() override { macro_model::Drawing::instance().clear(); }
    static std::string log() { return host::DrawingDatabase::instance().logText(); }
    EditConstrData record;
};

TEST_F(GeometryVariablesCallsTest, FreedomTakesOneToThreeAndTheFlagOnlyWhereThereIsABox) {
    const AcDbObjectId edge = record.geometryIds[0], axis = record.geometryIds[1];
    EXPECT_FALSE(UpdateGeomFlexibility(&record, edge, 0, 0));
    EXPECT_FALSE(UpdateGeomFlexibility(&record, edge, 4, 0));
    EXPECT_FALSE(UpdateGeomFlexibility(&record, record.macroId, 2, 0));  // no element
    EXPECT_EQ(log(), "");
    EXPECT_TRUE(UpdateGeomFlexibility(&record, edge, 3, 7));
    EXPECT_EQ(record.flexibility[0], 2);
    EXPECT_EQ(record.geometryExtra[0], 7);
    EXPECT_FALSE(UpdateConstrGeom(&record, axis, true));
    EXPECT_TRUE(UpdateConstrGeom(&record, edge, true));
    EXPECT_EQ(record.geometryFlag, (Kv_Array<int>{1, -1}));
    EXPECT_NE(log().find("flexibility = 2"), std::string::npos) << log();
    EXPECT_NE(log().find("constraintGeometry = 1"), std::string::npos) << log();
}

TEST_F(GeometryVariablesCallsTest, HighlightsAreLoggedOnceAndOnlyForLiveObjects) {
    const AcDbObjectId edge = record.geometryIds[0];
    EXPECT_FALSE(HighlightObject(AcDbObjectId::fromOldId(999)));
    EXPECT_TRUE(HighlightObject(edge));
    EXPECT_TRUE(HighlightObject(edge));
    EXPECT_TRUE(UnHighlightObject(edge));
    EXPECT_TRUE(UnHighlightObject(edge));
    const std::string id = std::to_string(edge.asOldId());
    EXPECT_EQ(log(), "1 highlight #" + id + "\n2 unhighlight #" + id + "\n");
}

TEST_F(GeometryVariablesCallsTest, VariablesAndEquationsAreWrittenAndUnknownNamesReported) {
    record.macroVariableNames = Kv_StringArray{"w", "h"};
    record.macroVariableValues = Kv_Array<double>{5};  // short: h is 0
    record.equations = Kv_StringArray{"h = w * g + sqrt(1e5)", "k = max(w, z)"};
    ASSERT_TRUE(UpdateVarsEqs(&record));
    EXPECT_EQ(record.macroVariableValues, (Kv_Array<double>{5, 0}));
    EXPECT_EQ(record.macroVariableTypes, (Kv_Array<std::int16_t>{2, 0}));  // h past the array: 0
    const std::string printed = host::CommandLine::instance().text();
    EXPECT_EQ(printed,
              "Equation \"k = max(w, z)\": the variable \"k\" is unknown.\n"
              "Equation \"k = max(w, z)\": the variable \"z\" is unknown.\n");
    EXPECT_EQ(record.equations.length(), 2);
    // The same again changes nothing and reports nothing.
    host::DrawingDatabase::instance().clearLog();
    host::CommandLine::instance().clear();
    ASSERT_TRUE(UpdateVarsEqs(&record));
    EXPECT_EQ(log(), "");
    EXPECT_EQ(host::CommandLine::instance().text(), "");
}

}  // namespace

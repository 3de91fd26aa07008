// EditConstrData's JSON form, the drawing file reader and the editor's calls that work on the
// record alone (no window): sorting, variable names, menus, modules.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "core/constraint_editor_calls.h"
#include "core/kv_json.h"
#include "core/macro_model.h"
#include "core/records/edit_constr_data.h"
#include "host/drawing_database.h"
#include "kv_source_dir.h"

namespace {

class MacroModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        host::DrawingDatabase::instance().reset();
        macro_model::Drawing::instance().clear();
    }
    void TearDown() override { macro_model::Drawing::instance().clear(); }

    EditConstrData open(const std::string& text, const char* module) {
        std::string error;
        EXPECT_TRUE(macro_model::Drawing::instance().loadText(text, "drawing", error)) << error;
        EditConstrData record;
        record.macroId = macro_model::Drawing::instance().macros().front().id;
        record.currentModule = module;
        EXPECT_TRUE(FillEditConstrData(&record));
        return record;
    }
    static std::string refusal(const std::string& text) {
        std::string error;
        EXPECT_FALSE(macro_model::Drawing::instance().loadText(text, "bad.kvdrawing", error));
        return error;
    }
};

const char* kThree = R"({"macros": [{"name": "M", "variables": [{"name": "w", "value": 5}], "modules": [
    {"name": "P", "constraints": [
        {"name": "b2", "type": "Distance", "features": [0, 1], "value": "10", "variable": "x",
         "options": ["a.bmp", "%radioBreak%"], "optionStates": [1]},
        {"name": "a", "type": "Angle", "features": [0], "value": "90"},
        {"name": "b10", "type": "Distance", "features": [1], "variable": "y"}]},
    {"name": "Q"}]}]})";

TEST_F(MacroModelTest, TheRecordsJsonFormKeepsEveryFieldAndRefusesWhatItCannotHold) {
    EditConstrData record = open(kThree, "P");
    record.macroVariableTypes = {static_cast<std::int16_t>(-3)};
    record.firstCheck = {true, false, true};
    const nlohmann::json form = record;
    EXPECT_EQ(form.get<EditConstrData>(), record);
    EXPECT_EQ(form.size(), 27u);

    EditConstrData out;
    EXPECT_FALSE(kvFromJson(nlohmann::json{{"macroVariableTypes", {40000}}}, out));
    EXPECT_FALSE(kvFromJson(nlohmann::json{{"features", {{1.5}}}}, out));
    EXPECT_FALSE(kvFromJson(nlohmann::json{{"firstCheck", {1}}}, out));
    std::string reason;
    EXPECT_FALSE(kvFromJson(nlohmann::json{{"currentModul", "P"}}, out, &reason));
    EXPECT_NE(reason.find("unknown field \"currentModul\""), std::string::npos) << reason;
    EXPECT_TRUE(kvFromJson(nlohmann::json{{"currentModule", "Q"}}, out));
    EXPECT_EQ(out.currentModule, Kv_String("Q"));
}

TEST_F(MacroModelTest, AMalformedDrawingIsRefusedWithFileAndReasonAndAddsNothing) {
    EXPECT_EQ(refusal("{"), "bad.kvdrawing: not valid JSON");
    EXPECT_EQ(refusal(R"({"macros": []})"), "bad.kvdrawing: drawing: the drawing holds no macro");
    EXPECT_NE(refusal(R"({"macros": [{"name": "M", "modules": []}]})").find("has no module"), std::string::npos);
    EXPECT_NE(refusal(R"({"macros": [{"name": "M", "modules": [{"name": "A"}, {"name": "A"}]}]})").find("named twice"),
              std::string::npos);
    EXPECT_NE(refusal(R"({"macros": [{"name": "M", "modules": [{"name": "A", "constraints": [{"nam": "x"}]}]}]})")
                  .find("unknown field \"nam\""),
              std::string::npos);
    EXPECT_TRUE(macro_model::Drawing::instance().macros().empty());
    EXPECT_TRUE(host::DrawingDatabase::instance().objectIds().empty());
    std::string error;
    EXPECT_FALSE(macro_model::Drawing::instance().load("/no/such/drawing.kvdrawing", error));
    EXPECT_EQ(error, "/no/such/drawing.kvdrawing: the file cannot be read");
}

TEST_F(MacroModelTest, TheBundledSampleHasAPlateTwoStiffenersADozenConstraintsAndOneCut) {
    setenv("KV_LIB_DIR", (kvSourceDir() + "/library/").c_str(), 1);
    std::string error;
    ASSERT_TRUE(macro_model::Drawing::instance().load(macro_model::sampleDrawingPath(), error)) << error;
    unsetenv("KV_LIB_DIR");
    const macro_model::Macro& macro = macro_model::Drawing::instance().macros().front();
    EXPECT_EQ(macro.moduleNames(), (Kv_StringArray{"Plate", "Stiffener 1", "Stiffener 2"}));
    int constraints = 0, cuts = 0;
    for (const macro_model::Module& module : macro.modules)
        for (const macro_model::Constraint& c : module.constraints) {
            ++constraints;
            cuts += c.kind == 1;
        }
    EXPECT_EQ(constraints, 12);
    EXPECT_EQ(cuts, 1);
}

TEST_F(MacroModelTest, SortingIsStableAndMovesEveryArrayWithItsRow) {
    EditConstrData record = open(kThree, "P");
    ASSERT_TRUE(SortConstraints(&record, 2, 3));  // by kind, then parameter 1
    EXPECT_EQ(record.rowCells[0][0], Kv_String("a"));
    EXPECT_EQ(record.rowCells[1][0], Kv_String("b10"));  // "" before "10"
    EXPECT_EQ(record.rowCells[2][0], Kv_String("b2"));
    EXPECT_EQ(record.values, (Kv_StringArray{"90", "", "10"}));
    EXPECT_EQ(record.optionStates[2], (Kv_Array<int>{1}));
    // The module keeps the order.
    EditConstrData again = record;
    ASSERT_TRUE(SetCurrentModule(&again, "P"));
    EXPECT_EQ(again.constraintIds, record.constraintIds);
    // Equal keys keep their order, and an array of another length stays as it was.
    record.variableNames.removeLast();
    const Kv_StringArray names = record.variableNames;
    ASSERT_TRUE(SortConstraints(&record, 2, 2));
    EXPECT_EQ(record.rowCells[1][0], Kv_String("b10"));
    EXPECT_EQ(record.variableNames, names);
}

TEST_F(MacroModelTest, AVariableNameInUseComparesExactSpellingWithoutTheSelectedConstraint) {
    EditConstrData record = open(kThree, "P");
    record.currentConstraintId = record.constraintIds[0];
    bool inUse = true;
    ASSERT_TRUE(VarNameInUse(&record, "x", inUse));
    EXPECT_FALSE(inUse);  // its own
    ASSERT_TRUE(VarNameInUse(&record, "y", inUse));
    EXPECT_TRUE(inUse);
    ASSERT_TRUE(VarNameInUse(&record, "Y", inUse));
    EXPECT_FALSE(inUse);
    ASSERT_TRUE(VarNameInUse(&record, "w", inUse));
    EXPECT_TRUE(inUse);  // a macro variable
}

TEST_F(MacroModelTest, MenuCodesCountItemsAndStopAtTheFirstItemWithoutOne) {
    EditConstrData record = open(R"({"macros": [{"name": "M", "modules": [{"name": "P", "constraints": [
        {"name": "c", "menu": {"labels": ["a", "%break%", "b", "c"], "codes": [4, 5]}}]}]}]})",
                                 "P");
    Kv_StringArray labels;
    Kv_Array<int> codes, checked;
    ASSERT_TRUE(ConstrContextMenu(&record, 0, labels, codes, checked));
    EXPECT_EQ(labels.length(), 4);
    EXPECT_EQ(codes, (Kv_Array<int>{4, 5}));
    EXPECT_FALSE(ConstrContextMenu(&record, 1, labels, codes, checked));
    // The standard menu checks "Suppress" (item 1) once the constraint is suppressed.
    macro_model::Drawing::instance().clear();
    EditConstrData plain = open(kThree, "P");
    ASSERT_TRUE(ContextMenuAction(&plain, 1, 2));
    ASSERT_TRUE(ConstrContextMenu(&plain, 1, labels, codes, checked));
    EXPECT_EQ(checked, Kv_Array<int>{1});
    EXPECT_EQ(plain.rowCells[1][3], Kv_String("suppressed"));
}

TEST_F(MacroModelTest, TheOnlyModuleStaysAndRenamingRefusesNamesInUse) {
    EditConstrData record = open(kThree, "Q");
    EXPECT_FALSE(RenameModule(&record, "P"));
    EXPECT_FALSE(RenameModule(&record, ""));
    EXPECT_TRUE(RenameModule(&record, "R"));
    EXPECT_EQ(record.moduleNames, (Kv_StringArray{"P", "R"}));
    EXPECT_TRUE(RemoveModule(&record, "P"));
    EXPECT_FALSE(RemoveModule(&record, "R"));
    EXPECT_FALSE(SetCurrentModule(&record, "P"));
    EXPECT_TRUE(record.constraintIds.isEmpty());
}

}  // namespace

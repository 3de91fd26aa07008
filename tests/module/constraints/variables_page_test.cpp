// The variables and equations page as a person uses it: editing values, types and equations,
// adding and deleting the last variable, and what showing the tab stores and shows again.
#include "constraint_editor_test.h"

#include <cmath>

#include "constraints/constr_geom_vars_ids.h"

namespace {

class VariablesPageTest : public ConstraintEditorTest {
protected:
    static HWND page() { return win::findOpenDialog(IDD_CONSTR_VARIABLES_PAGE); }
    static HWND sheet(int id = IDC_CV_VARIABLES) { return GetDlgItem(page(), id); }
    static std::string text(int col, int row, int id = IDC_CV_VARIABLES) {
        return spread_test::EngineProbe(sheet(id)).dataAt(col, row);
    }
    static POINT at(int col, int row, int id = IDC_CV_VARIABLES) {
        return spread_test::cellCenter(sheet(id), col, row);
    }
    static int rows() { return spread_test::EngineProbe(sheet()).maxRows(); }
    static std::string equationsText() { return control(IDD_CONSTR_VARIABLES_PAGE, IDC_CV_EQUATIONS).text; }
    ConstrVariablesPage& variables(DlgEditConstraints* editor) {
        return *dynamic_cast<ConstrVariablesPage*>(editor->page(2));
    }
    DlgEditConstraints* openVariables(EditConstrData& record) {
        DlgEditConstraints* editor = openModeless(record);
        script.chooseTab(IDD_EDIT_CONSTRAINTS, IDC_EC_TABS, 2);
        script.runModeless();
        host::DrawingDatabase::instance().clearLog();
        host::CommandLine::instance().clear();
        return editor;
    }
    // Leaving the tab does not store; showing it again does.
    void showTabAgain() {
        script.chooseTab(IDD_EDIT_CONSTRAINTS, IDC_EC_TABS, 0);
        script.chooseTab(IDD_EDIT_CONSTRAINTS, IDC_EC_TABS, 2);
    }
    const macro_model::Macro& macro() const { return macro_model::Drawing::instance().macros().front(); }
};

TEST_F(VariablesPageTest, ShowsVariablesDimensionsAndEquationsAsTheRecordHoldsThem) {
    EditConstrData record = openSample("Plate");
    DlgEditConstraints* editor = openVariables(record);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(rows(), 7);
    EXPECT_EQ(text(1, 0), "Name");
    EXPECT_EQ(text(1, 4), "alpha");
    EXPECT_EQ(text(2, 4), "22.5");
    EXPECT_EQ(text(2, 7), "0.125");  // in full, not "0.13"
    EXPECT_EQ(text(3, 4), "Distance");
    EXPECT_EQ(text(3, 5), "Free");
    EXPECT_EQ(text(3, 6), "Fixed");
    EXPECT_EQ(text(1, 2, IDC_CV_DIMENSIONS), "Plate length");
    EXPECT_EQ(text(2, 2, IDC_CV_DIMENSIONS), "400");
    // Every equation followed by LF then CR.
    EXPECT_EQ(equationsText(), "hs = h / 2 - 50\n\rts = t / 2\n\r");
    EXPECT_EQ(control(IDD_CONSTR_VARIABLES_PAGE, IDC_CV_EQUATIONS_GROUP).text, "Equations");
}

TEST_F(VariablesPageTest, ShowingAndStoringWithoutAnEditGivesTheSameRecordBack) {
    EditConstrData record = openSample("Plate");
    DlgEditConstraints* editor = openVariables(record);
    ASSERT_NE(editor, nullptr);
    const EditConstrData before = editor->record;
    showTabAgain();
    script.runModeless();
    EXPECT_EQ(editor->record.macroVariableNames, before.macroVariableNames);
    EXPECT_EQ(editor->record.macroVariableValues, before.macroVariableValues);
    EXPECT_EQ(editor->record.macroVariableTypes, before.macroVariableTypes);
    EXPECT_EQ(editor->record.equations, before.equations);
    EXPECT_EQ(drawingLog().find("variable"), std::string::npos) << drawingLog();
    EXPECT_EQ(drawingLog().find("equations"), std::string::npos) << drawingLog();
}

TEST_F(VariablesPageTest, EmptyLinesBetweenEquationsAreDropped) {
    EditConstrData record = openSample("Plate");
    DlgEditConstraints* editor = openVariables(record);
    ASSERT_NE(editor, nullptr);
    script.click(IDD_CONSTR_VARIABLES_PAGE, IDC_CV_EQUATIONS);
    script.key(IDD_CONSTR_VARIABLES_PAGE, 'A', win::input::Control);
    script.type(IDD_CONSTR_VARIABLES_PAGE, "hs = h / 3");
    script.key(IDD_CONSTR_VARIABLES_PAGE, VK_RETURN);
    script.key(IDD_CONSTR_VARIABLES_PAGE, VK_RETURN);
    script.key(IDD_CONSTR_VARIABLES_PAGE, VK_RETURN);
    script.type(IDD_CONSTR_VARIABLES_PAGE, "ts = t");
    showTabAgain();
    script.runModeless();
    EXPECT_EQ(editor->record.equations, (Kv_StringArray{"hs = h / 3", "ts = t"}));
    EXPECT_EQ(macro().equations, (Kv_StringArray{"hs = h / 3", "ts = t"}));
    EXPECT_NE(drawingLog().find("equations #"), std::string::npos) << drawingLog();
    EXPECT_EQ(equationsText(), "hs = h / 3\n\rts = t\n\r");
}

TEST_F(VariablesPageTest, AnEquationNamingAnUnknownVariableIsKeptAndReported) {
    EditConstrData record = openSample("Plate");
    DlgEditConstraints* editor = openVariables(record);
    ASSERT_NE(editor, nullptr);
    script.click(IDD_CONSTR_VARIABLES_PAGE, IDC_CV_EQUATIONS);
    script.key(IDD_CONSTR_VARIABLES_PAGE, 'A', win::input::Control);
    script.type(IDD_CONSTR_VARIABLES_PAGE, "hs = h / 2 - 50");
    script.key(IDD_CONSTR_VARIABLES_PAGE, VK_RETURN);
    script.type(IDD_CONSTR_VARIABLES_PAGE, "ts = t / 2");
    script.key(IDD_CONSTR_VARIABLES_PAGE, VK_RETURN);
    script.type(IDD_CONSTR_VARIABLES_PAGE, "w = sqrt(q) + b");
    showTabAgain();
    script.runModeless();
    ASSERT_EQ(editor->record.equations.length(), 3);
    EXPECT_EQ(editor->record.equations[2], "w = sqrt(q) + b");
    const std::string printed = host::CommandLine::instance().text();
    EXPECT_NE(printed.find("\"q\" is unknown"), std::string::npos) << printed;
    EXPECT_NE(printed.find("\"w\" is unknown"), std::string::npos) << printed;
    EXPECT_EQ(printed.find("\"sqrt\""), std::string::npos) << printed;
    EXPECT_EQ(printed.find("\"b\""), std::string::npos) << printed;
}

TEST_F(VariablesPageTest, AnEmptiedValueStoresZeroAndTheRefillShowsTheCoresNumbers) {
    EditConstrData record = openSample("Plate");
    DlgEditConstraints* editor = openVariables(record);
    ASSERT_NE(editor, nullptr);
    script.clickAt(IDD_CONSTR_VARIABLES_PAGE, IDC_CV_VARIABLES, at(2, 1));
    script.key(IDD_CONSTR_VARIABLES_PAGE, VK_DELETE);
    script.clickAt(IDD_CONSTR_VARIABLES_PAGE, IDC_CV_VARIABLES, at(2, 2));
    script.type(IDD_CONSTR_VARIABLES_PAGE, "312.50");
    script.key(IDD_CONSTR_VARIABLES_PAGE, VK_RETURN);
    showTabAgain();
    script.runModeless();
    EXPECT_EQ(editor->record.macroVariableValues[0], 0);
    EXPECT_EQ(editor->record.macroVariableValues[1], 312.5);
    EXPECT_EQ(macro().variables[1].value, 312.5);
    EXPECT_EQ(text(2, 1), "0");
    EXPECT_EQ(text(2, 2), "312.5");  // refilled from the record as the core left it
    EXPECT_NE(drawingLog().find("variable #1 b type 0 = 312.5"), std::string::npos) << drawingLog();
}

TEST_F(VariablesPageTest, AnAddedRowGetsNumberAndDropDownCellsAndIsStored) {
    EditConstrData record = openSample("Plate");
    DlgEditConstraints* editor = openVariables(record);
    ASSERT_NE(editor, nullptr);
    script.click(IDD_CONSTR_VARIABLES_PAGE, IDC_CV_ADD);
    script.inspect([&] {
        ASSERT_EQ(rows(), 8);
        SS_CELLTYPE type;
        SSGetCellType(sheet(), 2, 8, &type);
        EXPECT_EQ(type.Type, static_cast<short>(sheet::CellKind::Number));
        SSGetCellType(sheet(), 3, 8, &type);
        EXPECT_EQ(type.Type, static_cast<short>(sheet::CellKind::ComboBox));
    });
    // The active cell is the new row's name.
    script.type(IDD_CONSTR_VARIABLES_PAGE, "gap");
    script.key(IDD_CONSTR_VARIABLES_PAGE, VK_TAB);
    script.type(IDD_CONSTR_VARIABLES_PAGE, "12");
    script.key(IDD_CONSTR_VARIABLES_PAGE, VK_TAB);
    // The type cell, out of view below the list: F4 opens its list.
    script.key(IDD_CONSTR_VARIABLES_PAGE, VK_F4);
    script.key(IDD_CONSTR_VARIABLES_PAGE, VK_DOWN);
    script.key(IDD_CONSTR_VARIABLES_PAGE, VK_DOWN);
    script.key(IDD_CONSTR_VARIABLES_PAGE, VK_DOWN);
    script.key(IDD_CONSTR_VARIABLES_PAGE, VK_RETURN);
    showTabAgain();
    script.runModeless();
    ASSERT_EQ(editor->record.macroVariableNames.length(), 8);
    EXPECT_EQ(editor->record.macroVariableNames[7], "gap");
    EXPECT_EQ(editor->record.macroVariableValues[7], 12);
    EXPECT_EQ(editor->record.macroVariableTypes[7], 3);
    EXPECT_EQ(macro().variables.size(), 8u);
    EXPECT_EQ(text(3, 8), "Distance");
}

TEST_F(VariablesPageTest, DeleteLastRemovesTheLastVariableAndDimensionsAreNeverReadBack) {
    EditConstrData record = openSample("Plate");
    DlgEditConstraints* editor = openVariables(record);
    ASSERT_NE(editor, nullptr);
    // A person tries the dimension values: whatever the sheet then holds is never stored.
    script.clickAt(IDD_CONSTR_VARIABLES_PAGE, IDC_CV_DIMENSIONS, at(2, 1, IDC_CV_DIMENSIONS));
    script.type(IDD_CONSTR_VARIABLES_PAGE, "999");
    script.key(IDD_CONSTR_VARIABLES_PAGE, VK_RETURN);
    script.click(IDD_CONSTR_VARIABLES_PAGE, IDC_CV_DELETE_LAST);
    script.inspect([&] { EXPECT_EQ(rows(), 6); });
    showTabAgain();
    script.runModeless();
    EXPECT_EQ(editor->record.macroVariableNames.length(), 6);
    EXPECT_EQ(macro().variables.size(), 6u);
    EXPECT_NE(drawingLog().find("remove variable #1 grout"), std::string::npos) << drawingLog();
    EXPECT_EQ(editor->record.dimensionValues[0], "300");
    EXPECT_EQ(macro().dimensionValues[0], "300");
    EXPECT_EQ(text(2, 1, IDC_CV_DIMENSIONS), "300");
}

// Stored input: short arrays, a type the drop-down cannot show, values that are no numbers.
TEST_F(VariablesPageTest, ShortArraysAreGrownOnStoreAndAnUnshownTypeIsKept) {
    EditConstrData record = openSample("Plate");
    record.macroVariableValues = Kv_Array<double>{20, std::nan(""), 400};
    record.macroVariableTypes = Kv_Array<std::int16_t>{9, 0};
    record.equations = Kv_StringArray{"a = t\r\nb = h", "c = b\rd = t\n\re = h"};
    DlgEditConstraints* editor = openModeless(record);
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->page(2)->store());
    const EditConstrData& r = editor->record;
    ASSERT_EQ(r.macroVariableNames.length(), 7);
    EXPECT_EQ(r.macroVariableValues.length(), 7);
    EXPECT_EQ(r.macroVariableTypes.length(), 7);
    EXPECT_EQ(r.macroVariableTypes[0], 9);   // not shown, kept
    EXPECT_EQ(r.macroVariableTypes[3], 0);   // past the array: 0
    EXPECT_EQ(r.macroVariableValues[4], 0);  // past the array: 0
    EXPECT_EQ(r.equations, (Kv_StringArray{"a = t", "b = h", "c = b", "d = t", "e = h"}));
    for (const Kv_String& equation : r.equations)
        EXPECT_EQ(std::string(equation.c_str()).find_first_of("\r\n"), std::string::npos);
}

}  // namespace

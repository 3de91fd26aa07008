// The geometry page as a person uses it: freedom drop-downs, constraint-geometry ticks, the
// highlight that follows the row, and records whose geometry arrays do not fit together.
#include "constraint_editor_test.h"

#include "constraints/constr_geom_vars_ids.h"
#include "core/geometry_variables_calls.h"

namespace {

class GeometryPageTest : public ConstraintEditorTest {
protected:
    static HWND page() { return win::findOpenDialog(IDD_CONSTR_GEOMETRY_PAGE); }
    static HWND sheet() { return GetDlgItem(page(), IDC_CG_SHEET); }
    static std::string text(int col, int row) { return spread_test::EngineProbe(sheet()).dataAt(col, row); }
    static POINT at(int col, int row) { return spread_test::cellCenter(sheet(), col, row); }
    static int freedomIndex(int row) {
        return static_cast<int>(SSComboBoxSendMessage(sheet(), 3, row, CB_GETCURSEL, 0, 0));
    }
    ConstrGeometryPage& geometry(DlgEditConstraints* editor) {
        return *dynamic_cast<ConstrGeometryPage*>(editor->page(1));
    }
    // The sample's first module, with the geometry tab shown.
    DlgEditConstraints* openGeometry(EditConstrData& record) {
        DlgEditConstraints* editor = openModeless(record);
        script.chooseTab(IDD_EDIT_CONSTRAINTS, IDC_EC_TABS, 1);
        script.runModeless();
        host::DrawingDatabase::instance().clearLog();
        return editor;
    }
    static long long objectNumber(const EditConstrData& r, int element) {
        return static_cast<long long>(r.geometryIds[element].asOldId());
    }
};

TEST_F(GeometryPageTest, ShowsEveryElementWithItsFreedomAndItsBox) {
    EditConstrData record = openSample("Plate");
    DlgEditConstraints* editor = openGeometry(record);
    ASSERT_NE(editor, nullptr);
    spread_test::EngineProbe probe(sheet());
    EXPECT_EQ(probe.maxRows(), 6);
    EXPECT_EQ(probe.maxCols(), 4);
    EXPECT_EQ(text(1, 0), "Element");
    EXPECT_EQ(text(1, 1), "Outline");
    EXPECT_EQ(text(2, 2), "Line");
    EXPECT_EQ(text(3, 1), "Fixed");
    EXPECT_EQ(text(3, 2), "Free");
    EXPECT_EQ(freedomIndex(3), 1);
    EXPECT_EQ(text(4, 1), "1");
    EXPECT_EQ(text(4, 3), "0");
    // "Column axis" has no box: its cell is no check box and shows nothing.
    SS_CELLTYPE type;
    SSGetCellType(sheet(), 4, 2, &type);
    EXPECT_NE(type.Type, static_cast<short>(sheet::CellKind::CheckBox));
    EXPECT_EQ(text(4, 2), "");
}

TEST_F(GeometryPageTest, ClickingWhereThereIsNoBoxChangesNothing) {
    EditConstrData record = openSample("Plate");
    DlgEditConstraints* editor = openGeometry(record);
    ASSERT_NE(editor, nullptr);
    const EditConstrData before = editor->record;
    script.clickAt(IDD_CONSTR_GEOMETRY_PAGE, IDC_CG_SHEET, at(4, 2));
    script.key(IDD_CONSTR_GEOMETRY_PAGE, VK_SPACE);
    script.runModeless();
    EXPECT_EQ(text(4, 2), "");
    EXPECT_EQ(editor->record.geometryFlag, before.geometryFlag);
    EXPECT_EQ(drawingLog().find("constraintGeometry"), std::string::npos) << drawingLog();
}

TEST_F(GeometryPageTest, TheSecondFreedomEntryPassesTwoAndTheListIsRebuilt) {
    EditConstrData record = openSample("Plate");
    DlgEditConstraints* editor = openGeometry(record);
    ASSERT_NE(editor, nullptr);
    // "Outline" is fixed (entry 0); the person opens its list and takes the next entry.
    script.clickAt(IDD_CONSTR_GEOMETRY_PAGE, IDC_CG_SHEET, at(3, 1));
    script.key(IDD_CONSTR_GEOMETRY_PAGE, VK_DOWN);
    script.key(IDD_CONSTR_GEOMETRY_PAGE, VK_RETURN);
    script.runModeless();
    const macro_model::Macro& macro = macro_model::Drawing::instance().macros().front();
    EXPECT_EQ(macro.modules[0].geometry[0].flexibility, 1);  // value 2 is state 1
    EXPECT_EQ(editor->record.flexibility[0], 1);
    EXPECT_NE(drawingLog().find("flexibility = 1"), std::string::npos) << drawingLog();
    EXPECT_EQ(text(3, 1), "Partly fixed");
    EXPECT_EQ(freedomIndex(1), 1);
}

TEST_F(GeometryPageTest, EscapeClosesAnOpenFreedomListNotTheEditor) {
    EditConstrData record = openSample("Plate");
    DlgEditConstraints* editor = openGeometry(record);
    ASSERT_NE(editor, nullptr);
    script.clickAt(IDD_CONSTR_GEOMETRY_PAGE, IDC_CG_SHEET, at(3, 1));
    script.key(IDD_CONSTR_GEOMETRY_PAGE, VK_DOWN);
    script.key(IDD_CONSTR_GEOMETRY_PAGE, VK_ESCAPE);
    script.runModeless();
    ASSERT_EQ(frame::modelessConstraintEditor(), editor);
    EXPECT_EQ(SSComboBoxSendMessage(sheet(), 3, 1, CB_GETDROPPEDSTATE, 0, 0), FALSE);
    EXPECT_EQ(freedomIndex(1), 0);
    EXPECT_EQ(drawingLog().find("flexibility"), std::string::npos) << drawingLog();
    // With the list closed, Escape closes the editor as before.
    script.key(IDD_CONSTR_GEOMETRY_PAGE, VK_ESCAPE);
    script.runModeless();
    EXPECT_EQ(frame::modelessConstraintEditor(), nullptr);
}

TEST_F(GeometryPageTest, ATickSwitchesTheFlagThroughTheCore) {
    EditConstrData record = openSample("Plate");
    DlgEditConstraints* editor = openGeometry(record);
    ASSERT_NE(editor, nullptr);
    script.clickAt(IDD_CONSTR_GEOMETRY_PAGE, IDC_CG_SHEET, at(4, 3));  // "Anchor circle", off
    script.runModeless();
    EXPECT_EQ(editor->record.geometryFlag[2], 1);
    EXPECT_EQ(macro_model::Drawing::instance().macros().front().modules[0].geometry[2].flag, 1);
    EXPECT_NE(drawingLog().find("constraintGeometry = 1"), std::string::npos) << drawingLog();
    EXPECT_EQ(text(4, 3), "1");
    script.clickAt(IDD_CONSTR_GEOMETRY_PAGE, IDC_CG_SHEET, at(4, 1));  // "Outline", on
    script.runModeless();
    EXPECT_EQ(editor->record.geometryFlag[0], 0);
    EXPECT_EQ(text(4, 1), "0");
}

TEST_F(GeometryPageTest, TheHighlightFollowsTheRowAndEndsWhenTheTabIsLeft) {
    EditConstrData record = openSample("Plate");
    DlgEditConstraints* editor = openGeometry(record);
    ASSERT_NE(editor, nullptr);
    const long long outline = objectNumber(editor->record, 0), axis = objectNumber(editor->record, 1);
    script.clickAt(IDD_CONSTR_GEOMETRY_PAGE, IDC_CG_SHEET, at(1, 1));
    script.inspect([&] {
        EXPECT_EQ(geometry(editor).highlightedRow(), 0);
        EXPECT_NE(drawingLog().find(" highlight #" + std::to_string(outline)), std::string::npos) << drawingLog();
    });
    script.key(IDD_CONSTR_GEOMETRY_PAGE, VK_DOWN);
    script.inspect([&] {
        EXPECT_EQ(geometry(editor).highlightedRow(), 1);
        EXPECT_NE(drawingLog().find("unhighlight #" + std::to_string(outline)), std::string::npos) << drawingLog();
        EXPECT_NE(drawingLog().find(" highlight #" + std::to_string(axis)), std::string::npos) << drawingLog();
        host::DrawingDatabase::instance().clearLog();
    });
    script.chooseTab(IDD_EDIT_CONSTRAINTS, IDC_EC_TABS, 2);
    script.inspect([&] {
        EXPECT_NE(drawingLog().find("unhighlight #" + std::to_string(axis)), std::string::npos) << drawingLog();
        host::DrawingDatabase::instance().clearLog();
        // Behind the page, the solver frees the outline.
        macro_model::Drawing::instance().find(editor->record.macroId)->modules[0].geometry[0].flexibility = 2;
    });
    script.chooseTab(IDD_EDIT_CONSTRAINTS, IDC_EC_TABS, 1);
    script.runModeless();
    // Shown again: the freedom is asked for anew and the row is highlighted again.
    EXPECT_EQ(text(3, 1), "Free");
    EXPECT_EQ(editor->record.flexibility[0], 2);
    EXPECT_EQ(count(drawingLog(), " highlight #" + std::to_string(axis)), 1) << drawingLog();
    EXPECT_EQ(geometry(editor).highlightedRow(), 1);
}

// Stored input: arrays shorter than the list, states and flags the controls cannot show.
TEST_F(GeometryPageTest, ShortArraysReadAsOffAndClicksOnRowsPastThemDoNothing) {
    EditConstrData record = openSample("Plate");
    record.flexibility = Kv_Array<int>{7, 1};       // 7 cannot be shown
    record.geometryFlag = Kv_Array<int>{1, -1, 5};  // 5 is no flag: no box
    record.geometryIds.removeAt(5);
    record.geometryIds.removeAt(4);  // rows 5 and 6 name no object
    record.geometryExtra.removeAt(5);
    DlgEditConstraints* editor = openModeless(record);
    ASSERT_NE(editor, nullptr);
    script.chooseTab(IDD_EDIT_CONSTRAINTS, IDC_EC_TABS, 1);
    script.runModeless();
    // The activation asked the core: the arrays are whole again.  Make them short once more
    // and show the list as stored input without asking.
    editor->record.flexibility = Kv_Array<int>{7, 1};
    editor->record.geometryFlag = Kv_Array<int>{1, -1, 5};
    editor->record.geometryIds.removeAt(5);
    editor->record.geometryIds.removeAt(4);
    editor->record.geometryExtra.removeAt(5);
    geometry(editor).buildList(false);
    host::DrawingDatabase::instance().clearLog();
    EXPECT_EQ(freedomIndex(1), CB_ERR);  // state 7: no choice shown
    EXPECT_EQ(freedomIndex(3), 0);       // past the array: state 0
    EXPECT_EQ(text(4, 3), "");           // flag 5: no box
    EXPECT_EQ(text(4, 4), "");           // past the array: no box

    // Rows 5 and 6 name no object: their freedom, box and row do nothing in the drawing.
    script.clickAt(IDD_CONSTR_GEOMETRY_PAGE, IDC_CG_SHEET, at(3, 5));
    script.key(IDD_CONSTR_GEOMETRY_PAGE, VK_DOWN);
    script.key(IDD_CONSTR_GEOMETRY_PAGE, VK_RETURN);
    script.clickAt(IDD_CONSTR_GEOMETRY_PAGE, IDC_CG_SHEET, at(4, 6));
    script.runModeless();
    EXPECT_EQ(drawingLog().find("flexibility"), std::string::npos) << drawingLog();
    EXPECT_EQ(drawingLog().find("constraintGeometry"), std::string::npos) << drawingLog();
    EXPECT_EQ(drawingLog().find(" highlight"), std::string::npos) << drawingLog();
    // The state the list cannot show stays in the record.
    EXPECT_EQ(editor->record.flexibility[0], 7);
}

TEST_F(GeometryPageTest, AHighlightedRowBeyondTheRebuiltListIsForgottenNotUnhighlighted) {
    EditConstrData record = openSample("Plate");
    DlgEditConstraints* editor = openGeometry(record);
    ASSERT_NE(editor, nullptr);
    script.clickAt(IDD_CONSTR_GEOMETRY_PAGE, IDC_CG_SHEET, at(1, 6));
    script.runModeless();
    ASSERT_EQ(geometry(editor).highlightedRow(), 5);
    // The module changes to one with a single element.
    script.choose(IDD_EDIT_CONSTRAINTS, IDC_EC_MODULES, "Stiffener 1");
    script.runModeless();
    host::DrawingDatabase::instance().clearLog();
    EXPECT_EQ(geometry(editor).highlightedRow(), -1);
    script.chooseTab(IDD_EDIT_CONSTRAINTS, IDC_EC_TABS, 0);
    script.runModeless();
    EXPECT_EQ(drawingLog().find("unhighlight"), std::string::npos) << drawingLog();
}

}  // namespace

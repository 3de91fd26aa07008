// Module management and the palette: selection after each change, failed commands, zoom, and
// where the module list lands after a command.
#include "constraint_editor_test.h"

namespace {

class EditorModulesTest : public ConstraintEditorTest {};

const char* kPlates = R"({"macros": [{"name": "M", "modules": [
    {"name": "Plate A", "constraints": [{"name": "A1", "type": "Distance", "features": [0], "value": "10"}]},
    {"name": "Plate", "constraints": [{"name": "P1", "type": "Distance", "features": [0], "value": "20"},
                                      {"name": "P2", "type": "Distance", "features": [0], "value": "30"}]}]}]})";

TEST_F(EditorModulesTest, ACurrentModuleThatMatchesNoNameLeavesNoSelection) {
    EditConstrData record = openSample("plate");  // case differs: no match
    ASSERT_NE(openModeless(record), nullptr);
    EXPECT_EQ(mainControl(IDC_EC_MODULES).items, (std::vector<std::string>{"Plate", "Stiffener 1", "Stiffener 2"}));
    EXPECT_EQ(moduleSelection(), -1);
}

TEST_F(EditorModulesTest, ChoosingAModuleShowsItsConstraints) {
    EditConstrData record = openSample("Plate");
    ASSERT_NE(openModeless(record), nullptr);
    script.choose(IDD_EDIT_CONSTRAINTS, IDC_EC_MODULES, "Stiffener 2");
    script.runModeless();
    EXPECT_EQ(cellText(1, 1), "Position");
    EXPECT_EQ(cellText(1, 2), "Symmetric to plate");
}

TEST_F(EditorModulesTest, RemovingTheLastEntrySelectsTheOneBeforeAndTheOnlyModuleStays) {
    EditConstrData record = openSample("Stiffener 2");
    ASSERT_NE(openModeless(record), nullptr);
    script.click(IDD_EDIT_CONSTRAINTS, IDC_EC_REMOVE_MODULE);
    script.runModeless();
    EXPECT_EQ(mainControl(IDC_EC_MODULES).items, (std::vector<std::string>{"Plate", "Stiffener 1"}));
    EXPECT_EQ(moduleSelection(), 1);
    EXPECT_EQ(cellText(1, 1), "Position");
    script.click(IDD_EDIT_CONSTRAINTS, IDC_EC_REMOVE_MODULE);
    script.click(IDD_EDIT_CONSTRAINTS, IDC_EC_REMOVE_MODULE);
    script.runModeless();
    // The core refuses to remove the only module.
    EXPECT_EQ(mainControl(IDC_EC_MODULES).items, (std::vector<std::string>{"Plate"}));
    EXPECT_EQ(moduleSelection(), 0);
}

TEST_F(EditorModulesTest, AddModuleAnsweredByAPickSelectsTheNewLastModule) {
    EditConstrData record = openSample("Plate");
    ASSERT_NE(openModeless(record), nullptr);
    script.click(IDD_EDIT_CONSTRAINTS, IDC_EC_ADD_MODULE);
    // The pick waits at the drawing; the editor is out of the way meanwhile.
    script.inspect([] { EXPECT_FALSE(win::describeWindow(win::findOpenDialog(IDD_EDIT_CONSTRAINTS)).visible); });
    host::answerPick(script, {100, 50});
    script.runModeless();
    EXPECT_EQ(mainControl(IDC_EC_MODULES).items.back(), "Module 1");
    EXPECT_EQ(moduleSelection(), 3);
    EXPECT_TRUE(mainControl(IDC_EC_MODULES).visible);
    EXPECT_EQ(listControl(IDC_CL_DELETE).visible, false);  // the new module has no constraints
}

TEST_F(EditorModulesTest, ACancelledCommandLeavesTheListsAsTheyWere) {
    EditConstrData record = openSample("Plate");
    ASSERT_NE(openModeless(record), nullptr);
    script.chooseTab(IDD_EDIT_CONSTRAINTS, IDC_EC_TABS, 3);
    script.click(IDD_CONSTR_PALETTE_PAGE, 1031);  // Distance
    host::cancelPick(script);
    script.runModeless();
    EXPECT_EQ(mainControl(IDC_EC_MODULES).items.size(), 3u);
    EXPECT_EQ(moduleSelection(), 0);
    EXPECT_EQ(mainControl(IDC_EC_TABS).selection, 3);
    EXPECT_EQ(cellText(1, 7), "");
    EXPECT_TRUE(win::describeWindow(win::findOpenDialog(IDD_EDIT_CONSTRAINTS)).visible);
}

TEST_F(EditorModulesTest, AZoomDuringAZoomIsIgnoredAndTheWindowStaysVisible) {
    EditConstrData record = openSample("Plate");
    ASSERT_NE(openModeless(record), nullptr);
    int inside = 0;
    bool visibleInside = false;
    setZoomCommandHook([&] {
        ++inside;
        visibleInside = win::describeWindow(win::findOpenDialog(IDD_EDIT_CONSTRAINTS)).visible;
        // The person clicks zoom again while the first zoom runs.
        HWND zoom = GetDlgItem(win::findOpenDialog(IDD_EDIT_CONSTRAINTS), IDC_EC_ZOOM);
        win::input::click(zoom, POINT{10, 10});
        win::pumpMessages();
    });
    script.click(IDD_EDIT_CONSTRAINTS, IDC_EC_ZOOM);
    script.runModeless();
    EXPECT_EQ(inside, 1);
    EXPECT_TRUE(visibleInside);
    EXPECT_EQ(count(drawingLog(), "zoom"), 1) << drawingLog();
}

TEST_F(EditorModulesTest, AfterAPaletteCommandAnExactModuleNameWinsOverAPrefix) {
    EditConstrData record = openDrawing(kPlates, "Plate");
    ASSERT_NE(openModeless(record), nullptr);
    const int first = static_cast<int>(host::DrawingDatabase::instance().objectIds("Constraint").front().asOldId());
    script.chooseTab(IDD_EDIT_CONSTRAINTS, IDC_EC_TABS, 3);
    script.click(IDD_CONSTR_PALETTE_PAGE, 1024);  // Parallel: two picks
    host::answerPick(script, {static_cast<double>(first)});
    host::answerPick(script, {static_cast<double>(first)});
    script.runModeless();
    EXPECT_EQ(moduleSelection(), 1);
    EXPECT_EQ(mainControl(IDC_EC_TABS).selection, 0);
    EXPECT_EQ(cellText(1, 3), "Parallel 1");
    EXPECT_EQ(activeRow(), 3);  // the new constraint is the selected one
}

TEST_F(EditorModulesTest, EditsAreStoredBeforeAPaletteCommandAndNeverLandOnAnotherConstraint) {
    EditConstrData record = openDrawing(kPlates, "Plate");
    DlgEditConstraints* editor = openModeless(record);
    ASSERT_NE(editor, nullptr);
    const int first = static_cast<int>(host::DrawingDatabase::instance().objectIds("Constraint").front().asOldId());
    script.click(IDD_CONSTR_LIST_PAGE, IDC_CL_VALUE);
    script.key(IDD_CONSTR_LIST_PAGE, VK_END);
    script.type(IDD_CONSTR_LIST_PAGE, "5");
    script.chooseTab(IDD_EDIT_CONSTRAINTS, IDC_EC_TABS, 3);
    script.click(IDD_CONSTR_PALETTE_PAGE, 1032);  // Angle: two picks, a value of its own
    host::answerPick(script, {static_cast<double>(first)});
    host::answerPick(script, {static_cast<double>(first)});
    script.runModeless();
    EXPECT_EQ(editor->record.values, (Kv_StringArray{"205", "30", "90"}));
    EXPECT_EQ(count(drawingLog(), "value = "), 1) << drawingLog();
    EndDlgEditConstraints();
    EXPECT_EQ(count(drawingLog(), "value = "), 1) << drawingLog();
}

TEST_F(EditorModulesTest, RenameTakesTheTypedNameAndKeepsTheSelection) {
    EditConstrData record = openSample("Stiffener 1");
    ASSERT_NE(openModeless(record), nullptr);
    script.click(IDD_EDIT_CONSTRAINTS, IDC_EC_RENAME_MODULE);
    script.type(8069, "Rib left");
    script.click(8069, IDOK);
    script.runModeless();
    EXPECT_EQ(mainControl(IDC_EC_MODULES).items[1], "Rib left");
    EXPECT_EQ(moduleSelection(), 1);
    EXPECT_EQ(cellText(1, 1), "Position");
}

TEST_F(EditorModulesTest, SelectAnotherMacroPicksItsObjectAndShowsItsFirstModule) {
    const char* two = R"({"macros": [
        {"name": "M1", "modules": [{"name": "One", "constraints": [{"name": "C1", "features": []}]}]},
        {"name": "M2", "modules": [{"name": "Two", "constraints": [{"name": "C2", "features": []}]}]}]})";
    EditConstrData record = openDrawing(two, "One");
    DlgEditConstraints* editor = openModeless(record);
    ASSERT_NE(editor, nullptr);
    const AcDbObjectId second = macro_model::Drawing::instance().macros()[1].id;
    script.click(IDD_EDIT_CONSTRAINTS, IDC_EC_SELECT_MACRO);
    host::answerPick(script, {static_cast<double>(second.asOldId())});
    script.runModeless();
    EXPECT_EQ(editor->record.macroId, second);
    EXPECT_EQ(mainControl(IDC_EC_MODULES).items, std::vector<std::string>{"Two"});
    EXPECT_EQ(moduleSelection(), 0);
    EXPECT_EQ(cellText(1, 1), "C2");
}

}  // namespace

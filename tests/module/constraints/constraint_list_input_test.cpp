// A person working the constraint list: variable names, sorting, the context menu, delete,
// the cut dialog's Escape and the check boxes.
#include "constraint_editor_test.h"

namespace {

class ConstraintListInputTest : public ConstraintEditorTest {
protected:
    // Types a new variable name over the selected one, then leaves the field by clicking the
    // value field.
    void typeVariable(const std::string& name) {
        script.click(IDD_CONSTR_LIST_PAGE, IDC_CL_VARIABLE);
        script.key(IDD_CONSTR_LIST_PAGE, VK_END);
        for (int i = 0; i < 8; ++i) script.key(IDD_CONSTR_LIST_PAGE, VK_BACK);
        script.type(IDD_CONSTR_LIST_PAGE, name);
        script.click(IDD_CONSTR_LIST_PAGE, IDC_CL_VALUE);
    }
    // The person reads the warning and clicks OK; the history keeps what it said.
    void answerWarning() { script.answerMessageBox(IDOK); }
    static const win::MessageBoxRecord& lastMessage() { return win::messageBoxHistory().back(); }
};

const char* kNames = R"({"macros": [{"name": "M", "modules": [{"name": "Plate", "constraints": [
    {"name": "Width", "type": "Distance", "features": [0, 1], "value": "300", "variable": "b"},
    {"name": "Other", "type": "Distance", "features": [0, 1], "value": "20", "variable": "B"}]}]}]})";

TEST_F(ConstraintListInputTest, ChangingOnlyTheCaseOfAVariableNameRunsTheChecks) {
    EditConstrData record = openDrawing(kNames, "Plate");
    DlgEditConstraints* editor = openModeless(record);
    ASSERT_NE(editor, nullptr);
    typeVariable("B");
    answerWarning();
    script.runModeless();
    ASSERT_EQ(win::messageBoxHistory().size(), 1u);
    EXPECT_EQ(lastMessage().caption, "Name in use");
    EXPECT_EQ(lastMessage().icon, "warning");
    EXPECT_EQ(lastMessage().text, "\"B\"\nThis name is already used.\nChoose another name.");
}

TEST_F(ConstraintListInputTest, AnOperatorAtTheEndAndADigitFirstGiveTheirMessagesAndTheNameIsStored) {
    EditConstrData record = openDrawing(kNames, "Plate");
    DlgEditConstraints* editor = openModeless(record);
    ASSERT_NE(editor, nullptr);
    typeVariable("len+");
    answerWarning();
    script.runModeless();
    ASSERT_EQ(win::messageBoxHistory().size(), 1u);
    EXPECT_EQ(lastMessage().caption, "Invalid name");
    EXPECT_EQ(lastMessage().text,
              "\"len+\"\nA name must not end in an operator sign.\nThe signs + - * and / are reserved "
              "for expressions.\n\nPlease correct the value.");
    // The name stays in the field and is stored as typed when the person moves on.
    script.clickAt(IDD_CONSTR_LIST_PAGE, IDC_CL_SHEET, cell(1, 2));
    script.runModeless();
    EXPECT_EQ(editor->record.variableNames[0], Kv_String("len+"));

    script.clickAt(IDD_CONSTR_LIST_PAGE, IDC_CL_SHEET, cell(1, 1));
    typeVariable("2len");
    answerWarning();
    script.clickAt(IDD_CONSTR_LIST_PAGE, IDC_CL_SHEET, cell(1, 2));
    script.runModeless();
    ASSERT_EQ(win::messageBoxHistory().size(), 2u);
    EXPECT_EQ(lastMessage().caption, "Invalid name");
    EXPECT_EQ(lastMessage().text,
              "\"2len\"\nA name must not begin with a digit.\nIt would be read as a number.\n"
              "Please change the name.\n\nPlease correct the value.");
    EXPECT_EQ(editor->record.variableNames[0], Kv_String("2len"));
    EXPECT_NE(drawingLog().find("variable = \"2len\""), std::string::npos) << drawingLog();
}

TEST_F(ConstraintListInputTest, ClickingHeadingTwoTwiceSortsOnce) {
    EditConstrData record = openSample("Plate");
    DlgEditConstraints* editor = openModeless(record);
    ASSERT_NE(editor, nullptr);
    script.clickAt(IDD_CONSTR_LIST_PAGE, IDC_CL_SHEET, cell(2, 0));
    script.clickAt(IDD_CONSTR_LIST_PAGE, IDC_CL_SHEET, cell(2, 0));
    script.runModeless();
    EXPECT_EQ(count(drawingLog(), " sort "), 1) << drawingLog();
    // By kind, then by the column after it (wrapped from 2 to 3): Coincident, Concentric,
    // Distance 20, 300, 400, Perpendicular.
    EXPECT_EQ(cellText(1, 1), "Centre on column");
    EXPECT_EQ(cellText(1, 2), "Anchor holes");
    EXPECT_EQ(cellText(1, 3), "Thickness");
    EXPECT_EQ(cellText(1, 4), "Width");
    EXPECT_EQ(cellText(1, 6), "Edge square");
    // Every array moved with its row.
    EXPECT_EQ(editor->record.values[2], Kv_String("20"));
    EXPECT_EQ(editor->record.variableNames[2], Kv_String("t"));
}

TEST_F(ConstraintListInputTest, TheMenuRunsTheChosenCodePastASeparatorAsAnEditorCommand) {
    EditConstrData record = openSample("Plate");
    ASSERT_NE(openModeless(record), nullptr);
    script.rightClick(IDD_CONSTR_LIST_PAGE, IDC_CL_SHEET, cell(1, 6));  // "Anchor holes", its own menu
    script.chooseMenuItem(kSpreadMenuIds[3]);                           // "Hole table", code 7
    script.rightClick(IDD_CONSTR_LIST_PAGE, IDC_CL_SHEET, cell(1, 2));
    script.chooseMenuItem(kSpreadMenuIds[2]);  // "Reverse direction"
    script.runModeless();
    const std::string log = drawingLog();
    EXPECT_NE(log.find("menu action"), std::string::npos) << log;
    EXPECT_NE(log.find("reverse"), std::string::npos) << log;
    EXPECT_EQ(activeRow(), 2);
    EXPECT_TRUE(win::describeWindow(win::findOpenDialog(IDD_EDIT_CONSTRAINTS)).visible);
}

TEST_F(ConstraintListInputTest, EntriesPastTheSixthActAndAnEntryWithoutACodeDoesNothing) {
    const char* menus = R"({"macros": [{"name": "M", "modules": [{"name": "P", "constraints": [
        {"name": "C", "features": [], "menu": {"labels": ["a", "b", "c", "d", "e", "f", "g", "h"],
                                               "codes": [1, 2, 3, 4, 5, 6, 17]}}]}]}]})";
    EditConstrData record = openDrawing(menus, "P");
    ASSERT_NE(openModeless(record), nullptr);
    script.rightClick(IDD_CONSTR_LIST_PAGE, IDC_CL_SHEET, cell(1, 1));
    script.chooseMenuItem(kSpreadMenuIds[6]);
    script.rightClick(IDD_CONSTR_LIST_PAGE, IDC_CL_SHEET, cell(1, 1));
    script.chooseMenuItem(kSpreadMenuIds[7]);
    script.runModeless();
    EXPECT_EQ(count(drawingLog(), "menu action"), 1) << drawingLog();
    EXPECT_NE(drawingLog().find("menu action #"), std::string::npos);
}

TEST_F(ConstraintListInputTest, DeleteSelectsTheRowBeforeOrRowZero) {
    EditConstrData record = openSample("Plate");
    ASSERT_NE(openModeless(record), nullptr);
    script.clickAt(IDD_CONSTR_LIST_PAGE, IDC_CL_SHEET, cell(1, 3));
    script.click(IDD_CONSTR_LIST_PAGE, IDC_CL_DELETE);
    script.runModeless();
    EXPECT_EQ(cellText(1, 3), "Centre on column");
    EXPECT_EQ(activeRow(), 2);
    EXPECT_EQ(cellText(1, 2), "Length");
    script.clickAt(IDD_CONSTR_LIST_PAGE, IDC_CL_SHEET, cell(1, 1));
    script.click(IDD_CONSTR_LIST_PAGE, IDC_CL_DELETE);
    script.runModeless();
    EXPECT_EQ(cellText(1, 1), "Length");
    EXPECT_EQ(activeRow(), 1);
    EXPECT_EQ(count(drawingLog(), "erase"), 2) << drawingLog();
}

TEST_F(ConstraintListInputTest, OneEscapeIsSwallowedAfterTheCutDialogClosedOnEscape) {
    EditConstrData record = openSample("Stiffener 1");
    ASSERT_NE(openModeless(record), nullptr);
    script.clickAt(IDD_CONSTR_LIST_PAGE, IDC_CL_SHEET, cell(1, 3));
    script.click(IDD_CONSTR_LIST_PAGE, IDC_CL_EDIT_CUT);
    script.key(30110, VK_ESCAPE);
    script.key(IDD_CONSTR_LIST_PAGE, VK_ESCAPE);
    script.runModeless();
    EXPECT_NE(frame::modelessConstraintEditor(), nullptr);
    script.key(IDD_CONSTR_LIST_PAGE, VK_ESCAPE);
    script.runModeless();
    EXPECT_EQ(frame::modelessConstraintEditor(), nullptr);
}

TEST_F(ConstraintListInputTest, TheCutDialogWritesTheCutAndOkSwallowsNoEscape) {
    EditConstrData record = openSample("Stiffener 1");
    ASSERT_NE(openModeless(record), nullptr);
    script.clickAt(IDD_CONSTR_LIST_PAGE, IDC_CL_SHEET, cell(1, 3));
    script.click(IDD_CONSTR_LIST_PAGE, IDC_CL_EDIT_CUT);
    script.type(30110, "Rib");
    script.click(30110, IDOK);
    script.key(IDD_CONSTR_LIST_PAGE, VK_ESCAPE);
    script.runModeless();
    EXPECT_EQ(frame::modelessConstraintEditor(), nullptr);
    EXPECT_NE(drawingLog().find("cutName = \"Rib\""), std::string::npos) << drawingLog();
}

TEST_F(ConstraintListInputTest, CheckBoxTwoFollowsCheckBoxOne) {
    EditConstrData record = openSample("Plate");
    DlgEditConstraints* editor = openModeless(record);
    ASSERT_NE(editor, nullptr);
    script.clickAt(IDD_CONSTR_LIST_PAGE, IDC_CL_SHEET, cell(1, 3));
    script.runModeless();
    EXPECT_TRUE(listControl(IDC_CL_CHECK_2).enabled);
    script.click(IDD_CONSTR_LIST_PAGE, IDC_CL_CHECK_1);
    script.runModeless();
    EXPECT_FALSE(listControl(IDC_CL_CHECK_2).enabled);
    script.click(IDD_CONSTR_LIST_PAGE, IDC_CL_CHECK_1);
    script.click(IDD_CONSTR_LIST_PAGE, IDC_CL_CHECK_2);
    script.clickAt(IDD_CONSTR_LIST_PAGE, IDC_CL_SHEET, cell(1, 1));
    script.runModeless();
    EXPECT_TRUE(editor->record.firstCheck.items()[2]);
    EXPECT_TRUE(editor->record.secondCheck.items()[2]);
}

}  // namespace

// The constraint list page over stored input: an empty module, option groups, and records
// whose arrays do not fit together.  The page shows what is valid and never reads or writes
// outside an array.
#include "constraint_editor_test.h"

#include <filesystem>
#include <fstream>

namespace {

class ConstraintListTest : public ConstraintEditorTest {
protected:
    ConstrListPage& page(DlgEditConstraints* editor) { return *dynamic_cast<ConstrListPage*>(editor->page(0)); }
    static int check(int id) { return listControl(id).check; }
};

TEST_F(ConstraintListTest, AModuleWithoutConstraintsShowsNoPropertiesHidesDeleteAndStoresNothing) {
    const char* empty = R"({"macros": [{"name": "M", "modules": [{"name": "Empty"}, {"name": "Other"}]}]})";
    EditConstrData record = openDrawing(empty, "Empty");
    DlgEditConstraints* editor = openModeless(record);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(win::describeWindow(listPage()).text, "Regels editeren");
    for (int id :
         {IDC_CL_VALUE, IDC_CL_VARIABLE, IDC_CL_CHOICE, IDC_CL_CHECK_1, IDC_CL_CHECK_2, IDC_CL_EDIT_CUT, IDC_CL_DELETE})
        EXPECT_FALSE(listControl(id).visible) << id;
    EXPECT_FALSE(page(editor).storeConstraintEdits());
    EXPECT_EQ(page(editor).currentRow(), -1);
}

TEST_F(ConstraintListTest, TwoOptionGroupsUseButtonsOneToFourWithOneStateEach) {
    EditConstrData record = openSample("Stiffener 1");
    DlgEditConstraints* editor = openModeless(record);
    ASSERT_NE(editor, nullptr);
    for (int id : {IDC_CL_OPTION_1, IDC_CL_OPTION_2, IDC_CL_OPTION_3, IDC_CL_OPTION_4})
        EXPECT_TRUE(listControl(id).enabled) << id;
    EXPECT_FALSE(listControl(IDC_CL_OPTION_5).enabled);
    EXPECT_EQ(page(editor).groupSplit(), 3);
    EXPECT_EQ(check(IDC_CL_OPTION_1), BST_CHECKED);
    EXPECT_EQ(check(IDC_CL_OPTION_2), BST_UNCHECKED);
    EXPECT_EQ(check(IDC_CL_OPTION_3), BST_UNCHECKED);
    EXPECT_EQ(check(IDC_CL_OPTION_4), BST_CHECKED);
    EXPECT_NE(listControl(IDC_CL_OPTION_1).bitmap, nullptr);
    EXPECT_EQ(listControl(IDC_CL_OPTION_5).bitmap, nullptr);

    // Clicking 3 clears 4 and leaves the first group; clicking 2 clears 1.
    script.click(IDD_CONSTR_LIST_PAGE, IDC_CL_OPTION_3);
    script.click(IDD_CONSTR_LIST_PAGE, IDC_CL_OPTION_2);
    script.runModeless();
    EXPECT_EQ(check(IDC_CL_OPTION_1), BST_UNCHECKED);
    EXPECT_EQ(check(IDC_CL_OPTION_2), BST_CHECKED);
    EXPECT_EQ(check(IDC_CL_OPTION_3), BST_CHECKED);
    EXPECT_EQ(check(IDC_CL_OPTION_4), BST_UNCHECKED);
    EXPECT_TRUE(page(editor).storeConstraintEdits());
    EXPECT_EQ(editor->record.optionStates[0], (Kv_Array<int>{2, 3}));
    EXPECT_NE(drawingLog().find("option1 = 2"), std::string::npos) << drawingLog();
}

TEST_F(ConstraintListTest, ClickingButtonFourClearsThreeAndKeepsOneAndTwo) {
    EditConstrData record = openSample("Stiffener 1");
    record.optionStates[0] = Kv_Array<int>{2, 3};
    ASSERT_NE(openModeless(record), nullptr);
    script.click(IDD_CONSTR_LIST_PAGE, IDC_CL_OPTION_4);
    script.runModeless();
    EXPECT_EQ(check(IDC_CL_OPTION_1), BST_UNCHECKED);
    EXPECT_EQ(check(IDC_CL_OPTION_2), BST_CHECKED);
    EXPECT_EQ(check(IDC_CL_OPTION_3), BST_UNCHECKED);
    EXPECT_EQ(check(IDC_CL_OPTION_4), BST_CHECKED);
}

// A row of stored input whose option pictures have no closing break, more pictures than
// buttons, states naming buttons that do not exist, and arrays of other lengths.
EditConstrData badRecord() {
    EditConstrData r;
    r.rowCells = {Kv_StringArray{"Open group", "Distance"}, Kv_StringArray{"Short"}, Kv_StringArray{}};
    r.constraintIds = {11, 12, 13};
    r.constraintKinds = {0, 0};
    r.features = {Kv_Array<int>{0, 7, 2}, Kv_Array<int>{1}};
    r.values = {"5"};
    r.choiceItems = {Kv_StringArray{"a", "b"}};
    r.choiceIndex = {9};
    r.optionImages = {Kv_StringArray{"x.bmp", "y.bmp", "z.bmp", "u.bmp", "v.bmp", "w.bmp", "t.bmp"}};
    r.optionStates = {Kv_Array<int>{0, 6}};
    return r;
}

TEST_F(ConstraintListTest, StoredInputShowsWhatIsValidAndAGroupWithoutABreakIsOneRunNeverStored) {
    EditConstrData record = badRecord();
    DlgEditConstraints* editor = openModeless(record);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(cellText(1, 1), "Open group");
    EXPECT_EQ(cellText(2, 2), "");
    EXPECT_TRUE(listControl(IDC_CL_VALUE).visible);
    EXPECT_TRUE(listControl(IDC_CL_CHOICE).visible);
    EXPECT_EQ(listControl(IDC_CL_CHOICE).selection, -1);  // index 9 names no entry
    for (int id : {IDC_CL_OPTION_1, IDC_CL_OPTION_2, IDC_CL_OPTION_3, IDC_CL_OPTION_4, IDC_CL_OPTION_5}) {
        EXPECT_TRUE(listControl(id).enabled) << id;
        EXPECT_EQ(listControl(id).check, BST_UNCHECKED) << id;
        EXPECT_EQ(listControl(id).bitmap, nullptr) << id;  // the files do not exist
    }
    script.click(IDD_CONSTR_LIST_PAGE, IDC_CL_OPTION_5);
    script.click(IDD_CONSTR_LIST_PAGE, IDC_CL_OPTION_2);
    script.runModeless();
    EXPECT_EQ(check(IDC_CL_OPTION_5), BST_UNCHECKED);
    EXPECT_EQ(check(IDC_CL_OPTION_2), BST_CHECKED);
    // The run is not stored: the states read (none) differ in number from the two stored.
    host::CommandLine::instance().clear();
    EXPECT_TRUE(page(editor).storeConstraintEdits());
    EXPECT_EQ(host::CommandLine::instance().text(), "*Error* Array size mismatch.\n");
    EXPECT_EQ(editor->record.optionStates[0], (Kv_Array<int>{0, 6}));
}

TEST_F(ConstraintListTest, ARowWithTooShortArraysBecomesCurrentShowsNothingAndStoresNothing) {
    EditConstrData record = badRecord();
    DlgEditConstraints* editor = openModeless(record);
    ASSERT_NE(editor, nullptr);
    script.clickAt(IDD_CONSTR_LIST_PAGE, IDC_CL_SHEET, cell(1, 2));
    script.runModeless();
    EXPECT_EQ(page(editor).currentRow(), 1);
    EXPECT_EQ(editor->record.currentConstraintId, 12);
    EXPECT_FALSE(listControl(IDC_CL_VARIABLE).visible);
    EXPECT_TRUE(listControl(IDC_CL_DELETE).visible);
    EXPECT_FALSE(page(editor).storeConstraintEdits());
    // The third row has no entry in constraintKinds either.
    script.clickAt(IDD_CONSTR_LIST_PAGE, IDC_CL_SHEET, cell(1, 3));
    script.runModeless();
    EXPECT_EQ(page(editor).currentRow(), 2);
    EXPECT_FALSE(page(editor).storeConstraintEdits());
}

TEST_F(ConstraintListTest, AnOptionStateCountMismatchKeepsTheStoredStatesAndStoresTheOtherFields) {
    EditConstrData record = openSample("Stiffener 1");
    record.optionStates[0] = Kv_Array<int>{1, 4, 4};
    DlgEditConstraints* editor = openModeless(record);
    ASSERT_NE(editor, nullptr);
    script.click(IDD_CONSTR_LIST_PAGE, IDC_CL_VALUE);
    script.key(IDD_CONSTR_LIST_PAGE, VK_END);
    script.type(IDD_CONSTR_LIST_PAGE, "0");
    script.runModeless();
    host::CommandLine::instance().clear();
    EXPECT_TRUE(page(editor).storeConstraintEdits());
    EXPECT_EQ(host::CommandLine::instance().text(), "*Error* Array size mismatch.\n");
    EXPECT_EQ(editor->record.values[0], Kv_String("750"));
    EXPECT_EQ(editor->record.optionStates[0], (Kv_Array<int>{1, 4, 4}));
}

TEST_F(ConstraintListTest, OptionPicturesAndPalettePicturesComeFromTheInstallationFolder) {
    EditConstrData record = openSample("Stiffener 2");
    ASSERT_NE(openModeless(record), nullptr);
    for (int id : {IDC_CL_OPTION_1, IDC_CL_OPTION_2, IDC_CL_OPTION_3, IDC_CL_OPTION_4, IDC_CL_OPTION_5})
        EXPECT_NE(listControl(id).bitmap, nullptr) << id;
    HWND palette = win::findOpenDialog(IDD_CONSTR_PALETTE_PAGE);
    for (int id = IDC_CP_FIRST; id <= IDC_CP_LAST; ++id) {
        const win::WindowInfo button = win::describeWindow(GetDlgItem(palette, id));
        const bool hidden = id == 1027 || id == 1034;
        EXPECT_EQ((button.style & WS_VISIBLE) != 0, !hidden) << id;
        if (id != 1034) {
            EXPECT_NE(button.bitmap, nullptr) << id;
        }
    }
    EXPECT_EQ(CButtonST::tooltipOf(GetDlgItem(palette, 1031)), Kv_String("Distance"));
}

TEST_F(ConstraintListTest, AMissingOrUndecodablePaletteOrOptionPictureLeavesItsButtonWithoutOne) {
    // An installation folder of the test's own: Angle.bmp missing, Radius.bmp not a picture.
    const std::filesystem::path install = root_ / "install";
    std::filesystem::copy(kvSourceDir() + "/install", install, std::filesystem::copy_options::recursive);
    std::filesystem::remove(install / "icons" / "Angle.bmp");
    std::ofstream(install / "icons" / "Radius.bmp") << "not a picture";
    setenv("KV_DIR", (install.string() + "/").c_str(), 1);
    EditConstrData record = openSample("Stiffener 2");
    record.optionImages[0][1] = (install / "icons" / "Radius.bmp").string().c_str();
    ASSERT_NE(openModeless(record), nullptr);
    HWND palette = win::findOpenDialog(IDD_CONSTR_PALETTE_PAGE);
    EXPECT_NE(win::describeWindow(GetDlgItem(palette, 1031)).bitmap, nullptr);
    EXPECT_EQ(win::describeWindow(GetDlgItem(palette, 1032)).bitmap, nullptr);
    EXPECT_EQ(win::describeWindow(GetDlgItem(palette, 1033)).bitmap, nullptr);
    EXPECT_NE(listControl(IDC_CL_OPTION_1).bitmap, nullptr);
    EXPECT_EQ(listControl(IDC_CL_OPTION_2).bitmap, nullptr);
    EXPECT_TRUE(listControl(IDC_CL_OPTION_2).enabled);  // still one of the buttons in use
}

}  // namespace

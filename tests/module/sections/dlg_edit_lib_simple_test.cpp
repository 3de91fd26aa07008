// The simple library editor through StartDlgEditLibSimple, as a person uses it.
#include "lib_editor_test_support.h"
#include "sections/dlg_edit_lib_simple.h"

namespace {

constexpr int kDialog = IDD_EDIT_LIB_SIMPLE;

int valueField(int field) { return IDC_SIMPLE_FIRST_VALUE + 2 * field; }

class SimpleEditorTest : public LibEditorTest {
protected:
    void SetUp() override {
        LibEditorTest::SetUp();
        shs = table("SHS", "10", tubeColumns(), squareTubeRows());
    }
    // Replaces a value field's text as a person does: click, select all, type.
    void retype(int field, const std::string& text) {
        script.click(kDialog, valueField(field)).key(kDialog, 'A', win::input::Control).type(kDialog, text);
    }
    std::string shownName() const { return controlOf(kDialog, IDC_SIMPLE_NAME).text; }

    Kv_ProfValuesTable shs;
    int index = 99;
};

}  // namespace

TEST_F(SimpleEditorTest, TheModelsFieldsShowAndEditedValuesRebuildItsName) {
    script.inspect([] {
        EXPECT_EQ(controlOf(kDialog, 0).text, dialString(796).str());
        EXPECT_EQ(controlOf(kDialog, IDC_SIMPLE_NAME).text, "SHS 200x100x5");
        EXPECT_FALSE(controlOf(kDialog, IDC_SIMPLE_NAME).enabled);
        EXPECT_EQ(controlOf(kDialog, IDC_SIMPLE_FIRST_LABEL).text, "A. " + dialString(736).str() + ":");
        EXPECT_EQ(controlOf(kDialog, valueField(3)).text, "10");
        EXPECT_FALSE(controlOf(kDialog, valueField(4)).visible);  // the model has four values
        EXPECT_FALSE(controlOf(kDialog, IDC_SIMPLE_FIRST_LABEL + 8).visible);
    });
    retype(0, "250");
    retype(2, "6");
    retype(3, "12");
    script.inspect([this] { EXPECT_EQ(shownName(), "SHS 250x100x6"); }).click(kDialog, IDOK);
    ASSERT_TRUE(StartDlgEditLibSimple("200x100x5", shs, index));
    ASSERT_EQ(shs.rows.length(), 6);
    // After 200x100x5 in natural order.
    EXPECT_EQ(shs.rows[5], (Kv_StringArray{"250x100x6", "1", "SHS 250x100x6", "Koker 250x100x6", "SHS 250x100x6",
                                           "SHS 250x100x6", "250", "100", "6", "12"}));
    EXPECT_EQ(index, 5);
}

TEST_F(SimpleEditorTest, ASquareSizeGoesAmongTheSquares) {
    // 120x120x8 sorts after 100x100x10 among the squares, so before the rectangular 200x100x5.
    retype(0, "120");
    retype(1, "120");
    retype(2, "8");
    retype(3, "16");
    script.click(kDialog, IDOK);
    ASSERT_TRUE(StartDlgEditLibSimple("100x100x10", shs, index));
    EXPECT_EQ(shs.rows[4][0], "120x120x8");
    EXPECT_EQ(shs.rows[5][0], "200x100x5");
    EXPECT_EQ(index, 4);
}

TEST_F(SimpleEditorTest, ARadiusEqualToTheWallIsRefusedWithTheTableUnchangedAndZeroPasses) {
    retype(0, "60");
    retype(1, "60");
    retype(2, "6");
    retype(3, "6");
    script.click(kDialog, IDOK)
        .inspect([] { EXPECT_NE(win::findOpenDialog(kDialog), nullptr); })
        .answerMessageBox(IDOK);
    retype(3, "0");
    script.click(kDialog, IDOK);
    ASSERT_TRUE(StartDlgEditLibSimple("40x40x4", shs, index));
    // One row added: the refused OK inserted nothing.
    ASSERT_EQ(shs.rows.length(), 6);
    EXPECT_EQ(shs.rows[2][0], "60x60x6");
    EXPECT_EQ(shs.rows[2][9], "0");
}

TEST_F(SimpleEditorTest, ATakenOrEmptyNameIsRefusedAndTheDialogStaysOpen) {
    // The model's own values rebuild the model's name.
    script.click(kDialog, IDOK).answerMessageBox(IDOK);
    script.click(kDialog, IDC_SIMPLE_TYPE_NAME)
        .inspect([] { EXPECT_TRUE(controlOf(kDialog, IDC_SIMPLE_NAME).enabled); })
        .click(kDialog, IDC_SIMPLE_NAME)
        .key(kDialog, 'A', win::input::Control)
        .key(kDialog, VK_DELETE)
        .click(kDialog, IDOK)
        .answerMessageBox(IDOK)
        .inspect([] { EXPECT_NE(win::findOpenDialog(kDialog), nullptr); })
        .click(kDialog, IDCANCEL);
    const Kv_ProfValuesTable before = shs;
    EXPECT_FALSE(StartDlgEditLibSimple("50x50x5", shs, index));
    EXPECT_EQ(shs.rows, before.rows);
    EXPECT_EQ(index, 99);
}

TEST_F(SimpleEditorTest, ATypedNameIsEveryDisplayName) {
    script.click(kDialog, IDC_SIMPLE_TYPE_NAME)
        .click(kDialog, IDC_SIMPLE_NAME)
        .key(kDialog, 'A', win::input::Control)
        .type(kDialog, "Special 90");
    retype(0, "90");
    script.click(kDialog, IDOK);
    ASSERT_TRUE(StartDlgEditLibSimple("80x80x8", shs, index));
    const Kv_StringArray& added = shs.rows[index];
    EXPECT_EQ(added[0], "Special 90");
    EXPECT_EQ(added[2], "Special 90");
    EXPECT_EQ(added[3], "Special 90");
    EXPECT_EQ(added[6], "90");
}

TEST_F(SimpleEditorTest, AnUnknownModelIsTheFirstRowAndCancelLeavesTableAndIndex) {
    script.inspect([] { EXPECT_EQ(controlOf(kDialog, IDC_SIMPLE_NAME).text, "SHS 40x40x4"); }).click(kDialog, IDCANCEL);
    const Kv_ProfValuesTable before = shs;
    EXPECT_FALSE(StartDlgEditLibSimple("999x999x9", shs, index));
    EXPECT_EQ(shs.rows, before.rows);
    EXPECT_EQ(index, 99);
}

TEST_F(SimpleEditorTest, WithoutAColumnForTheLanguageNamesGetNoPrefix) {
    Kv_StringArray columns = tubeColumns();
    columns[2] = "Svenska";
    shs.columnNames = columns;
    script.inspect([] { EXPECT_EQ(controlOf(kDialog, IDC_SIMPLE_NAME).text, ""); });
    retype(0, "90");
    retype(1, "90");
    script.inspect([this] { EXPECT_EQ(shownName(), "90x90x4"); }).click(kDialog, IDOK);
    ASSERT_TRUE(StartDlgEditLibSimple("40x40x4", shs, index));
    EXPECT_EQ(shs.rows[index][0], "90x90x4");
    EXPECT_EQ(shs.rows[index][2], "SHS 90x90x4");  // the other languages keep their prefixes
}

TEST_F(SimpleEditorTest, AModelTooShortForASizeLeavesOnlyCancel) {
    shs.rows = {{"lonely"}};
    script.click(kDialog, IDOK)
        .inspect([] { EXPECT_NE(win::findOpenDialog(kDialog), nullptr); })
        .click(kDialog, IDCANCEL);
    EXPECT_FALSE(StartDlgEditLibSimple("lonely", shs, index));
    EXPECT_EQ(index, 99);
}

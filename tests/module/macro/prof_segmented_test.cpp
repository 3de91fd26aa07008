// The segmented profiles dialog through its launcher, as a person edits the profiles of a
// profile tab.
#include "macro/dlg_macro_prof_segmented.h"

#include "core/kv_texts.h"
#include "engine_probe.h"
#include "host/drawing_database.h"
#include "host/pick_input.h"
#include "macro/prof_segmented_ids.h"
#include "small_dialog_fixture.h"

namespace {

constexpr int kDlg = IDD_MACRO_PROF_SEGMENTED;

class ProfSegmentedTest : public SmallDialogTest {
protected:
    void SetUp() override {
        SmallDialogTest::SetUp();
        host::DrawingDatabase::instance().reset();
        MacroProfSegmentedData rail;
        rail.name = "Rail";
        rail.group = "Top";
        rail.gap = 5;
        rail.points = {"0,0", "1000,0,250"};
        MacroProfSegmentedData ridge;
        ridge.name = "Ridge";
        ridge.group = "Roof";
        ridge.breakAtPoints = true;
        ridge.points = {"0,0,3000"};
        profiles = {rail, ridge};
    }
    void TearDown() override {
        host::DrawingDatabase::instance().reset();
        SmallDialogTest::TearDown();
    }
    static HWND sheetWindow() { return GetDlgItem(win::findOpenDialog(kDlg), IDC_SEGMENTED_SHEET); }
    static spread_test::EngineProbe probe() { return spread_test::EngineProbe(sheetWindow()); }
    // A click on a cell, then the text typed into it and Enter.
    void typeIntoCell(int col, int row, const std::string& text) {
        script.inspect(
            [col, row] { win::input::click(sheetWindow(), spread_test::cellCenter(sheetWindow(), col, row)); },
            "click a point cell");
        script.type(kDlg, text).key(kDlg, VK_RETURN);
    }
    // The field's text replaced by what the person types.
    void retype(int id, const std::string& text) {
        script.click(kDlg, id).key(kDlg, VK_END);
        for (int i = 0; i < 12; ++i) script.key(kDlg, VK_BACK);
        script.type(kDlg, text);
    }
    bool run() { return StartDlgMacroProfSegmented(profiles); }

    Kv_Array<MacroProfSegmentedData> profiles;
};

}  // namespace

TEST_F(ProfSegmentedTest, OpensOnTheFirstProfileWithItsPointsInColumns) {
    script
        .inspect([] {
            EXPECT_EQ(caption(kDlg), dialString(1027).str());
            const win::WindowInfo list = control(kDlg, IDC_SEGMENTED_PROFILES);
            ASSERT_EQ(list.items.size(), 2u);
            EXPECT_EQ(list.items[0], "Rail, Top");
            EXPECT_EQ(list.items[1], "Ridge, Roof");
            EXPECT_EQ(list.selection, 0);
            EXPECT_EQ(control(kDlg, IDC_SEGMENTED_NAME).text, "Rail");
            EXPECT_EQ(control(kDlg, IDC_SEGMENTED_GAP).text, "5.00");
            EXPECT_EQ(control(kDlg, IDC_SEGMENTED_BREAK).check, BST_UNCHECKED);
            EXPECT_EQ(control(kDlg, IDC_SEGMENTED_PICK_POINT).text, dialString(1031).str());
            ASSERT_EQ(probe().maxRows(), 2);
            EXPECT_EQ(probe().maxCols(), 3);
            EXPECT_EQ(probe().dataAt(SS_HEADER, SS_HEADER), dialString(1029).str() + " nr.");
            EXPECT_EQ(probe().dataAt(1, 1), "0");
            EXPECT_EQ(probe().dataAt(2, 1), "0");
            EXPECT_EQ(probe().dataAt(3, 1), "");
            EXPECT_EQ(probe().dataAt(3, 2), "250");
        })
        .click(kDlg, IDOK);
    const Kv_Array<MacroProfSegmentedData> before = profiles;
    EXPECT_TRUE(run());
    EXPECT_EQ(profiles, before);  // untouched points come back as they were ("0,0" keeps no z)
}

// Each profile keeps what the person typed for it when they switch between them, and the one
// shown at OK keeps its edits too (OK used to hand the list back without storing it).
TEST_F(ProfSegmentedTest, SwitchingKeepsEachProfilesEditsAndOkReturnsThemAll) {
    retype(IDC_SEGMENTED_NAME, "Rail 2");
    typeIntoCell(1, 2, "1500");
    script.choose(kDlg, IDC_SEGMENTED_PROFILES, 1)
        .inspect([] {
            EXPECT_EQ(control(kDlg, IDC_SEGMENTED_NAME).text, "Ridge");
            EXPECT_EQ(control(kDlg, IDC_SEGMENTED_BREAK).check, BST_CHECKED);
            EXPECT_EQ(probe().maxRows(), 1);
            // The stored name shows in the list at once.
            EXPECT_EQ(control(kDlg, IDC_SEGMENTED_PROFILES).items[0], "Rail 2, Top");
        })
        .click(kDlg, IDC_SEGMENTED_BREAK);
    retype(IDC_SEGMENTED_GAP, "12.5");
    script.choose(kDlg, IDC_SEGMENTED_PROFILES, 0).inspect([] {
        EXPECT_EQ(control(kDlg, IDC_SEGMENTED_NAME).text, "Rail 2");
        EXPECT_EQ(probe().dataAt(1, 2), "1500");
    });
    // The last edit is made on the profile shown when OK is pressed.
    typeIntoCell(2, 1, "40");
    script.click(kDlg, IDOK);
    EXPECT_TRUE(run());
    ASSERT_EQ(profiles.length(), 2);
    EXPECT_EQ(profiles[0].name, "Rail 2");
    EXPECT_EQ(profiles[0].points, stringArr("0,40", "1500,0,250"));
    EXPECT_FALSE(profiles[1].breakAtPoints);
    EXPECT_DOUBLE_EQ(profiles[1].gap, 12.5);
    EXPECT_EQ(profiles[1].name, "Ridge");
}

TEST_F(ProfSegmentedTest, RowsAreAddedRemovedAndPickedAndCancelChangesNothing) {
    const Kv_Array<MacroProfSegmentedData> before = profiles;
    typeIntoCell(1, 1, "7");
    script.click(kDlg, IDC_SEGMENTED_ADD_ROW).inspect([] { EXPECT_EQ(probe().maxRows(), 3); });
    typeIntoCell(1, 2, "300");
    script.inspect([] { EXPECT_EQ(probe().dataAt(1, 2), "300"); });
    typeIntoCell(3, 3, "9");  // the last row is selected, then removed
    script.click(kDlg, IDC_SEGMENTED_REMOVE_ROW).inspect([] {
        ASSERT_EQ(probe().maxRows(), 2);
        EXPECT_EQ(probe().dataAt(1, 2), "300");
    });
    // A cancelled pick adds nothing; an answered one adds the point as a new last row.
    script.click(kDlg, IDC_SEGMENTED_PICK_POINT);
    host::cancelPick(script);
    script.inspect([] { EXPECT_EQ(probe().maxRows(), 2); }).click(kDlg, IDC_SEGMENTED_PICK_POINT);
    host::answerPick(script, {10, 20.5, 0});
    script
        .inspect([] {
            ASSERT_EQ(probe().maxRows(), 3);
            EXPECT_EQ(probe().dataAt(1, 3), "10.00");
            EXPECT_EQ(probe().dataAt(2, 3), "20.50");
            EXPECT_TRUE(win::describeWindow(win::findOpenDialog(kDlg)).visible);
        })
        .click(kDlg, IDCANCEL);
    EXPECT_FALSE(run());
    EXPECT_EQ(profiles, before);
}

TEST_F(ProfSegmentedTest, NoProfilesOpensEmptyAndOkReturnsTheEmptyList) {
    profiles.removeAll();
    script
        .inspect([] {
            EXPECT_TRUE(control(kDlg, IDC_SEGMENTED_PROFILES).items.empty());
            EXPECT_FALSE(control(kDlg, IDC_SEGMENTED_PICK_POINT).enabled);
            EXPECT_EQ(probe().maxRows(), 0);
        })
        .click(kDlg, IDOK);
    EXPECT_TRUE(run());
    EXPECT_TRUE(profiles.isEmpty());
}

TEST(ProfSegmentedPoints, SplitAndJoinKeepTheRecordsText) {
    for (const char* text : {"0,0", "1,2,3", "", "5", "a,b,c,d"}) {
        Kv_String parts[3];
        CDlgMacroProfSegmented::splitPoint(text, parts);
        EXPECT_EQ(CDlgMacroProfSegmented::joinPoint(parts), Kv_String(text)) << text;
    }
    Kv_String parts[3];
    CDlgMacroProfSegmented::splitPoint("a,b,c,d", parts);
    EXPECT_EQ(parts[2], "c,d");
}

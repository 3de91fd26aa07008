// The template page: filling, linking, sheet rows, values both ways, live edits and keys.
#include "engine_probe.h"
#include "macro/bolt_options_ids.h"
#include "macro_test_support.h"

namespace {

// Base Plate's controls (ids in file order from 33000): title, width, height, thickness, bolt
// count X (pattern value), bolt count Y (pattern count), grout check box, a cut choice.
constexpr int kPlateWidth = 33001, kBoltsX = 33004, kCutChoice = 33007;
// Stiffener's flex buttons.
constexpr int kBothSides = 33004, kOneSide = 33005;

class MacroPageTest : public MacroDialogTest {
protected:
    static HWND pageSheet() { return win::findControl(win::findOpenDialog(IDD_MACRO_TAB_PAGE), IDC_PAGE_SHEET); }
    static spread_test::EngineProbe probe() { return spread_test::EngineProbe(pageSheet()); }
    void clickCell(int col, int row) {
        script.inspect([col, row] { win::input::click(pageSheet(), spread_test::cellCenter(pageSheet(), col, row)); },
                       "click a page cell");
    }
    static int span(int col, int row) {
        SS_COORD anchorCol = 0, anchorRow = 0, cols = 0, rows = 0;
        if (!_SSGetCellSpan(pageSheet(), col, row, &anchorCol, &anchorRow, &cols, &rows)) return 1;
        return cols;
    }
    static bool focusedIn(int id) { return pageControl(id).focused; }
};

TEST_F(MacroPageTest, FillingDropsFailedLinksAndListsTheRestInOrderWithSpansLocksAndTypes) {
    MacroData macro = sampleMacro();
    script
        .inspect([] {
            // The cut choice names no cut of the tab: it is gone, not shown unlinked.
            EXPECT_EQ(win::findControl(win::findOpenDialog(IDD_MACRO_TAB_PAGE), kCutChoice), nullptr);
            EXPECT_EQ(pageControl(kBoltsX).text, "2");
            spread_test::EngineProbe sheet = probe();
            ASSERT_TRUE(sheet.valid());
            EXPECT_TRUE(win::describeWindow(pageSheet()).visible);
            // Variables without a control, then the pattern not fully shown.
            ASSERT_EQ(sheet.maxRows(), 3);
            EXPECT_EQ(sheet.dataAt(1, 1), "WELD_A");
            EXPECT_EQ(sheet.dataAt(3, 1), "6");
            EXPECT_EQ(sheet.dataAt(1, 2), "FINISH");
            EXPECT_EQ(sheet.dataAt(1, 3), "BOLTS_Y");
            EXPECT_EQ(sheet.dataAt(3, 3), "80");
            EXPECT_EQ(sheet.dataAt(4, 3), "2");  // a pattern with a count shows it beside
            EXPECT_TRUE(sheet.locked(1, 1));
            EXPECT_FALSE(sheet.locked(3, 1));
            EXPECT_EQ(span(1, 1), 2);
            EXPECT_EQ(span(3, 1), 2);
            EXPECT_EQ(span(3, 3), 1);
            EXPECT_EQ(sheet.cellType(3, 1).record.kind, sheet::CellKind::Edit);
        })
        // The Stiffener template shows every variable: no sheet.
        .chooseTab(IDD_MACRO, IDC_MACRO_TABS, 1)
        .inspect([] { EXPECT_FALSE(win::describeWindow(pageSheet()).visible); })
        // Without a template everything is listed.
        .chooseTab(IDD_MACRO, IDC_MACRO_TABS, 2)
        .inspect([] {
            ASSERT_EQ(probe().maxRows(), 2);
            EXPECT_EQ(probe().dataAt(1, 1), "ANCHOR_L");
            EXPECT_EQ(probe().dataAt(1, 2), "ANCHOR_TYPE");
        })
        .click(IDD_MACRO, IDOK);
    EXPECT_TRUE(StartDlgMacro(macro));
    EXPECT_EQ(macro.tabs[0].cells[4].link, -1);  // links are written back as the page made them
    EXPECT_EQ(macro.tabs[0].cells[0].link, kPlateWidth);
}

// A number typed for a numeric variable keeps two decimals.  Enter while the cell is being
// typed in ends the edit (whose end applies the page once) instead of applying a second time,
// and the sheet refilled inside its own end-of-edit notice still shows the value.
TEST_F(MacroPageTest, EnterEndsTheCellEditWhichAppliesOnceAndKeepsTheTwoDecimalValue) {
    MacroData macro = sampleMacro();
    clickCell(3, 1);
    script.key(IDD_MACRO_TAB_PAGE, VK_F2)
        .key(IDD_MACRO_TAB_PAGE, VK_BACK)
        .type(IDD_MACRO_TAB_PAGE, "2.5")
        .key(IDD_MACRO_TAB_PAGE, VK_RETURN)
        .inspect([this] {
            EXPECT_FALSE(probe().editing());
            EXPECT_EQ(probe().dataAt(3, 1), "2.50");
            EXPECT_EQ(log(), "1 UpdateModule #1 BasePlate\n2 set #1 cell.WELD_A = \"2.50\"\n");
        })
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
    EXPECT_EQ(macro.tabs[0].cells[4].value, "2.50");
}

TEST_F(MacroPageTest, LeavingAFieldWithoutChangeUpdatesNothing) {
    MacroData macro = sampleMacro();
    script.click(IDD_MACRO_TAB_PAGE, kPlateWidth)
        .key(IDD_MACRO_TAB_PAGE, VK_TAB)
        .key(IDD_MACRO_TAB_PAGE, VK_RETURN)
        .inspect([this] { EXPECT_EQ(log(), ""); })
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
}

// The flex buttons: the clicked member becomes the flexible one; the drawing is updated once
// from the tab as it was before the click, and the buttons show the tab's members again.
TEST_F(MacroPageTest, AFlexClickUpdatesTheDrawingOnceAndRefreshesTheButtons) {
    MacroData macro = sampleMacro();
    script.chooseTab(IDD_MACRO, IDC_MACRO_TABS, 1)
        .inspect([] {
            EXPECT_EQ(pageControl(kBothSides).check, BST_CHECKED);
            EXPECT_EQ(pageControl(kOneSide).check, BST_UNCHECKED);
        })
        .click(IDD_MACRO_TAB_PAGE, kOneSide)
        .inspect([this] {
            EXPECT_EQ(pageControl(kBothSides).check, BST_UNCHECKED);
            EXPECT_EQ(pageControl(kOneSide).check, BST_CHECKED);
            EXPECT_EQ(log(),
                      "1 UpdateModule #1 BasePlate\n2 set #1 flex.side.BOTH_SIDES = \"1\"\n"
                      "3 set #1 flex.side.ONE_SIDE = \"0\"\n");
        })
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
    EXPECT_EQ(macro.tabs[1].flexFixGroups[0].members[1].fixed, 0);
}

TEST_F(MacroPageTest, ABoltCompositionTheLibraryLacksIsAddedAndSelected) {
    MacroData macro = sampleMacro();
    macro.tabs[0].bolt.composition = "X-99";
    script
        .inspect([] {
            const win::WindowInfo compositions = pageControl(IDC_PAGE_BOLT_COMPOSITION);
            EXPECT_TRUE(compositions.visible);
            ASSERT_FALSE(compositions.items.empty());
            EXPECT_EQ(compositions.items.back(), "X-99");
            EXPECT_EQ(compositions.selection, static_cast<int>(compositions.items.size()) - 1);
            EXPECT_EQ(pageControl(IDC_PAGE_BOLT_DIAMETER).text, "20");
        })
        .chooseTab(IDD_MACRO, IDC_MACRO_TABS, 1)
        .inspect([] { EXPECT_FALSE(pageControl(IDC_PAGE_BOLT_COMPOSITION).visible); })
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
}

// Tab runs through the template's controls, the sheet and the page's own controls, and Shift
// Tab back.
TEST_F(MacroPageTest, TabRunsThroughTheThreeRingsBothWays) {
    MacroData macro = sampleMacro();
    clickCell(3, 2);
    script
        .key(IDD_MACRO_TAB_PAGE, VK_TAB)  // FINISH -> BOLTS_Y value
        .key(IDD_MACRO_TAB_PAGE, VK_TAB)  // -> BOLTS_Y count, the last unlocked cell
        .key(IDD_MACRO_TAB_PAGE, VK_TAB)  // -> the bolt row
        .inspect([] { EXPECT_TRUE(focusedIn(IDC_PAGE_BOLT_COMPOSITION)); })
        .key(IDD_MACRO_TAB_PAGE, VK_TAB, win::input::Shift)
        .inspect([] {
            EXPECT_TRUE(win::describeWindow(pageSheet()).focused);
            EXPECT_EQ(probe().activeCol(), 4);
            EXPECT_EQ(probe().activeRow(), 3);
        })
        .click(IDD_MACRO_TAB_PAGE, IDC_PAGE_BOLT_OPTIONS)
        .key(IDD_MACRO_BOLT_OPTIONS, VK_ESCAPE)
        .key(IDD_MACRO_TAB_PAGE, VK_TAB)  // past the page's own controls: the template's first
        .inspect([] {
            int id = 0;
            HWND focus = GetFocus();
            id = GetDlgCtrlID(focus);
            EXPECT_GE(id, 33000);
            EXPECT_LE(id, 33099);
        })
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
}

}  // namespace

namespace {

// Links pointing nowhere: a template file that is not there gives a page without template
// controls and every value listed; a flex button of a group the tab lacks is dropped.
TEST_F(MacroPageTest, AMissingTemplateListsEverythingAndAnUnknownFlexGroupDropsItsButtons) {
    MacroData macro = sampleMacro();
    macro.tabs[0].templateFile = getDesignerRootFolder() + "No Such Template.txt";
    macro.tabs[1].flexFixGroups.removeAll();
    script
        .inspect([] {
            EXPECT_EQ(probe().maxRows(), 8);  // six variables and two patterns
            EXPECT_EQ(probe().dataAt(1, 1), "PLATE_W");
            EXPECT_EQ(win::findControl(win::findOpenDialog(IDD_MACRO_TAB_PAGE), kPlateWidth), nullptr);
        })
        .chooseTab(IDD_MACRO, IDC_MACRO_TABS, 1)
        .inspect([] {
            EXPECT_EQ(win::findControl(win::findOpenDialog(IDD_MACRO_TAB_PAGE), kBothSides), nullptr);
            EXPECT_NE(win::findControl(win::findOpenDialog(IDD_MACRO_TAB_PAGE), 33001), nullptr);
        })
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
}

// F12 opens the page's template in the designer; Escape on a page closes the whole dialog.
TEST_F(MacroPageTest, F12OpensTheDesignerAndEscapeClosesTheDialog) {
    MacroData macro = sampleMacro();
    std::string designerCaption;
    script.click(IDD_MACRO_TAB_PAGE, kPlateWidth)
        .key(IDD_MACRO_TAB_PAGE, VK_F12)
        .inspect([&] { designerCaption = win::describeWindow(win::findOpenDialog(227)).text; })
        .close(227)
        .key(IDD_MACRO_TAB_PAGE, VK_ESCAPE);
    EXPECT_TRUE(StartDlgMacro(macro));
    EXPECT_NE(designerCaption.find("Base Plate"), std::string::npos) << designerCaption;
    EXPECT_TRUE(macro.closedByDialog);
    EXPECT_NE(log().find("view #1 previous"), std::string::npos);
}

}  // namespace

// The macro cut dialog through its exported launcher, as a person defines a cut.
#include "macro/dlg_macro_cuts.h"

#include "core/kv_texts.h"
#include "engine_probe.h"
#include "host/drawing_database.h"
#include "host/pick_input.h"
#include "macro/cuts_ids.h"
#include "small_dialog_fixture.h"

namespace {

constexpr int kDlg = IDD_MACRO_CUTS;

class MacroCutsDialogTest : public SmallDialogTest {
protected:
    void SetUp() override {
        SmallDialogTest::SetUp();
        host::DrawingDatabase::instance().reset();
        data.cutType = kvCutProfVsPlate;
        data.name = "C1";
        data.paramNames = {"Offset", "LengthOffset"};
        data.varNames = {"CutOffset", "CutLengthOffset"};
        data.paramFlags.append(false);
        data.paramFlags.append(true);
        data.macroName = "Base";
    }
    void TearDown() override {
        host::DrawingDatabase::instance().reset();
        SmallDialogTest::TearDown();
    }
    static HWND sheetWindow() { return GetDlgItem(win::findOpenDialog(kDlg), IDC_CUTS_SHEET); }
    static std::string cell(int col, int row) { return spread_test::EngineProbe(sheetWindow()).dataAt(col, row); }
    // Where a cell of the parameter sheet lies: learnt from a look at the dialog with the same
    // record, as a person first sees where to click.
    POINT cellPoint(int col, int row) {
        POINT point{0, 0};
        win::testing::TestScript look;
        look.inspect([&] { point = spread_test::cellCenter(sheetWindow(), col, row); }).click(kDlg, IDCANCEL);
        DlgMacroCutsData copy = data;
        bool ignored = false;
        StartDlgMacroCuts(copy, ignored);
        return point;
    }
    void typeIntoCell(POINT at, const std::string& text) {
        script.clickAt(kDlg, IDC_CUTS_SHEET, at).type(kDlg, text).key(kDlg, VK_RETURN);
    }
    static AcDbObjectId addCut(const char* macro, const char* name) {
        return host::DrawingDatabase::instance().addObject(
            "MacroCut", {{"macro", std::string(macro)}, {"name", std::string(name)}});
    }
    static std::string lastMessage() {
        const auto& boxes = win::messageBoxHistory();
        return boxes.empty() ? std::string() : boxes.back().text;
    }

    DlgMacroCutsData data;
    bool escaped = true;
};

}  // namespace

TEST_F(MacroCutsDialogTest, AnEmptyMacroNameBlocksOkUntilOneIsTyped) {
    data.macroName = Kv_String();
    script.click(kDlg, IDOK)
        .answerMessageBox(IDOK)
        .inspect([] {
            ASSERT_EQ(win::messageBoxHistory().size(), 1u);
            EXPECT_EQ(win::messageBoxHistory()[0].text, string(1090).str());
            EXPECT_EQ(win::messageBoxHistory()[0].caption, dialString(1091).str());
            EXPECT_NE(win::findOpenDialog(kDlg), nullptr);
        })
        .click(kDlg, IDC_CUTS_MACRO)
        .type(kDlg, "Cleat")
        .click(kDlg, IDOK);
    EXPECT_TRUE(StartDlgMacroCuts(data, escaped));
    EXPECT_FALSE(escaped);
    EXPECT_EQ(data.macroName, Kv_String("Cleat"));
}

TEST_F(MacroCutsDialogTest, ParametersAreLabelledByTheirKeysAndShortVariableListsPaddedWithZero) {
    data.paramNames = {"Offset2", "Bolt", "offset", "Radius"};
    data.varNames = {"A"};
    const DlgMacroCutsData before = data;
    script
        .inspect([] {
            EXPECT_EQ(cell(1, 1), append(dialString(1104), 2).str());
            EXPECT_EQ(cell(1, 1), "Offset 2");
            EXPECT_EQ(cell(1, 2), "Bolt");
            EXPECT_EQ(cell(1, 3), "offset");  // keys are compared exactly
            EXPECT_EQ(cell(1, 4), dialString(740).str());
            EXPECT_EQ(cell(2, 1), "A");
            EXPECT_EQ(cell(2, 4), "0");
            EXPECT_EQ(cell(3, 2), "Bolt");
        })
        .key(kDlg, VK_ESCAPE);
    EXPECT_FALSE(StartDlgMacroCuts(data, escaped));
    EXPECT_TRUE(escaped);
    EXPECT_EQ(data.varNames, before.varNames);
    EXPECT_EQ(data.paramNames, before.paramNames);
}

TEST_F(MacroCutsDialogTest, CancelKeepsTheRecordAndIsNoEscape) {
    script.click(kDlg, IDC_CUTS_NAME).type(kDlg, "Changed").click(kDlg, IDCANCEL);
    EXPECT_FALSE(StartDlgMacroCuts(data, escaped));
    EXPECT_FALSE(escaped);
    EXPECT_EQ(data.name, Kv_String("C1"));
}

TEST_F(MacroCutsDialogTest, AnotherTypeLoadsItsDefaultsAndItsOptions) {
    script.choose(kDlg, IDC_CUTS_TYPE, kvCutChamfer)
        .inspect([] {
            EXPECT_EQ(cell(3, 1), "Offset1");
            EXPECT_EQ(cell(2, 2), "ChamferOffset2");
            EXPECT_EQ(control(kDlg, IDC_CUTS_CHOICE_3).text, dialString(1112).str());
            EXPECT_TRUE(control(kDlg, IDC_CUTS_CHOICE_3).visible);
            EXPECT_FALSE(control(kDlg, IDC_CUTS_KEEP_GAP).visible);
        })
        .click(kDlg, IDC_CUTS_CHOICE_3)
        .click(kDlg, IDOK);
    EXPECT_TRUE(StartDlgMacroCuts(data, escaped));
    EXPECT_EQ(data.cutType, kvCutChamfer);
    EXPECT_EQ(data.paramNames, (Kv_StringArray{"Offset1", "Offset2"}));
    EXPECT_EQ(data.varNames, (Kv_StringArray{"ChamferOffset1", "ChamferOffset2"}));
    EXPECT_FALSE(data.chamferBothEdges);
}

TEST_F(MacroCutsDialogTest, WeldOnBothSidesIsOfferedOnlyForAWeldedCutWithoutGap) {
    data.cutType = kvCutProfVsProf;
    script.inspect([] { EXPECT_FALSE(control(kDlg, IDC_CUTS_WELD_BOTH).enabled); })
        .click(kDlg, IDC_CUTS_WELD)
        .inspect([] { EXPECT_TRUE(control(kDlg, IDC_CUTS_WELD_BOTH).enabled); })
        .click(kDlg, IDC_CUTS_KEEP_GAP)
        .inspect([] { EXPECT_FALSE(control(kDlg, IDC_CUTS_WELD_BOTH).enabled); })
        .click(kDlg, IDOK);
    EXPECT_TRUE(StartDlgMacroCuts(data, escaped));
    EXPECT_TRUE(data.weldPreparation);
    EXPECT_TRUE(data.keepGap);
}

TEST_F(MacroCutsDialogTest, AnExistingCutIsNotInConflictWithItself) {
    data.cutId = addCut("Base", "C1");
    data.editExisting = true;
    data.mode = 2;
    script
        .inspect([] {
            EXPECT_FALSE(control(kDlg, IDC_CUTS_TYPE).enabled);
            EXPECT_FALSE(control(kDlg, IDC_CUTS_DESCRIPTION).enabled);
            for (int id : {IDC_CUTS_CUT_BOTH, IDC_CUTS_CHOICE_1, IDC_CUTS_KEEP_GAP, IDC_CUTS_WELD_BOTH})
                EXPECT_FALSE(control(kDlg, id).visible) << id;
        })
        .click(kDlg, IDOK);
    EXPECT_TRUE(StartDlgMacroCuts(data, escaped));
    EXPECT_TRUE(win::messageBoxHistory().empty());
}

TEST_F(MacroCutsDialogTest, ANewCutMayNotTakeANameTheModuleUses) {
    addCut("Base", "C1");
    data.mode = 2;
    script.click(kDlg, IDOK)
        .answerMessageBox(IDOK)
        .inspect([] { EXPECT_EQ(lastMessage(), string(1092).str() + "\n" + string(1093).str()); })
        .click(kDlg, IDC_CUTS_NAME)
        .key(kDlg, VK_END)
        .type(kDlg, "b")
        .click(kDlg, IDOK);
    EXPECT_TRUE(StartDlgMacroCuts(data, escaped));
    EXPECT_EQ(data.name, Kv_String("C1b"));
}

TEST_F(MacroCutsDialogTest, VariableNamesOfThePackageAreRefused) {
    const POINT variable = cellPoint(2, 1);
    typeIntoCell(variable, "gen_offset");
    script.click(kDlg, IDOK).answerMessageBox(IDOK).inspect([] {
        EXPECT_EQ(lastMessage(),
                  string(1095).str() + "\n" + string(1096).str() + " " + string(1097).str() + " \"gen_\".\n");
    });
    typeIntoCell(variable, "Gap");
    script.click(kDlg, IDOK);
    EXPECT_TRUE(StartDlgMacroCuts(data, escaped));
    EXPECT_EQ(data.varNames, (Kv_StringArray{"Gap", "CutLengthOffset"}));
}

TEST_F(MacroCutsDialogTest, ChoosingAnExistingMacroPicksItInTheDrawing) {
    const AcDbObjectId macro =
        host::DrawingDatabase::instance().addObject("Macro", {{"modules", std::string("Stiffener;Cleat")}});
    script.click(kDlg, IDC_CUTS_MODE_EXISTING);
    host::answerPick(script, {static_cast<double>(macro.asOldId())});
    script
        .inspect([] {
            EXPECT_EQ(control(kDlg, IDC_CUTS_MACRO).items, (std::vector<std::string>{"Stiffener", "Cleat"}));
            EXPECT_EQ(control(kDlg, IDC_CUTS_MACRO).text, "Stiffener");
            EXPECT_TRUE(control(kDlg, IDC_CUTS_PICK_MACRO).enabled);
        })
        .choose(kDlg, IDC_CUTS_MACRO, "Cleat")
        .click(kDlg, IDOK);
    EXPECT_TRUE(StartDlgMacroCuts(data, escaped));
    EXPECT_EQ(data.mode, 2);
    EXPECT_EQ(data.macroId, macro);
    EXPECT_EQ(data.macroName, Kv_String("Cleat"));
}

TEST_F(MacroCutsDialogTest, ATypeWithoutPictureAndUnequalListsKeepWhatWasNotChanged) {
    data.cutType = 9;
    data.varNames = {"A", "B", "Extra"};
    script.inspect([] { EXPECT_EQ(control(kDlg, IDC_CUTS_TYPE).selection, -1); }).click(kDlg, IDOK);
    EXPECT_TRUE(StartDlgMacroCuts(data, escaped));
    EXPECT_EQ(data.cutType, 9);
    EXPECT_EQ(data.varNames, (Kv_StringArray{"A", "B", "Extra"}));
    EXPECT_EQ(data.paramFlags.length(), 2);
}

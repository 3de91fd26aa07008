// The template page opens the array dialog from a listed array's button cell, and what the
// dialog confirms updates the drawing.

#include "engine_probe.h"
#include "macro/array_ids.h"
#include "macro_test_support.h"

namespace {

class MacroPageArrayTest : public MacroDialogTest {
protected:
    // The plate tab lists an array its template does not show, below its three other rows.
    MacroData macroWithArray() const {
        MacroData macro = sampleMacro();
        DynArrayData array;
        array.name = "RIBS";
        array.value1 = "100";
        array.value2 = "4";
        macro.tabs[0].arrays.append(array);
        return macro;
    }
    // The plate template (in the scratch library) gets the array's option button, the ninth
    // control: id 33008.
    void addArrayButtonToTemplate() const { addNinthControlToPlateTemplate(24, "RIBS"); }
    static HWND pageSheet() { return win::findControl(win::findOpenDialog(IDD_MACRO_TAB_PAGE), IDC_PAGE_SHEET); }
    // Where the array's button cell lies: learnt from a look at the dialog, as a person first
    // sees where to click.
    POINT buttonCell() {
        POINT point{0, 0};
        win::testing::TestScript look;
        look.inspect([&] { point = spread_test::cellCenter(pageSheet(), 2, 4); }).click(IDD_MACRO, IDOK);
        MacroData macro = macroWithArray();
        StartDlgMacro(macro);
        host::DrawingDatabase::instance().clearLog();
        return point;
    }
};

}  // namespace

TEST_F(MacroPageArrayTest, TheButtonCellOpensTheArrayDialogAndItsResultUpdatesTheDrawing) {
    const POINT at = buttonCell();
    MacroData macro = macroWithArray();
    script.inspect([] { EXPECT_EQ(spread_test::EngineProbe(pageSheet()).dataAt(1, 4), "RIBS"); })
        .clickAt(IDD_MACRO_TAB_PAGE, IDC_PAGE_SHEET, at)
        .inspect([] { EXPECT_EQ(win::describeWindow(win::findOpenDialog(IDD_MACRO_ARRAY)).text, "Array (RIBS)"); })
        .click(IDD_MACRO_ARRAY, IDC_ARRAY_VALUE2)
        .key(IDD_MACRO_ARRAY, VK_END)
        .type(IDD_MACRO_ARRAY, "2")
        .click(IDD_MACRO_ARRAY, IDOK)
        .inspect([this] {
            EXPECT_NE(log().find("UpdateModule #1 BasePlate"), std::string::npos) << log();
            EXPECT_NE(log().find("\"42\""), std::string::npos) << log();
        })
        // A second opening cancelled changes nothing.
        .clickAt(IDD_MACRO_TAB_PAGE, IDC_PAGE_SHEET, at)
        .click(IDD_MACRO_ARRAY, IDC_ARRAY_VALUE2)
        .type(IDD_MACRO_ARRAY, "7")
        .click(IDD_MACRO_ARRAY, IDCANCEL)
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
    EXPECT_EQ(macro.tabs[0].arrays[0].value2, Kv_String("42"));
}

TEST_F(MacroPageArrayTest, TheTemplatesArrayButtonOpensTheDialogOfItsArray) {
    constexpr int kArrayButton = 33008;
    addArrayButtonToTemplate();
    MacroData macro = macroWithArray();
    script.click(IDD_MACRO_TAB_PAGE, kArrayButton)
        .inspect([] { EXPECT_EQ(win::describeWindow(win::findOpenDialog(IDD_MACRO_ARRAY)).text, "Array (RIBS)"); })
        .choose(IDD_MACRO_ARRAY, IDC_ARRAY_TYPE, 2)
        .click(IDD_MACRO_ARRAY, IDOK)
        .inspect([this] { EXPECT_NE(log().find("UpdateModule #1 BasePlate"), std::string::npos) << log(); })
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
    EXPECT_EQ(macro.tabs[0].arrays[0].arrayType, 2);
    EXPECT_EQ(macro.tabs[0].arrays[0].buttonLink, kArrayButton);
}

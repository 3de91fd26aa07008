// The dimension calculator of the cell buttons, run by a person from a template page.
#include <fstream>

#include "frame/text_entry_ids.h"
#include "macro_test_support.h"

namespace {

constexpr int kGapField = 33000, kByFactor = 33001, kBySum = 33002;

class MacroCalculatorTest : public MacroDialogTest {
protected:
    // A template on Base Plate's picture: the gap field and two cell buttons, the first dividing by
    // a factor and counting the gap negated, the second adding a negated second variable.
    void writeCalculatorTemplate(const std::string& factor) {
        const std::filesystem::path folder = library_.path() / "library" / "Dialog Templates" / "Dialog Design";
        const std::filesystem::path file = folder / "Calculator.txt";
        std::filesystem::copy_file(folder / "Base Plate.bmp", folder / "Calculator.bmp",
                                   std::filesystem::copy_options::overwrite_existing);
        std::ofstream(file, std::ios::binary)
            << "KvPropertiesList 1\n"
               "int\tnrOfControls\t3\n"
               "int\ttype0\t2\ndouble\ttopLeftX0\t0.1\ndouble\ttopLeftY0\t0.1\ndouble\tbottomRightX0\t0.3\n"
               "double\tbottomRightY0\t0.17\nstring\tcontents0\tGAP\nstring\tcomboList0\t\n"
               "int\ttype1\t25\ndouble\ttopLeftX1\t0.1\ndouble\ttopLeftY1\t0.3\ndouble\tbottomRightX1\t0.3\n"
               "double\tbottomRightY1\t0.38\nstring\tcontents1\tBy factor\nstring\tcomboList1\tBASE;-GAP;" +
                   factor +
                   ";;\n"
                   "int\ttype2\t26\ndouble\ttopLeftX2\t0.1\ndouble\ttopLeftY2\t0.5\ndouble\tbottomRightX2\t0.3\n"
                   "double\tbottomRightY2\t0.58\nstring\tcontents2\tBy sum\nstring\tcomboList2\tBASE;GAP;-OTHER;;\n";
    }
    MacroData calculatorMacro(const std::string& factor = "2") {
        writeCalculatorTemplate(factor);
        MacroData macro = sampleMacro();
        MacroTabData tab;
        tab.moduleName = "BasePlate";
        tab.title = "Calc";
        tab.templateFile = getDesignerRootFolder() + "Calculator.txt";
        tab.cells = {cell("BASE", "100"), cell("GAP", "10"), cell("OTHER", "5")};
        macro.tabs = {tab};
        return macro;
    }
};

TEST_F(MacroCalculatorTest, TheTypedTotalGivesTheFirstVariableWithNegatedNamesAndAFactor) {
    MacroData macro = calculatorMacro();
    std::string proposedByFactor, proposedBySum;
    script.inspect([] { EXPECT_EQ(pageControl(kGapField).text, "10"); })
        .click(IDD_MACRO_TAB_PAGE, kByFactor)
        // 100 + (-10) / 2
        .inspect([&] {
            proposedByFactor =
                win::describeWindow(GetDlgItem(win::findOpenDialog(IDD_TEXT_ENTRY), IDC_TEXT_ENTRY_EDIT)).text;
        })
        .type(IDD_TEXT_ENTRY, "90")
        .click(IDD_TEXT_ENTRY, IDOK)
        // (90 - 100) * 2 = -20, negated
        .inspect([] { EXPECT_EQ(pageControl(kGapField).text, "20.00000"); })
        .click(IDD_MACRO_TAB_PAGE, kBySum)
        // 100 + 20 - 5
        .inspect([&] {
            proposedBySum =
                win::describeWindow(GetDlgItem(win::findOpenDialog(IDD_TEXT_ENTRY), IDC_TEXT_ENTRY_EDIT)).text;
        })
        .type(IDD_TEXT_ENTRY, "110")
        .click(IDD_TEXT_ENTRY, IDOK)
        // (110 - 100) - (-5)
        .inspect([] { EXPECT_EQ(pageControl(kGapField).text, "15.00000"); })
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
    EXPECT_EQ(proposedByFactor, "95.00000");
    EXPECT_EQ(proposedBySum, "115.00000");
    EXPECT_EQ(macro.tabs[0].cells[1].value, "15.00000");
    EXPECT_NE(log().find("set #1 cell.GAP = \"20.00000\""), std::string::npos) << log();
}

// A factor of 0 (or none) gives no total: nothing is asked and nothing changes.
TEST_F(MacroCalculatorTest, AFactorOfZeroOrNoneDoesNothing) {
    for (const char* factor : {"0", ""}) {
        MacroData macro = calculatorMacro(factor);
        win::testing::TestScript steps;
        steps.click(IDD_MACRO_TAB_PAGE, kByFactor)
            .inspect([] { EXPECT_EQ(win::findOpenDialog(IDD_TEXT_ENTRY), nullptr); })
            .click(IDD_MACRO, IDOK);
        StartDlgMacro(macro);
        EXPECT_EQ(macro.tabs[0].cells[1].value, "10");
    }
}

}  // namespace

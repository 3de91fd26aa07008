// The pattern dialog as a person uses it: opened by the template's pattern button, every
// change applied at the pattern's index through the page, controls open by the pattern's type.

#include "core/kv_texts.h"
#include "macro/pattern_ids.h"
#include "macro_test_support.h"

namespace {

constexpr int kDlg = IDD_MACRO_PATTERN;
constexpr int kPatternButton = 33008;  // the ninth control of the plate template

class PatternDialogTest : public MacroDialogTest {
protected:
    void SetUp() override {
        MacroDialogTest::SetUp();
        addNinthControlToPlateTemplate(6, "BOLTS_Y");
    }
    // BOLTS_Y (the second pattern) of type 2: its second direction follows option 2.
    MacroData patternMacro(int type) const {
        MacroData macro = sampleMacro();
        MacroPatternProps& pattern = macro.tabs[0].patterns[1];
        pattern.type = type;
        pattern.direction1.on = 1;
        pattern.direction1.kind = 0;
        pattern.direction1.value1 = "3";
        pattern.direction1.value2 = "75";
        pattern.direction1.distances = {"50", "60", "70", "80", "90"};
        pattern.direction2.on = -1;
        pattern.direction2.kind = 3;
        pattern.flag1 = -1;
        pattern.flag2 = 0;
        return macro;
    }
    static win::WindowInfo patternControl(int id) {
        return win::describeWindow(GetDlgItem(win::findOpenDialog(kDlg), id));
    }
};

}  // namespace

TEST_F(PatternDialogTest, OpensOnItsPatternAndAppliesEachChangeAtItsIndex) {
    MacroData macro = patternMacro(2);
    script.click(IDD_MACRO_TAB_PAGE, kPatternButton)
        .inspect([] {
            EXPECT_EQ(win::describeWindow(win::findOpenDialog(kDlg)).text, dialString(1034).str() + " (BOLTS_Y)");
            EXPECT_EQ(patternControl(IDC_PATTERN_FLAG1).text, dialString(1051).str());
            EXPECT_EQ(patternControl(IDCANCEL).text, dialString(2).str());
            EXPECT_EQ(patternControl(IDC_PATTERN_VALUE12).text, "75");
            EXPECT_EQ(patternControl(IDC_PATTERN_FLAG1).check, BST_INDETERMINATE);
            EXPECT_EQ(patternControl(IDC_PATTERN_ON2).check, BST_INDETERMINATE);
            EXPECT_TRUE(patternControl(IDC_PATTERN_VALUE11).enabled);
            EXPECT_FALSE(patternControl(IDC_PATTERN_SHEET1).enabled);  // not a distance list
            EXPECT_FALSE(patternControl(IDC_PATTERN_ON2).enabled);     // option 2 is off
            EXPECT_TRUE(log().empty()) << log();                       // opening applies nothing
        })
        .click(kDlg, IDC_PATTERN_FLAG2)
        .inspect([] {
            EXPECT_TRUE(patternControl(IDC_PATTERN_ON2).enabled);
            EXPECT_TRUE(patternControl(IDC_PATTERN_SHEET2).enabled);  // kind 3: the distance list
            EXPECT_FALSE(patternControl(IDC_PATTERN_VALUE21).enabled);
            EXPECT_NE(log().find("UpdateModule"), std::string::npos) << log();
        })
        .choose(kDlg, IDC_PATTERN_KIND1, 3)
        .inspect([] {
            EXPECT_TRUE(patternControl(IDC_PATTERN_SHEET1).enabled);
            EXPECT_FALSE(patternControl(IDC_PATTERN_VALUE11).enabled);
        })
        .click(kDlg, IDOK)
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
    const MacroPatternProps& pattern = macro.tabs[0].patterns[1];
    EXPECT_EQ(pattern.flag2, 1);
    EXPECT_EQ(pattern.flag1, -1);  // untouched: still undetermined
    EXPECT_EQ(pattern.direction2.on, -1);
    EXPECT_EQ(pattern.direction1.kind, 3);
    EXPECT_EQ(pattern.direction1.distances.length(), 5);
    EXPECT_EQ(pattern.direction1.distances[4], Kv_String("90"));
    EXPECT_EQ(pattern.buttonLink, kPatternButton);
    EXPECT_EQ(macro.tabs[0].patterns[0].name, Kv_String("BOLTS_X"));  // the other pattern stays
}

TEST_F(PatternDialogTest, ATypeOnePatternHasNoFirstDirectionToEdit) {
    MacroData macro = patternMacro(1);
    script.click(IDD_MACRO_TAB_PAGE, kPatternButton)
        .inspect([] {
            for (int id : {IDC_PATTERN_ON1, IDC_PATTERN_CHECK1, IDC_PATTERN_KIND1, IDC_PATTERN_VALUE11,
                           IDC_PATTERN_VALUE12, IDC_PATTERN_SHEET1, IDC_PATTERN_KIND1_LABEL})
                EXPECT_FALSE(patternControl(id).enabled) << id;
            EXPECT_TRUE(patternControl(IDC_PATTERN_ON2).enabled);
        })
        .click(kDlg, IDC_PATTERN_ON2)
        .click(kDlg, IDCANCEL)
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
    // The click was applied at once, Cancel does not take it back.
    EXPECT_EQ(macro.tabs[0].patterns[1].direction2.on, 0);
}

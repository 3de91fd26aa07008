// The macro input dialog as a person uses it: pages by tab, live edits, keys, buttons, size.
#include "macro_test_support.h"

namespace {

// Control ids of the Base Plate template (ids are given in file order from 33000).
constexpr int kPlateTitle = 33000, kPlateWidth = 33001, kPlateHeight = 33002, kPlateThickness = 33003;
constexpr int kBoltsX = 33004, kBoltsY = 33005, kGrout = 33006, kCutChoice = 33007;

class MacroDialogBasics : public MacroDialogTest {};

TEST_F(MacroDialogBasics, TypingAWidthUpdatesTheDrawingOnceAndCloseChangesTheViewFirst) {
    MacroData macro = sampleMacro();
    script.inspect([] {
              EXPECT_EQ(win::describeWindow(win::findOpenDialog(IDD_MACRO)).text, "Base plate connection");
              EXPECT_EQ(dialogControl(IDC_MACRO_TABS).items, (std::vector<std::string>{"Plate", "Stiffener", "Anchors"}));
              EXPECT_EQ(pageControl(kPlateWidth).text, "200");
              EXPECT_TRUE(pageControl(kPlateWidth).visible);
          })
        .click(IDD_MACRO_TAB_PAGE, kPlateWidth)
        .key(IDD_MACRO_TAB_PAGE, VK_END)
        .key(IDD_MACRO_TAB_PAGE, VK_BACK)
        .key(IDD_MACRO_TAB_PAGE, VK_BACK)
        .key(IDD_MACRO_TAB_PAGE, VK_BACK)
        .type(IDD_MACRO_TAB_PAGE, "250")
        .key(IDD_MACRO_TAB_PAGE, VK_TAB)
        .inspect([this] { EXPECT_EQ(log(), "1 UpdateModule #1 BasePlate\n2 set #1 cell.PLATE_W = \"250\"\n"); })
        .click(IDD_MACRO, IDOK);
    EXPECT_TRUE(StartDlgMacro(macro));
    EXPECT_TRUE(macro.closedByDialog);
    EXPECT_EQ(macro.tabs[0].cells[0].value, "250");
    // Closing turns the view back first.
    EXPECT_EQ(log(), "1 UpdateModule #1 BasePlate\n2 set #1 cell.PLATE_W = \"250\"\n3 view #1 previous\n");
}

}  // namespace

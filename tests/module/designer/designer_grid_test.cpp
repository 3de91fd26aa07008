// Snapping to the grid in the designer: mouse moves and handle resizes land on it, the
// editing buttons stay exact, and the setting is remembered.
#include "designer_dialog_test.h"

using namespace designer_test;

namespace {

constexpr int kEdit = IDC_DESIGNER_FIRST_DYNAMIC + 1;

class DesignerGridTest : public DesignerDialogTest {
protected:
    void snapEvery(const std::string& pixels) {
        script.click(IDD_DLG_DESIGNER, IDC_DESIGNER_SNAP)
            .click(IDD_DLG_DESIGNER, IDC_DESIGNER_GRID_STEP)
            .key(IDD_DLG_DESIGNER, VK_END)
            .key(IDD_DLG_DESIGNER, VK_BACK)
            .type(IDD_DLG_DESIGNER, pixels);
    }
    void closeWithoutSaving() { script.close(IDD_DLG_DESIGNER).answerMessageBox(IDNO); }
    // The bottom right handle lies just outside the corner.
    static POINT gripOf(RECT r) { return POINT{r.right + 3, r.bottom + 3}; }
};

TEST_F(DesignerGridTest, WithoutSnappingADragMovesExactly) {
    const POINT from = centreOf(kEditRect);
    drag(from, POINT{from.x + 23, from.y + 17});
    script.inspect([] { EXPECT_EQ(windowOf(kEdit), (RECT{183, 47, 263, 69})); });
    clickSurface(centreOf(RECT{183, 47, 263, 69}));
    drag(gripOf(RECT{183, 47, 263, 69}),
         POINT{gripOf(RECT{183, 47, 263, 69}).x + 4, gripOf(RECT{183, 47, 263, 69}).y + 6});
    script.inspect([] { EXPECT_EQ(windowOf(kEdit), (RECT{183, 47, 267, 75})); });
    closeWithoutSaving();
    EXPECT_FALSE(StartDlgDesigner(templatePath("Plate.txt")));
}

TEST_F(DesignerGridTest, OnATenPixelGridADragAndAResizeLandOnIt) {
    snapEvery("10");
    const POINT from = centreOf(kEditRect);
    drag(from, POINT{from.x + 23, from.y + 17});
    script.inspect([] { EXPECT_EQ(windowOf(kEdit), (RECT{180, 50, 260, 72})); }, "box on a grid point, size kept");
    drag(gripOf(RECT{180, 50, 260, 72}),
         POINT{gripOf(RECT{180, 50, 260, 72}).x + 13, gripOf(RECT{180, 50, 260, 72}).y + 11});
    script.inspect(
              [] {
                  EXPECT_EQ(windowOf(kEdit), (RECT{180, 50, 270, 80}));
              },
              "dragged edges on grid lines")
        .click(IDD_DLG_DESIGNER, IDC_DESIGNER_UNDO)
        .inspect(
            [] {
                EXPECT_EQ(windowOf(kEdit), (RECT{180, 50, 260, 72}));
            },
            "one step per drag");
    script.click(IDD_DLG_DESIGNER, IDOK).answerMessageBox(IDYES);
    EXPECT_TRUE(StartDlgDesigner(templatePath("Plate.txt")));
    const Kv_DlgDesignerData written = readBack("Plate.txt");
    EXPECT_EQ(written.getPixelRect(*written.getControl(1)), (RECT{180, 50, 260, 72}));
}

TEST_F(DesignerGridTest, TheButtonsStayExactAndTheSettingIsRemembered) {
    snapEvery("7");
    clickSurface(centreOf(kEditRect));
    script.inspect([] { EXPECT_EQ(windowOf(kEdit), kEditRect); }, "a click moves nothing")
        .click(IDD_DLG_DESIGNER, IDC_DESIGNER_COPY)
        .inspect(
            [] {
                EXPECT_EQ(windowOf(kEdit + 1), (RECT{180, 50, 260, 72}));
            },
            "copied 20 pixels off");
    closeWithoutSaving();
    script.inspect(
        [] {
            EXPECT_EQ(win::describeWindow(GetDlgItem(dialog(), IDC_DESIGNER_SNAP)).check, BST_CHECKED);
            EXPECT_EQ(windowTextOf(GetDlgItem(dialog(), IDC_DESIGNER_GRID_STEP)), "7");
        },
        "remembered");
    script.click(IDD_DLG_DESIGNER, IDOK);
    EXPECT_FALSE(StartDlgDesigner(templatePath("Plate.txt")));
    EXPECT_TRUE(StartDlgDesigner(templatePath("Plate.txt")));
}

}  // namespace

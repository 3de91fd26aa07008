// The sheet layout dialog: counts, header sizes and labels with live previews.
#include "spread/sheet_layout_dlg.h"
#include "spread/spread_ids.h"
#include "spread_test_support.h"

namespace {

class SheetLayoutTest : public SpreadTest {
protected:
    spread_test::EngineProbe preview(int id) {
        return spread_test::EngineProbe(GetDlgItem(win::findOpenDialog(IDD_SHEET_LAYOUT), id));
    }
};

TEST_F(SheetLayoutTest, ColumnCountPassesThroughOneOnTheWayToTwelve) {
    openSheet(3, 2);
    sheet->setHeaderRowTexts({"A", "B", "C"});
    sheet->setHeaderColTexts({"r1", "r2"});
    script
        .inspect([&] {
            spread_test::EngineProbe labels = preview(IDC_LAYOUT_LABEL_ROW);
            ASSERT_TRUE(labels.valid());
            EXPECT_EQ(labels.maxCols(), 3);
            EXPECT_EQ(labels.dataAt(3, 1), "C");
        })
        .click(IDD_SHEET_LAYOUT, IDC_LAYOUT_COLS)
        .key(IDD_SHEET_LAYOUT, VK_END)
        .key(IDD_SHEET_LAYOUT, VK_HOME, win::input::Shift)
        .type(IDD_SHEET_LAYOUT, "1")
        .inspect([&] {
            EXPECT_EQ(preview(IDC_LAYOUT_LABEL_ROW).maxCols(), 1);
            EXPECT_EQ(preview(IDC_LAYOUT_LABEL_ROW).dataAt(1, 1), "A");
        })
        .type(IDD_SHEET_LAYOUT, "2")
        .inspect([&] {
            EXPECT_EQ(preview(IDC_LAYOUT_LABEL_ROW).maxCols(), 12);
            EXPECT_EQ(preview(IDC_LAYOUT_LABEL_ROW).dataAt(2, 1), "");
        })
        .click(IDD_SHEET_LAYOUT, IDOK);
    ASSERT_TRUE(editSheetLayout(sheet.get()));
    EXPECT_EQ(sheet->getMaxCols(), 12);
    EXPECT_EQ(sheet->getMaxRows(), 2);
    EXPECT_EQ(engine().dataAt(1, SS_HEADER), "A");
    EXPECT_EQ(engine().dataAt(2, SS_HEADER), "");
    EXPECT_EQ(engine().dataAt(SS_HEADER, 2), "r2");
    EXPECT_TRUE(engine().option(sheet::kOptChanged));
}

TEST_F(SheetLayoutTest, HeaderSizesChangeThePreviewAtOnceAndTheSheetOnOk) {
    openSheet(2, 2);
    const int typedWidth = engine().colWidth(SS_HEADER) * 10 + 5;  // "5" typed after the current width
    script.click(IDD_SHEET_LAYOUT, IDC_LAYOUT_HEADER_WIDTH)
        .key(IDD_SHEET_LAYOUT, VK_END)
        .type(IDD_SHEET_LAYOUT, "5")
        .inspect([&] {
            int width = 0;
            SSGetColWidthInPixels(GetDlgItem(win::findOpenDialog(IDD_SHEET_LAYOUT), IDC_LAYOUT_LABEL_COLUMN), 1,
                                  &width);
            EXPECT_EQ(width, typedWidth);
        })
        .click(IDD_SHEET_LAYOUT, IDOK);
    ASSERT_TRUE(editSheetLayout(sheet.get()));
    int width = 0;
    sheet->GetColWidthInPixels(SS_HEADER, &width);
    EXPECT_EQ(width, typedWidth);
}

TEST_F(SheetLayoutTest, CancelChangesNothing) {
    openSheet(2, 2);
    engine().setOption(sheet::kOptChanged, false);
    script.type(IDD_SHEET_LAYOUT, "7").click(IDD_SHEET_LAYOUT, IDCANCEL);
    EXPECT_FALSE(editSheetLayout(sheet.get()));
    EXPECT_EQ(sheet->getMaxCols(), 2);
    EXPECT_FALSE(engine().option(sheet::kOptChanged));
    EXPECT_FALSE(editSheetLayout(nullptr));
}

}  // namespace

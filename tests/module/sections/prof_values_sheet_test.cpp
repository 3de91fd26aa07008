// Kv_ProfValuesTable shown in a sheet of the real engine and read back from it.
#include <memory>

#include "sections/kv_prof_values_table.h"
#include "sections_test_support.h"
#include "spread/kv_spread.h"

namespace {

class ProfValuesSheetTest : public SectionsTest {
protected:
    void SetUp() override {
        SectionsTest::SetUp();
        win::DialogTemplate tmpl;
        tmpl.id = 9302;
        tmpl.caption = "Library";
        tmpl.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
        tmpl.cx = 500;
        tmpl.cy = 300;
        tmpl.controls.push_back({500, "STATIC", WS_CHILD | WS_VISIBLE, 0, 10, 10, 470, 260, ""});
        host = std::make_unique<CDialog>();
        ASSERT_TRUE(host->CreateIndirect(tmpl));
        sheet = std::make_unique<Kv_Spread>(host.get());
        ASSERT_TRUE(sheet->attach(host.get(), 500));
        sheet->setDefaults(0);
    }
    void TearDown() override {
        sheet.reset();
        if (host) host->DestroyWindow();
        host.reset();
        SectionsTest::TearDown();
    }

    static Kv_ProfValuesTable sampleTable() {
        Kv_ProfValuesTable table;
        table.tableName = "RHS";
        table.description = "10";
        table.columnNames = {"SysName", "I/O", "English", "Height"};
        table.rows = {{"RHS100x50x4", "1", "RHS 100x50x4", "100"}, {"RHS120x60x5", "0", "RHS 120x60x5", "120"}};
        return table;
    }
    Kv_String cell(int col, int row) {
        Kv_String text;
        sheet->getCellText(col, row, text, CellTextKind::Value);
        return text;
    }

    std::unique_ptr<CDialog> host;
    std::unique_ptr<Kv_Spread> sheet;
};

}  // namespace

TEST_F(ProfValuesSheetTest, ATableShowsAndReadsBack) {
    sheet->SetBool(sheet::kOptChanged, 1);
    ASSERT_TRUE(sampleTable().setToSS(*sheet));
    EXPECT_EQ(sheet->getMaxRows(), 2);
    EXPECT_EQ(sheet->getMaxCols(), 4);
    EXPECT_EQ(cell(1, SS_HEADER), "SysName");
    EXPECT_EQ(cell(SS_HEADER, 2), "RHS");
    EXPECT_EQ(cell(3, 1), "RHS 100x50x4");
    EXPECT_TRUE(sheet->isCheckBoxCell(2, 1));
    bool active = true;
    ASSERT_TRUE(sheet->getCellBool(2, 2, active));
    EXPECT_FALSE(active);
    EXPECT_FALSE(sheet->GetBool(sheet::kOptChanged));
    EXPECT_TRUE(sheet->GetBool(sheet::kOptRedraw));

    sheet->setCellText(4, 2, "125");
    Kv_ProfValuesTable read;
    ASSERT_TRUE(read.getFromSS(*sheet));
    Kv_ProfValuesTable expected = sampleTable();
    expected.rows[1][3] = "125";
    EXPECT_EQ(read.tableName, "RHS");
    EXPECT_EQ(read.columnNames, expected.columnNames);
    EXPECT_EQ(read.rows, expected.rows);
}

TEST_F(ProfValuesSheetTest, AnEmptyTableEmptiesTheSheet) {
    ASSERT_TRUE(sampleTable().setToSS(*sheet));
    Kv_ProfValuesTable empty = sampleTable();
    empty.rows.removeAll();
    EXPECT_FALSE(empty.setToSS(*sheet));
    EXPECT_EQ(sheet->getMaxRows(), 0);
    EXPECT_EQ(sheet->getMaxCols(), 0);
    EXPECT_TRUE(sheet->GetBool(sheet::kOptRedraw));
}

TEST_F(ProfValuesSheetTest, AnEmptySheetLeavesTheTable) {
    sheet->setMaxRows(0);
    sheet->setMaxCols(3);
    Kv_ProfValuesTable table = sampleTable();
    EXPECT_FALSE(table.getFromSS(*sheet));
    EXPECT_EQ(table.rows, sampleTable().rows);
    EXPECT_EQ(table.columnNames, sampleTable().columnNames);
}

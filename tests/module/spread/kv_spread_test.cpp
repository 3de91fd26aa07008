// Kv_Spread: attaching, sizes with row copying and fonts, cell texts, columns and rows.
#include "core/kv_texts.h"
#include "frame/text_entry_ids.h"
#include "spread_test_support.h"
#include "win/readback.h"

namespace {

using WrapperTest = SpreadTest;

TEST(KvSpreadDetached, EveryOperationRefusesBeforeAttach) {
    Kv_Spread sheet;
    Kv_String text = "kept";
    bool value = true;
    Kv_StringArray strings{"a"};
    int col = 7, row = 7, result = 0;
    EXPECT_EQ(sheet.getMaxRows(), -1);
    EXPECT_EQ(sheet.getMaxCols(), -1);
    EXPECT_FALSE(sheet.setDefaults(0));
    EXPECT_FALSE(sheet.setMaxRows(3));
    EXPECT_FALSE(sheet.setMaxCols(3));
    EXPECT_FALSE(sheet.getCellText(1, 1, text));
    EXPECT_FALSE(sheet.getCellBool(1, 1, value));
    EXPECT_FALSE(sheet.setColStrings(1, strings));
    EXPECT_FALSE(sheet.getColStrings(1, strings, CellTextKind::Value));
    EXPECT_EQ(strings.length(), 1);
    EXPECT_FALSE(sheet.insertRow(1, false, false));
    EXPECT_FALSE(sheet.getActiveCellOrFirst(col, row));
    EXPECT_FALSE(sheet.handleTab(VK_TAB, result));
    EXPECT_FALSE(sheet.openFind(false));
    EXPECT_FALSE(sheet.setResizeMode(1, 0, 0));
    EXPECT_FALSE(appendRowAfterActive(nullptr));
    EXPECT_FALSE(resetListSheet(nullptr, 2, 2, 0));
    EXPECT_FALSE(enableDlgItem(nullptr, 1, true));
    EXPECT_EQ(col, 7);
}

TEST_F(WrapperTest, AttachPutsTheSheetWhereThePlaceholderWas) {
    openSheet();
    EXPECT_EQ(GetDlgItem(host->m_hWnd, kPlaceholderId), sheet->m_hWnd);
    win::WindowInfo info = win::describeWindow(sheet->m_hWnd);
    EXPECT_EQ(info.className, "fpSpread70");
    EXPECT_EQ(info.rectInParent.left, 10);
    EXPECT_EQ(info.rectInParent.top, 10);
    EXPECT_EQ(info.rectInParent.right, 435);
    EXPECT_EQ(info.rectInParent.bottom, 210);
    EXPECT_FALSE(Kv_Spread().attach(host.get(), 4711));
}

TEST_F(WrapperTest, GrowingAnEmptySheetBoldsHeadersWithoutCopyingLabelsIntoRows) {
    openSheet(2);
    sheet->setHeaderRowTexts({"Name", "Size"});
    ASSERT_TRUE(sheet->setMaxRows(3));
    EXPECT_EQ(engine().font(1, 0).weight, 700);
    EXPECT_EQ(engine().font(0, 3).weight, 700);
    EXPECT_EQ(engine().font(2, 2).weight, 400);
    EXPECT_EQ(engine().font(2, 2).face, "Tahoma");
    EXPECT_EQ(engine().dataAt(1, 1), "");
    EXPECT_EQ(engine().textTipStatus(), 1);
}

TEST_F(WrapperTest, NewRowsStartAsCopiesOfTheLastRowLabelIncluded) {
    openSheet(2, 2);
    sheet->setHeaderColTexts({"first", "last"});
    sheet->setRowStrings(2, {"HEA 200", "S235"});
    ASSERT_TRUE(sheet->setMaxRows(4));
    for (int row = 3; row <= 4; ++row) {
        EXPECT_EQ(engine().dataAt(SS_HEADER, row), "last");
        EXPECT_EQ(engine().dataAt(1, row), "HEA 200");
        EXPECT_EQ(engine().dataAt(2, row), "S235");
        EXPECT_EQ(engine().font(0, row).weight, 700);
    }
    EXPECT_EQ(engine().dataAt(1, 1), "");
}

TEST_F(WrapperTest, ColumnStringsStopAtTheLastRowAndLeaveTheRestAlone) {
    openSheet(2, 3);
    sheet->setColStrings(1, {"a", "b", "c", "d", "e"});
    Kv_StringArray read;
    ASSERT_TRUE(sheet->getColValues(1, read));
    EXPECT_EQ(read, (Kv_StringArray{"a", "b", "c"}));
    sheet->setColStrings(1, {"x"});
    ASSERT_TRUE(sheet->getColValues(1, read));
    EXPECT_EQ(read, (Kv_StringArray{"x", "b", "c"}));
    EXPECT_FALSE(sheet->setColStrings(3, {"beyond"}));
}

TEST_F(WrapperTest, IntsAsValuesBecomeZeroWhenTheyNameNoRow) {
    openSheet(1, 3);
    ASSERT_TRUE(sheet->setColIntsAsValues(1, {2, 4, -1}));
    Kv_Array<int> read;
    ASSERT_TRUE(sheet->getColInts(1, read));
    EXPECT_EQ(read, (Kv_Array<int>{2, 0, 0}));
}

TEST_F(WrapperTest, BooleansReadOnlyFromOneAndZero) {
    openSheet(1, 4);
    sheet->setColStrings(1, {"1", "0", "yes", ""});
    bool value = false;
    EXPECT_TRUE(sheet->getCellBool(1, 1, value));
    EXPECT_TRUE(value);
    EXPECT_TRUE(sheet->getCellBool(1, 2, value));
    EXPECT_FALSE(value);
    value = true;
    EXPECT_FALSE(sheet->getCellBool(1, 3, value));
    EXPECT_FALSE(sheet->getCellBool(1, 4, value));
    EXPECT_TRUE(value);
    Kv_Array<bool> bools;
    ASSERT_TRUE(sheet->getColBools(1, bools));
    EXPECT_EQ(bools, (Kv_Array<bool>{true, false, false, false}));
}

TEST_F(WrapperTest, DoublesAreWrittenWithTwoDecimals) {
    openSheet(1, 2);
    sheet->setCellDouble(1, 1, 12.345);
    sheet->setColDoubles(1, {0.5});
    EXPECT_EQ(engine().dataAt(1, 1), "0.50");
    double value = 0;
    sheet->setCellDouble(1, 2, -3.14159);
    ASSERT_TRUE(sheet->getCellDouble(1, 2, value));
    EXPECT_DOUBLE_EQ(value, -3.14);
}

TEST_F(WrapperTest, TagsAndRowsReadBack) {
    openSheet(3, 2);
    engine().setTag(2, 1, "hidden");
    Kv_String tag;
    ASSERT_TRUE(sheet->getCellText(2, 1, tag, CellTextKind::Tag));
    EXPECT_EQ(tag, "hidden");
    sheet->setRowStrings(1, {"a", "b", "c", "d"});
    sheet->setRowStrings(2, {"e"});
    Kv_Array<Kv_StringArray> rows;
    ASSERT_TRUE(sheet->getAllRows(rows));
    ASSERT_EQ(rows.length(), 2);
    EXPECT_EQ(rows[0], (Kv_StringArray{"a", "b", "c"}));
    EXPECT_EQ(rows[1], (Kv_StringArray{"e", "", ""}));
    sheet->clearRow(1);
    EXPECT_EQ(engine().dataAt(2, 1), "");
}

TEST_F(WrapperTest, InsertDuplicatesTheRowItWasInsertedBeforeAndMarksChanged) {
    openSheet(2, 2);
    sheet->setRowStrings(1, {"a1", "b1"});
    sheet->setRowStrings(2, {"a2", "b2"});
    ASSERT_TRUE(sheet->insertRow(2, false, true));
    EXPECT_EQ(sheet->getMaxRows(), 3);
    EXPECT_EQ(engine().dataAt(1, 2), "a2");
    EXPECT_EQ(engine().dataAt(1, 3), "a2");
    EXPECT_TRUE(engine().option(sheet::kOptChanged));
    EXPECT_FALSE(sheet->insertRow(5, false, false));
    ASSERT_TRUE(sheet->deleteRow(1));
    EXPECT_EQ(sheet->getMaxRows(), 2);
    EXPECT_EQ(engine().dataAt(1, 1), "a2");
}

TEST_F(WrapperTest, InsertWithNamePromptTakesTheTypedLabelOrTheProposalOnCancel) {
    openSheet(1, 1);
    script.type(IDD_TEXT_ENTRY, "Web").click(IDD_TEXT_ENTRY, IDOK);
    ASSERT_TRUE(sheet->insertRow(1, true, false));
    EXPECT_EQ(engine().dataAt(SS_HEADER, 1), "Web");
    script.click(IDD_TEXT_ENTRY, IDCANCEL);
    ASSERT_TRUE(sheet->insertCol(1, true, false));
    EXPECT_EQ(engine().dataAt(1, SS_HEADER), dialString(171).str());
}

TEST_F(WrapperTest, NamePromptLabelsItsButtonsWithTheModuleTexts) {
    openSheet(1, 1);
    std::string okLabel, cancelLabel;
    script.inspect([&] {
        const HWND dialog = win::findOpenDialog(IDD_TEXT_ENTRY);
        ASSERT_NE(dialog, nullptr);
        okLabel = win::describeWindow(GetDlgItem(dialog, IDOK)).text;
        cancelLabel = win::describeWindow(GetDlgItem(dialog, IDCANCEL)).text;
    });
    script.click(IDD_TEXT_ENTRY, IDOK);
    ASSERT_TRUE(sheet->insertRow(1, true, false));
    EXPECT_EQ(okLabel, dialString(1).str());
    EXPECT_EQ(cancelLabel, dialString(2).str());
}

TEST_F(WrapperTest, SwapMovesTheRowAndSelectsItsCell) {
    openSheet(2, 3);
    sheet->setColStrings(1, {"r1", "r2", "r3"});
    sheet->SetActiveCell(2, 3);
    ASSERT_TRUE(sheet->moveSelRowUp());
    EXPECT_EQ(engine().dataAt(1, 2), "r3");
    EXPECT_EQ(engine().dataAt(1, 3), "r2");
    EXPECT_EQ(sheet->getSelRow(), 2);
    EXPECT_EQ(sheet->getSelCol(), 2);
    sheet->SetActiveCell(1, 1);
    sheet->selectBlock({1, 1, 1, 1});
    EXPECT_FALSE(sheet->moveSelRowUp());
}

TEST_F(WrapperTest, CheckColumnLocksTheBoundColumnWhereUnticked) {
    openSheet(2, 3);
    sheet->setColCheckBox(1, true, false);
    sheet->setColStrings(1, {"1", "0", "?"});
    sheet->setLock(2, 3, true);
    ASSERT_TRUE(sheet->bindCheckLock(1, 2));
    EXPECT_FALSE(engine().locked(2, 1));
    EXPECT_TRUE(engine().locked(2, 2));
    EXPECT_TRUE(engine().locked(2, 3));  // neither "1" nor "0": left alone
    EXPECT_FALSE(sheet->bindCheckLock(1, 3));
    sheet->selectBlock({1, 1, 2, -1});
    ASSERT_TRUE(sheet->setChecksInSel(false));
    EXPECT_EQ(engine().dataAt(1, 3), "0");
    EXPECT_EQ(engine().dataAt(2, 3), "");  // not a check cell
    EXPECT_TRUE(engine().locked(2, 1));
}

TEST_F(WrapperTest, TickingACheckCellByClickLocksOrFreesTheBoundCell) {
    openSheet(2, 2);
    sheet->setColCheckBox(1, true, false);
    sheet->setColStrings(1, {"1", "1"});
    ASSERT_TRUE(sheet->bindCheckLock(1, 2));
    EXPECT_FALSE(engine().locked(2, 2));
    clickCell(1, 2);  // the engine unticks the box and tells the dialog, which the sheet hears
    EXPECT_EQ(engine().dataAt(1, 2), "0");
    EXPECT_TRUE(engine().locked(2, 2));
    EXPECT_EQ(engine().activeCol(), 2);
    EXPECT_EQ(engine().activeRow(), 2);
    EXPECT_FALSE(engine().locked(2, 1));
    clickCell(1, 2);
    EXPECT_EQ(engine().dataAt(1, 2), "1");
    EXPECT_FALSE(engine().locked(2, 2));
}

TEST_F(WrapperTest, ResetListSheetGivesAPlainListOfEditCells) {
    openSheet(5, 5);
    sheet->fontFace = "Courier";
    ASSERT_TRUE(resetListSheet(sheet.get(), 3, 0, 0));
    EXPECT_EQ(sheet->getMaxCols(), 3);
    EXPECT_EQ(sheet->getMaxRows(), 1);
    EXPECT_EQ(engine().operationMode(), 3);
    EXPECT_FALSE(engine().option(sheet::kOptRowHeaderShown));
    EXPECT_EQ(engine().cellType(3, 1).Type, static_cast<short>(sheet::CellKind::Edit));
    EXPECT_EQ(engine().cellType(3, 1).record.maxLength, 100);
    EXPECT_EQ(engine().font(0, 0).weight, 700);
    EXPECT_EQ(engine().font(2, 1).face, "Tahoma");
    EXPECT_TRUE(engine().option(sheet::kOptRedraw));
}

}  // namespace

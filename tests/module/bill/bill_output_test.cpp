// TwSSBillOutput: a bill written row by row into the hidden sheet, its growth, subtotal and
// picture rows, the variables and the saved file read back.
#include "spread/bill/tw_ss_bill_output.h"

#include <unistd.h>

#include <filesystem>
#include <vector>

#include "base/cp1252.h"
#include "gnumeric_peer.h"
#include "sheet/sheet_file.h"

#include "core/path_mapping.h"
#include "host/drawing_database.h"
#include "win/readback.h"
#include "sheet_test_world.h"
#include "spread/eval/sheet_evaluation.h"
#include "spread/settings/sheet_settings.h"

using sheet_test::entry;

namespace {

class BillOutputTest : public sheet_test::SheetWorld {
protected:
    // The sheet the bill writes into, found through the window it lives in.
    HWND billSheet() {
        for (HWND window : win::topLevelWindows())
            if (HWND sheetWindow = GetDlgItem(window, 1196); sheetWindow && SSGetSheet(sheetWindow)) return sheetWindow;
        return nullptr;
    }
    const sheet::CellFormat& formatAt(int col, int row) {
        return SSGetSheet(billSheet())->format(sheet::CellRef{col, row});
    }
    std::string dataAt(int col, int row) {
        char buffer[512] = {};
        SSGetData(billSheet(), col, row, buffer);
        return buffer;
    }
    int rowsOf() { return SSGetMaxRows(billSheet()); }
    int colsOf() { return SSGetMaxCols(billSheet()); }

    Acad::ErrorStatus initBill(TwSSBillOutput& bill, const std::string& file = "bill.kvs") {
        billPath = workFolder.file(file);
        return bill.init(billPath, {"Mark", "Qty", "Length", "Weight", "Note"}, {}, {3, 1, 2, 2, 0}, "none", {"Client"},
                         {"Harbour Ltd"});
    }
    static Kv_StringArray row(const std::string& mark) { return {mark, "2", "1200.5", "45.25", "ok"}; }

    std::string billPath;
};

TEST_F(BillOutputTest, InitNamesAndTypesTheColumnsOfAHiddenSheet) {
    TwSSBillOutput bill;
    ASSERT_EQ(initBill(bill), Acad::eOk);
    ASSERT_NE(billSheet(), nullptr);
    EXPECT_FALSE(IsWindowVisible(GetParent(billSheet())));
    EXPECT_EQ(colsOf(), 5);
    EXPECT_EQ(rowsOf(), 11);
    EXPECT_EQ(dataAt(3, SS_HEADER), "Length");
    EXPECT_EQ(formatAt(1, 5).type.kind, sheet::CellKind::Edit);
    EXPECT_EQ(formatAt(1, 5).type.maxLength, 200);
    EXPECT_EQ(formatAt(2, 5).type.kind, sheet::CellKind::Number);
    EXPECT_EQ(formatAt(2, 5).type.decimals, 0);
    EXPECT_EQ(formatAt(3, 5).type.decimals, 1);
    EXPECT_EQ(formatAt(3, 5).type.style, 0x10400000u);
    // A column without a known type keeps the edit type of the prepared sheet.
    EXPECT_EQ(formatAt(5, 5).type.maxLength, 100);
}

TEST_F(BillOutputTest, ARowLongerThanTheNamesWidensTheSheetWithColumnsLikeTheLastOne) {
    TwSSBillOutput bill;
    ASSERT_EQ(initBill(bill), Acad::eOk);
    bill.onAddRow(row("B1"));
    bill.onAddRow({"B2", "1", "300", "2.5", "x", "extra", "more"});
    EXPECT_EQ(colsOf(), 7);
    EXPECT_EQ(dataAt(6, 2), "extra");
    EXPECT_EQ(dataAt(7, 2), "more");
    EXPECT_EQ(formatAt(7, 3).type, formatAt(5, 3).type);
    // The copied column's label and the earlier rows' values do not belong to the new ones.
    EXPECT_EQ(dataAt(5, 1), "ok");
    EXPECT_EQ(dataAt(6, 1), "");
    EXPECT_EQ(dataAt(6, SS_HEADER), "");
    EXPECT_EQ(dataAt(5, SS_HEADER), "Note");
}

TEST_F(BillOutputTest, GrowsInStepsOfAHundredAndEndsWithExactlyTheRowsWritten) {
    TwSSBillOutput bill;
    ASSERT_EQ(initBill(bill), Acad::eOk);
    for (int i = 1; i <= 11; ++i) bill.onAddRow(row("B" + std::to_string(i)));
    EXPECT_EQ(rowsOf(), 11);
    bill.onAddRow(row("B12"));
    EXPECT_EQ(rowsOf(), 112);
    // Grown rows are empty, not copies of the last bill row.
    EXPECT_EQ(dataAt(1, 13), "");
    EXPECT_EQ(dataAt(1, 12), "B12");
    // Grown rows keep the column types (one decimal in column 3).
    EXPECT_EQ(formatAt(3, 100).type.decimals, 1);
    ASSERT_EQ(bill.onEndFeed(), Acad::eOk);
    EXPECT_EQ(rowsOf(), 12);
}

TEST_F(BillOutputTest, SubtotalsColourOnlyTheirNonEmptyCells) {
    TwSSBillOutput bill;
    ASSERT_EQ(initBill(bill), Acad::eOk);
    bill.onAddRow(row("B1"));
    bill.onAddSubTotals({"", "2", "", "45.25"}, {"ignored"}, true, 1);
    EXPECT_EQ(bill.rowsWritten(), 2);
    EXPECT_EQ(formatAt(2, 2).backColor, 0xFFD1A4u);
    EXPECT_EQ(formatAt(4, 2).backColor, 0xFFD1A4u);
    EXPECT_EQ(formatAt(4, 2).foreColor, 0x8000000Bu);
    EXPECT_EQ(formatAt(1, 2).backColor, sheet::kDefaultColor);
    EXPECT_EQ(formatAt(3, 2).backColor, sheet::kDefaultColor);
    EXPECT_EQ(formatAt(5, 2).backColor, sheet::kDefaultColor);
    EXPECT_NE(formatAt(2, 2).border, formatAt(1, 2).border);
    EXPECT_EQ(formatAt(2, 1).backColor, sheet::kDefaultColor);
}

TEST_F(BillOutputTest, ASubtotalOnTheLastRowDoesNotColourTheGrownRows) {
    TwSSBillOutput bill;
    ASSERT_EQ(initBill(bill), Acad::eOk);
    for (int i = 1; i <= 10; ++i) bill.onAddRow(row("B" + std::to_string(i)));
    bill.onAddSubTotals({"", "20"}, {}, false, 0);
    bill.onAddRow(row("B11"));
    EXPECT_EQ(formatAt(2, 11).backColor, 0xFFD1A4u);
    EXPECT_EQ(formatAt(2, 12).backColor, sheet::kDefaultColor);
    EXPECT_EQ(formatAt(2, 40).backColor, sheet::kDefaultColor);
    EXPECT_EQ(formatAt(2, 40).type, formatAt(2, 10).type);
}

TEST_F(BillOutputTest, TheTitleIsTheFileNameAfterTheLastProjectSeparator) {
    EXPECT_EQ(billTitleOf("C:\\jobs\\Harbour\xBF"
                          "Bill A.kvs"),
              "Bill A");
    EXPECT_EQ(billTitleOf("C:\\jobs\\Hall\xBFWest\xBF"
                          "Bill B.kvs"),
              "Bill B");
    EXPECT_EQ(billTitleOf("/data/plain.kvs"), "plain");
    EXPECT_EQ(billTitleOf("noext"), "noext");
}

TEST_F(BillOutputTest, EndStoresDateTitleAndFileBeforeTheCallersVariablesAndSaves) {
    TwSSBillOutput bill;
    ASSERT_EQ(initBill(bill,
                       "Harbour\xBF"
                       "Bill A.kvs"),
              Acad::eOk);
    bill.onAddRow(row("B1"));
    ASSERT_EQ(bill.onEndFeed(), Acad::eOk);
    ASSERT_TRUE(std::filesystem::exists(kvMapPath(billPath.c_str())));  // a package text: 0xBF is UTF-8 on disk

    Kv_String firstCell;
    Kv_StringArray headers;
    Kv_Array<Kv_StringArray> rows;
    ReadSSFile(billPath, firstCell, headers, rows);
    EXPECT_EQ(firstCell, "B1");
    ASSERT_EQ(headers.length(), 5);
    EXPECT_EQ(headers[4], "Note");
    ASSERT_EQ(rows.length(), 1);
    EXPECT_EQ(rows[0][2], "1200.5");

    Kv_Spread& reader = openSheet();
    ASSERT_TRUE(SSLoadFromFile(reader.m_hWnd, billPath.c_str()));
    SheetSettings record;
    record.readFromSheet(reader);
    ASSERT_EQ(record.varNames.length(), 4);
    EXPECT_EQ(record.varNames[0], "Date");
    EXPECT_EQ(record.varNames[1], "Title");
    EXPECT_EQ(record.varValues[1], "Bill A");
    EXPECT_EQ(record.varNames[2], "BillFilename");
    EXPECT_EQ(record.varValues[2], billPath);
    EXPECT_EQ(record.varNames[3], "Client");
    EXPECT_EQ(record.varValues[3], "Harbour Ltd");
    // "07 December, 2026 (11:40)": a day, a month name, a year and the time.
    EXPECT_NE(record.varValues[0].str().find(", 20"), std::string::npos);
    EXPECT_EQ(record.varValues[0].str().back(), ')');
}

TEST_F(BillOutputTest, AFailedSaveIsReportedNotSwallowed) {
    TwSSBillOutput bill;
    ASSERT_EQ(initBill(bill, "no/such/folder/bill.kvs"), Acad::eOk);
    bill.onAddRow(row("B1"));
    EXPECT_EQ(bill.onEndFeed(), Acad::eFilerError);
    EXPECT_NE(host::CommandLine::instance().text().find("could not be saved"), std::string::npos);
}

TEST_F(BillOutputTest, WithoutInitNothingIsWrittenAndTheEndReportsIt) {
    TwSSBillOutput bill;
    bill.onAddRow(row("B1"));
    bill.onAddSubTotals({"1"}, {}, false, 0);
    EXPECT_EQ(bill.rowsWritten(), 0);
    EXPECT_EQ(bill.onEndFeed(), Acad::eInvalidInput);
}

TEST_F(BillOutputTest, ACopyWritesIntoASheetOfItsOwn) {
    TwSSBillOutput first;
    ASSERT_EQ(initBill(first), Acad::eOk);
    first.onAddRow(row("B1"));
    TwSSBillOutput second(first);
    EXPECT_EQ(second.rowsWritten(), 0);
    ASSERT_EQ(second.init(workFolder.file("second.kvs"), {"Mark"}, {}, {}, "none", {}, {}), Acad::eOk);
    second.onAddRow({"C1"});
    EXPECT_EQ(first.onEndFeed(), Acad::eOk);
    EXPECT_EQ(second.onEndFeed(), Acad::eOk);
    Kv_String firstCell;
    Kv_StringArray headers;
    Kv_Array<Kv_StringArray> rows;
    ReadSSFile(billPath, firstCell, headers, rows);
    EXPECT_EQ(firstCell, "B1");
    ReadSSFile(workFolder.file("second.kvs"), firstCell, headers, rows);
    EXPECT_EQ(firstCell, "C1");
}

class BillPictureTest : public BillOutputTest {
protected:
    void SetUp() override {
        BillOutputTest::SetUp();
        host::DrawingDatabase::instance().reset();
        parts.parts.append({"B1", 6000.0, 4, {}});
        parts.parts.append({"B2", 3000.0, 0, {}});
    }
    Kv_Bill parts;
};

TEST_F(BillPictureTest, EachKnownPartGetsAPictureRowKeptBesideTheBill) {
    TwSSBillOutput bill;
    ASSERT_EQ(initBill(bill), Acad::eOk);
    bill.setVars(-1, 24, 0, true, true, &parts, &host::DrawingDatabase::instance());
    ASSERT_EQ(bill.onStartFeed(), Acad::eOk);
    bill.onAddRow(row("B1"));
    bill.onAddRow(row("unknown"));
    bill.onAddRow(row("B2"));
    EXPECT_EQ(bill.rowsWritten(), 5);
    EXPECT_EQ(dataAt(1, 1), "B1");
    EXPECT_EQ(dataAt(1, 3), "unknown");
    EXPECT_EQ(dataAt(1, 4), "B2");
    const sheet::CellFormat& picture = formatAt(2, 2);
    EXPECT_EQ(picture.type.kind, sheet::CellKind::Picture);
    EXPECT_EQ(picture.type.style, 36u);
    EXPECT_TRUE(std::filesystem::exists(picture.type.text)) << picture.type.text;
    EXPECT_NE(picture.type.text.find("bill_pictures"), std::string::npos);
    EXPECT_EQ(formatAt(1, 2).type.kind, sheet::CellKind::Picture);
    EXPECT_EQ(SSGetSheet(billSheet())->rowHeight(2), 24);
    const auto span = SSGetSheet(billSheet())->spanAt(sheet::CellRef{3, 2});
    ASSERT_TRUE(span.has_value());
    EXPECT_EQ(span->anchor.col, 2);
    EXPECT_EQ(span->cols, 4);
    // No temporary picture is left behind.
    for (const auto& item : std::filesystem::directory_iterator(std::filesystem::temp_directory_path()))
        EXPECT_EQ(item.path().filename().string().find("kv_part_" + std::to_string(getpid()) + "_"), std::string::npos);
    EXPECT_EQ(bill.onEndFeed(), Acad::eOk);
}

TEST_F(BillPictureTest, WithoutATransactionNoPicturesAreMade) {
    TwSSBillOutput bill;
    ASSERT_EQ(initBill(bill), Acad::eOk);
    bill.setVars(-1, 24, 0, true, true, &parts, nullptr);
    bill.onAddRow(row("B1"));
    EXPECT_EQ(bill.rowsWritten(), 1);
}

TEST_F(BillPictureTest, APictureRowPastTheEndGrowsTheSheetToo) {
    TwSSBillOutput bill;
    ASSERT_EQ(initBill(bill), Acad::eOk);
    for (int i = 1; i <= 10; ++i) bill.onAddRow(row("plain" + std::to_string(i)));
    bill.setVars(-1, 24, 0, true, true, &parts, &host::DrawingDatabase::instance());
    bill.onAddRow(row("B2"));
    EXPECT_EQ(bill.rowsWritten(), 12);
    EXPECT_EQ(formatAt(2, 12).type.kind, sheet::CellKind::Picture);
    // The picture row's look does not spread into the grown rows.
    EXPECT_NE(formatAt(2, 13).type.kind, sheet::CellKind::Picture);
}

}  // namespace

namespace {

TEST_F(BillOutputTest, AFiftyThousandRowBillIsSavedAndReadsBackWhole) {
    TwSSBillOutput bill;
    ASSERT_EQ(initBill(bill, "large.kvs"), Acad::eOk);
    constexpr int kRows = 50000;
    for (int i = 1; i <= kRows; ++i) bill.onAddRow(row("B" + std::to_string(i)));
    ASSERT_EQ(bill.onEndFeed(), Acad::eOk);
    Kv_String firstCell;
    Kv_StringArray headers;
    Kv_Array<Kv_StringArray> rows;
    ReadSSFile(billPath, firstCell, headers, rows);
    ASSERT_EQ(rows.length(), kRows);
    EXPECT_EQ(rows[kRows - 1][0], "B50000");
    EXPECT_EQ(rows[kRows - 1].length(), 5);
}

}  // namespace

namespace {

// A field of Gnumeric's CSV (UTF-8) as the package's text.
std::vector<std::vector<std::string>> csvRows(const std::string& path) {
    ::sheet::Sheet csv;
    EXPECT_TRUE(::sheet::loadCsvFile(csv, path).ok);
    std::vector<std::vector<std::string>> rows;
    for (int row = 1; row <= csv.maxRows(); ++row) {
        rows.emplace_back();
        for (int col = 1; col <= csv.maxCols(); ++col) rows.back().push_back(base::utf8ToCp1252(csv.data({col, row})));
    }
    return rows;
}

TEST_F(BillOutputTest, NoWorkbookCopyUnlessTheSettingsAskForIt) {
    TwSSBillOutput bill;
    ASSERT_EQ(initBill(bill), Acad::eOk);
    bill.onAddRow(row("B1"));
    ASSERT_EQ(bill.onEndFeed(), Acad::eOk);
    EXPECT_FALSE(std::filesystem::exists(workFolder.file("bill.xlsx")));
}

TEST_F(BillOutputTest, AWorkbookCopyOpensInGnumericWithTheSameValuesTextsAndSubtotals) {
    if (!gnumeric_peer::available()) GTEST_SKIP() << "ssconvert (Gnumeric) cannot be installed here";
    writeSettingsFile("copy", entry("workbookCopy", 2, "1"));
    TwSSBillOutput bill;
    billPath = workFolder.file("bill.kvs");
    ASSERT_EQ(bill.init(billPath, {"Mark", "Qty", "Length", "Weight", "Note"}, {}, {3, 1, 2, 2, 0}, "copy", {"Client"},
                        {"Harbour Ltd"}),
              Acad::eOk);
    bill.onAddRow(row("B1"));
    bill.onAddRow({"Tr\xE4ger 10\xB0", "3", "2400.25", "90.5", "Stahl \xDC"});
    bill.onAddSubTotals({"", "5", "", "135.75"}, {}, true, 1);
    bill.onAddRow(row("B3"));
    ASSERT_EQ(bill.onEndFeed(), Acad::eOk);
    const std::string xlsx = workFolder.file("bill.xlsx"), csv = workFolder.file("peer.csv");
    ASSERT_TRUE(std::filesystem::exists(xlsx));
    ASSERT_TRUE(gnumeric_peer::convertWithRecalc(xlsx, csv));

    const auto peer = csvRows(csv);
    ASSERT_EQ(peer.size(), static_cast<size_t>(rowsOf() + 1));  // the column names come first
    for (int col = 1; col <= colsOf(); ++col) EXPECT_EQ(peer[0][col - 1], dataAt(col, SS_HEADER));
    for (int row = 1; row <= rowsOf(); ++row)
        for (int col = 1; col <= colsOf(); ++col) {
            const std::string mine = dataAt(col, row), theirs = peer[row][col - 1];
            auto a = ::sheet::textToNumber(mine), b = ::sheet::textToNumber(theirs);
            if (a && b)
                EXPECT_DOUBLE_EQ(*a, *b) << col << "," << row;
            else
                EXPECT_EQ(theirs, mine) << col << "," << row;
        }
    EXPECT_EQ(peer[3][3], "135.75");  // the subtotal row
    EXPECT_EQ(peer[2][0], "Tr\xE4ger 10\xB0");
}

}  // namespace

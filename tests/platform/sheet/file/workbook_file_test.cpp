// Workbooks of other spreadsheet programs: .xlsx written by libxlsxwriter and by the engine
// read back, .ods read, a sheet named in the file name, the notes a read gives, and every bad
// input refused with the sheet left as it was.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <filesystem>
#include <fstream>

#include "base/cp1252.h"
#include "gnumeric_peer.h"
#include "kv_build_program.h"
#include "sheet/sheet.h"
#include "sheet/workbook_file.h"
#include "temp_folder.h"
#include "zip_maker.h"

namespace {

using sheet::CellRef;

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

class WorkbookTest : public ::testing::Test {
protected:
    // A sheet that a failed load must leave exactly as it was.
    void fillSentinel(sheet::Sheet& s) {
        s.setData({1, 1}, "sentinel");
        s.setData({2, 1}, "=1+1");
    }
    void expectSentinel(const sheet::Sheet& s) {
        EXPECT_EQ(s.data({1, 1}), "sentinel");
        EXPECT_EQ(s.formulaText({2, 1}), "1+1");
        EXPECT_EQ(s.maxCols(), 26);
    }
    // Loads `bytes` saved under `name` into a sentinel sheet: the load must fail, name the file
    // and change nothing.  Returns the error.
    std::string refused(const std::string& name, const std::string& bytes) {
        const std::string path = folder.file(name);
        writeBytes(path, bytes);
        sheet::Sheet s;
        fillSentinel(s);
        sheet::FileResult r = sheet::loadFileByName(s, path);
        EXPECT_FALSE(r.ok) << name;
        EXPECT_NE(r.error.find(path), std::string::npos) << r.error;
        expectSentinel(s);
        return r.error;
    }

    TempFolder folder;
};

TEST_F(WorkbookTest, AWorkbookWrittenByLibxlsxwriterReadsBackWithItsContent) {
    const std::string path = folder.file("made.xlsx");
    lxw_workbook* book = workbook_new(path.c_str());
    lxw_worksheet* ws = workbook_add_worksheet(book, "Prices");
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_format* twoDecimals = workbook_add_format(book);
    format_set_num_format(twoDecimals, "0.00");
    worksheet_write_number(ws, 0, 0, 42.5, bold);
    worksheet_write_string(ws, 1, 0, "Tr\xC3\xA4ger 10\xC2\xB0", nullptr);
    worksheet_write_formula_num(ws, 2, 0, "=A1*2+SUM(A1:A1)", twoDecimals, 127.5);
    worksheet_merge_range(ws, 0, 1, 1, 2, "spanned", nullptr);
    worksheet_set_column_pixels(ws, 0, 0, 100, nullptr);
    worksheet_set_row_pixels(ws, 2, 30, nullptr);
    ASSERT_EQ(workbook_close(book), LXW_NO_ERROR);

    sheet::Sheet s;
    std::vector<std::string> notes;
    sheet::FileResult r = sheet::loadFileByName(s, path, &notes);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_TRUE(notes.empty());
    EXPECT_EQ(s.maxCols(), 3);
    EXPECT_EQ(s.maxRows(), 3);
    EXPECT_EQ(s.value({1, 1}), sheet::Value::number(42.5));
    EXPECT_EQ(s.data({1, 2}), "Tr\xE4ger 10\xB0");  // code page 1252
    EXPECT_EQ(s.formulaText({1, 3}), "A1*2+SUM(A1:A1)");
    EXPECT_EQ(s.value({1, 3}), sheet::Value::number(127.5));
    EXPECT_EQ(s.data({2, 1}), "spanned");
    ASSERT_TRUE(s.spanAt({3, 2}));
    EXPECT_EQ(s.spanAt({3, 2})->anchor, (CellRef{2, 1}));
    EXPECT_EQ(s.spanAt({3, 2})->cols, 2);
    EXPECT_EQ(s.spanAt({3, 2})->rows, 2);
    EXPECT_EQ(s.colWidth(1), 100);
    EXPECT_EQ(s.rowHeight(3), 30);
    EXPECT_EQ(s.format({1, 1}).font.weight, 700);
    EXPECT_EQ(s.format({1, 1}).font.face, "");  // the workbook's default font is the sheet's
    EXPECT_EQ(s.format({1, 3}).type.kind, sheet::CellKind::Number);
    EXPECT_EQ(s.format({1, 3}).type.decimals, 2);
    // Formulas the engine knows are its own again: an edit computes them.
    s.setNumber({1, 1}, 10);
    EXPECT_EQ(s.value({1, 3}), sheet::Value::number(30));
}

TEST_F(WorkbookTest, AnEngineSheetSurvivesXlsxOutAndBack) {
    sheet::Sheet s;
    s.setMaxCols(4);
    s.setMaxRows(5);
    s.setData({1, 1}, "Tr\xE4ger 10\xB0");
    s.setData({2, 1}, "12.5");
    s.setData({2, 2}, "7");
    s.setData({2, 3}, "=SUM(B1:B2)");
    s.setData({3, 3}, "=IF(B3>10,\"heavy \xE4\",\"light\")");
    s.setData({4, 5}, "last");
    sheet::CellFont font;
    font.face = "Arial";
    font.height = 16;
    font.weight = 700;
    font.italic = true;
    s.setFont({{1, 1}, {1, 1}}, font);
    s.setColors({{2, 3}, {3, 3}}, 0xFFD1A4u, 0x0000FFu);
    s.setBorder({{2, 3}, {2, 3}}, sheet::kBorderTop | sheet::kBorderBottom, 1, 0x00FF00u);
    sheet::CellTypeRecord number;
    number.kind = sheet::CellKind::Number;
    number.decimals = 2;
    s.setCellType({{2, 1}, {2, 3}}, number);
    s.addSpan({1, 4}, 3, 1);
    s.setColWidth(1, 120);
    s.setRowHeight(2, 33);

    const std::string path = folder.file("engine.xlsx");
    sheet::FileResult saved = sheet::saveFileByName(s, path);
    ASSERT_TRUE(saved.ok) << saved.error;
    sheet::Sheet back;
    sheet::FileResult r = sheet::loadFileByName(back, path);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(back.maxCols(), 4);
    EXPECT_EQ(back.maxRows(), 5);
    for (int col = 1; col <= 4; ++col)
        for (int row = 1; row <= 5; ++row) {
            EXPECT_EQ(back.valueText({col, row}), s.valueText({col, row})) << col << "," << row;
            EXPECT_EQ(back.formulaText({col, row}), s.formulaText({col, row})) << col << "," << row;
        }
    EXPECT_EQ(back.data({3, 3}), "heavy \xE4");
    const sheet::CellFormat& a1 = back.format({1, 1});
    EXPECT_EQ(a1.font.face, "Arial");
    EXPECT_EQ(a1.font.height, 16);
    EXPECT_EQ(a1.font.weight, 700);
    EXPECT_TRUE(a1.font.italic);
    const sheet::CellFormat& b3 = back.format({2, 3});
    EXPECT_EQ(b3.backColor, 0xFFD1A4u);
    EXPECT_EQ(b3.foreColor, 0x0000FFu);
    EXPECT_EQ(b3.border[2].style, 1);
    EXPECT_EQ(b3.border[2].color, 0x00FF00u);
    EXPECT_EQ(b3.border[3].style, 1);
    EXPECT_EQ(b3.border[0].style, 0);
    EXPECT_EQ(b3.type.kind, sheet::CellKind::Number);
    EXPECT_EQ(b3.type.decimals, 2);
    ASSERT_TRUE(back.spanAt({3, 4}));
    EXPECT_EQ(back.spanAt({3, 4})->cols, 3);
    EXPECT_EQ(back.colWidth(1), 120);
    EXPECT_EQ(back.rowHeight(2), 33);
}

TEST_F(WorkbookTest, HeaderTextsBecomeTheFirstRowAndFormulasFollowTheirCells) {
    sheet::Sheet s;
    s.setMaxCols(2);
    s.setMaxRows(2);
    s.setData({1, 0}, "Mark");
    s.setData({2, 0}, "Twice");
    s.setData({1, 1}, "4");
    s.setData({2, 1}, "=A1*2");
    s.setData({2, 2}, "=$A$1+B1");
    const std::string path = folder.file("labels.xlsx");
    ASSERT_TRUE(sheet::saveXlsxFile(s, path).ok);
    sheet::Sheet back;
    ASSERT_TRUE(sheet::loadWorkbookFile(back, path).ok);
    EXPECT_EQ(back.data({1, 1}), "Mark");
    EXPECT_EQ(back.data({2, 1}), "Twice");
    EXPECT_EQ(back.formulaText({2, 2}), "A2*2");
    EXPECT_EQ(back.formulaText({2, 3}), "$A$2+B2");
    EXPECT_EQ(back.valueText({2, 3}), "12");
}

TEST_F(WorkbookTest, ACharacterOutsideTheCodePageIsReplacedAndCounted) {
    const std::string path = folder.file("greek.xlsx");
    lxw_workbook* book = workbook_new(path.c_str());
    lxw_worksheet* ws = workbook_add_worksheet(book, nullptr);
    worksheet_write_string(ws, 0, 0, "\xCE\xA9-beam", nullptr);  // Omega
    worksheet_write_string(ws, 1, 0,
                           "a\xE2\x86\x92"
                           "b \xC3\xA4",
                           nullptr);  // arrow, a-umlaut
    ASSERT_EQ(workbook_close(book), LXW_NO_ERROR);
    sheet::Sheet s;
    std::vector<std::string> notes;
    ASSERT_TRUE(sheet::loadFileByName(s, path, &notes).ok);
    EXPECT_EQ(s.data({1, 1}), "?-beam");
    EXPECT_EQ(s.data({1, 2}), "a?b \xE4");
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].rfind("2 character(s)", 0), 0u) << notes[0];
}

TEST_F(WorkbookTest, UnknownFunctionsKeepTheFilesResultsAndAreListedOnce) {
    const std::string path = folder.file("newer.xlsx");
    lxw_workbook* book = workbook_new(path.c_str());
    lxw_worksheet* ws = workbook_add_worksheet(book, nullptr);
    worksheet_write_formula_num(ws, 0, 0, "=_xlfn.FOOBAR(1)", nullptr, 7);
    worksheet_write_formula_num(ws, 1, 0, "=FOOBAR(2)", nullptr, 8);
    worksheet_write_formula_num(ws, 2, 0, "=A1+A2", nullptr, 0);
    worksheet_write_formula_num(ws, 3, 0, "=Other!A1", nullptr, 3);
    ASSERT_EQ(workbook_close(book), LXW_NO_ERROR);
    sheet::Sheet s;
    std::vector<std::string> notes;
    ASSERT_TRUE(sheet::loadFileByName(s, path, &notes).ok);
    EXPECT_EQ(s.formulaText({1, 1}), "FOOBAR(1)");
    EXPECT_EQ(s.value({1, 1}), sheet::Value::number(7));
    EXPECT_EQ(s.value({1, 2}), sheet::Value::number(8));
    EXPECT_EQ(s.value({1, 3}), sheet::Value::number(15));
    // A reference to another sheet is no formula of the engine's: kept as its text.
    EXPECT_FALSE(s.hasFormula({1, 4}));
    EXPECT_EQ(s.data({1, 4}), "=Other!A1");
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_NE(notes[0].find("FOOBAR"), std::string::npos);
    EXPECT_EQ(notes[0].find("FOOBAR"), notes[0].rfind("FOOBAR"));
    EXPECT_NE(notes[1].find("A4"), std::string::npos);
}

TEST_F(WorkbookTest, SharedFormulasReachEveryCellAndArrayFormulasKeepTheirValues) {
    // What a spreadsheet program writes for a formula filled down: the first cell carries the
    // text, the others only the shared index.  The second sheet's array formula is read past.
    const std::string first =
        "<row r=\"1\"><c r=\"A1\"><v>1</v></c><c r=\"B1\"><f t=\"shared\" ref=\"B1:B3\" "
        "si=\"0\">A1*10+$A$1</f><v>11</v></c></row>"
        "<row r=\"2\"><c r=\"A2\"><v>2</v></c><c r=\"B2\"><f t=\"shared\" si=\"0\"/><v>21</v></c></row>"
        "<row r=\"3\"><c r=\"A3\"><v>3</v></c><c r=\"B3\"><f t=\"shared\" si=\"0\"/><v>31</v></c>"
        "<c r=\"C3\"><f t=\"array\" ref=\"C3:C3\">SUM(A1:A3*2)</f><v>12</v></c></row>";
    const std::string second = "<row r=\"1\"><c r=\"A1\"><f t=\"array\" ref=\"A1:A1\">SUM(1)</f><v>1</v></c></row>";
    const std::string path = folder.file("shared.xlsx");
    writeBytes(path, zip_maker::xlsxWorkbook({first, second}));
    sheet::Sheet s;
    std::vector<std::string> notes;
    sheet::FileResult r = sheet::loadFileByName(s, path, &notes);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(s.formulaText({2, 2}), "A2*10+$A$1");
    EXPECT_EQ(s.formulaText({2, 3}), "A3*10+$A$1");
    EXPECT_EQ(s.valueText({2, 3}), "31");
    EXPECT_FALSE(s.hasFormula({3, 3}));
    EXPECT_EQ(s.valueText({3, 3}), "12");
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0], "array formulas kept as their values: C3");
    ASSERT_TRUE(sheet::loadFileByName(s, path + "#Sheet2").ok);
    EXPECT_EQ(s.valueText({1, 1}), "1");
}

TEST_F(WorkbookTest, TheFirstSheetIsReadUnlessTheNameNamesAnother) {
    const std::string path = folder.file("two.xlsx");
    lxw_workbook* book = workbook_new(path.c_str());
    worksheet_write_string(workbook_add_worksheet(book, "Notes"), 0, 0, "first", nullptr);
    worksheet_write_string(workbook_add_worksheet(book, "Prices"), 0, 0, "second", nullptr);
    ASSERT_EQ(workbook_close(book), LXW_NO_ERROR);
    sheet::Sheet s;
    ASSERT_TRUE(sheet::loadFileByName(s, path).ok);
    EXPECT_EQ(s.data({1, 1}), "first");
    ASSERT_TRUE(sheet::loadFileByName(s, path + "#prices").ok);
    EXPECT_EQ(s.data({1, 1}), "second");
    sheet::FileResult missing = sheet::loadFileByName(s, path + "#Costs");
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.error.find("no sheet named \"Costs\" (it has Notes, Prices)"), std::string::npos)
        << missing.error;
    EXPECT_EQ(s.data({1, 1}), "second");
}

TEST_F(WorkbookTest, AnOpenDocumentSheetReadsItsValuesAndFormulas) {
    const std::string rows =
        "<table:table-row><table:table-cell office:value-type=\"float\" office:value=\"21\"/>"
        "<table:table-cell table:formula=\"of:=SUM([.A1];[.A1:.A1])\" office:value-type=\"float\""
        " office:value=\"42\"/></table:table-row>"
        "<table:table-row><table:table-cell office:value-type=\"string\"><text:p>HEA 200</text:p>"
        "</table:table-cell></table:table-row>";
    const std::string path = folder.file("table.ods");
    writeBytes(path, zip_maker::openDocumentSheet({{"Sheet1", rows}}));
    sheet::Sheet s;
    sheet::FileResult r = sheet::loadFileByName(s, path);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(s.formulaText({2, 1}), "SUM(A1,A1:A1)");
    EXPECT_EQ(s.valueText({2, 1}), "42");
    EXPECT_EQ(s.data({1, 2}), "HEA 200");
}

TEST_F(WorkbookTest, BadWorkbooksAreRefusedWithTheirReasonAndChangeNothing) {
    // A real workbook to damage.
    sheet::Sheet source;
    for (int row = 1; row <= 100; ++row) source.setData({1, row}, "row " + std::to_string(row));
    ASSERT_TRUE(sheet::saveXlsxFile(source, folder.file("good.xlsx")).ok);
    const std::string good = readBytes(folder.file("good.xlsx"));

    EXPECT_NE(refused("noise.xlsx", "PK\x03\x04 this is no archive at all").find("damaged"), std::string::npos);
    EXPECT_NE(refused("cut.xlsx", good.substr(0, good.size() / 2)).find("damaged"), std::string::npos);
    EXPECT_NE(refused("text.ods", "just some text").find("not a workbook"), std::string::npos);

    std::string compound = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1" + std::string(500, '\0');
    compound += std::string("E\0n\0c\0r\0y\0p\0t\0i\0o\0n\0I\0n\0f\0o\0", 28);
    EXPECT_NE(refused("secret.xlsx", compound).find("encrypted or password-protected"), std::string::npos);
    zip_maker::Part locked{"xl/workbook.xml", "<workbook/>"};
    locked.encryptedFlag = true;
    EXPECT_NE(refused("locked.xlsx", zip_maker::archive({locked})).find("encrypted"), std::string::npos);

    const std::string sealedManifest =
        "<manifest:manifest><manifest:file-entry manifest:full-path=\"content.xml\">"
        "<manifest:encryption-data manifest:checksum-type=\"SHA1/1K\"/></manifest:file-entry>"
        "</manifest:manifest>";
    EXPECT_NE(
        refused("sealed.ods", zip_maker::archive({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet", false},
                                                  {"META-INF/manifest.xml", sealedManifest},
                                                  {"content.xml", "\x93\x11 encrypted bytes"}}))
            .find("encrypted or password-protected"),
        std::string::npos);

    // A zip bomb: a part that says it unpacks to 2 GiB, and one that lies about its size.
    zip_maker::Part bomb{"xl/worksheets/sheet1.xml", std::string(1000, '0')};
    bomb.declaredSize = int64_t{1} << 31;
    EXPECT_NE(refused("bomb.xlsx", zip_maker::archive({bomb})).find("more than 1 GiB"), std::string::npos);
    zip_maker::Part liar{"xl/worksheets/sheet1.xml", std::string(4 << 20, '0')};
    liar.declaredSize = 100;
    EXPECT_NE(refused("liar.xlsx", zip_maker::archive({liar})).find("damaged"), std::string::npos);

    // Formulas that nest deeper than the engine's limit.
    {
        const std::string path = folder.file("deep.xlsx");
        lxw_workbook* book = workbook_new(path.c_str());
        std::string formula = "=" + std::string(70, '(') + "1" + std::string(70, ')');
        worksheet_write_formula(workbook_add_worksheet(book, nullptr), 0, 0, formula.c_str(), nullptr);
        ASSERT_EQ(workbook_close(book), LXW_NO_ERROR);
        std::string error = refused("deep.xlsx", readBytes(path));
        EXPECT_NE(error.find("cell A1 nests deeper than 64 levels"), std::string::npos) << error;
    }
    // A row wider than the engine's columns.
    const std::string wide =
        "<table:table-row><table:table-cell table:number-columns-repeated=\"20000\""
        " office:value-type=\"float\" office:value=\"1\"/></table:table-row>";
    EXPECT_NE(refused("wide.ods", zip_maker::openDocumentSheet({{"S", wide}})).find("larger than the engine's limits"),
              std::string::npos);
}

TEST_F(WorkbookTest, AWorkbookThatCrashesItsParserIsAnErrorNotACrash) {
    // liborcus stops the process on a column property inside a style of an unknown family (an
    // assertion in its open document styles): the reader's child process takes the blow.
    const std::string content =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><office:document-content"
        " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
        " xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\""
        " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\"><office:automatic-styles>"
        "<style:style style:name=\"C\" style:family=\"tabledcolumn\">"
        "<style:table-column-properties style:column-width=\"60.75pt\"/></style:style>"
        "</office:automatic-styles></office:document-content>";
    std::string error =
        refused("crash.ods", zip_maker::archive({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet", false},
                                                 {"content.xml", content}}));
    EXPECT_NE(error.find("the workbook is damaged (its reader stopped"), std::string::npos) << error;
}

TEST_F(WorkbookTest, AnXlsxIsWrittenWholeOrNotAtAll) {
    const std::string path = folder.file("kept.xlsx");
    writeBytes(path, "the old file");
    sheet::Sheet s;
    s.setValueText({1, 1}, std::string(40000, 'x'));  // more than a workbook cell takes
    sheet::FileResult r = sheet::saveFileByName(s, path);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("cell A1"), std::string::npos) << r.error;
    EXPECT_EQ(readBytes(path), "the old file");
    EXPECT_FALSE(sheet::saveFileByName(s, folder.file("no/such/folder/new.xlsx")).ok);
    EXPECT_FALSE(std::filesystem::exists(folder.file("no/such/folder")));
    // Nothing is left behind in the temporary folder either.
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::temp_directory_path()))
        EXPECT_EQ(entry.path().filename().string().find(".kvsheet-" + std::to_string(::getpid()) + "-"),
                  std::string::npos);
}

TEST_F(WorkbookTest, APictureCellBringsItsPictureIntoTheWorkbook) {
    // A 2 x 2 24-bit BMP beside the workbook, named without a folder.
    std::string bmp = "BM";
    auto put32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) bmp += static_cast<char>(v >> (8 * i));
    };
    auto put16 = [&](uint16_t v) {
        bmp += static_cast<char>(v);
        bmp += static_cast<char>(v >> 8);
    };
    put32(70);
    put32(0);
    put32(54);
    put32(40);
    put32(2);
    put32(2);
    put16(1);
    put16(24);
    put32(0);
    put32(16);
    put32(2835);
    put32(2835);
    put32(0);
    put32(0);
    bmp += std::string(16, '\x7F');
    writeBytes(folder.file("part.bmp"), bmp);
    sheet::Sheet s;
    sheet::CellTypeRecord picture;
    picture.kind = sheet::CellKind::Picture;
    picture.text = "part.bmp";
    s.setCellType({{2, 2}, {2, 2}}, picture);
    s.setData({1, 1}, "with a picture");
    ASSERT_TRUE(sheet::saveXlsxFile(s, folder.file("pictured.xlsx")).ok);
    EXPECT_NE(readBytes(folder.file("pictured.xlsx")).find("xl/media/image1.bmp"), std::string::npos);
}

TEST_F(WorkbookTest, GnumericComputesTheSameValuesFromTheEnginesWorkbook) {
    if (!gnumeric_peer::available()) GTEST_SKIP() << "ssconvert (Gnumeric) cannot be installed here";
    sheet::Sheet s;
    s.setMaxCols(4);
    s.setMaxRows(6);
    const char* rows[][4] = {
        {"HEA 200", "42.3", "3", "=B1*C1"},
        {"Tr\xE4ger 10\xB0", "1.5", "4", "=B2*C2"},
        {"IPE 300", "=B1/2", "2", "=ROUND(B3*C3,2)"},
        {"Total", "", "=SUM(C1:C3)", "=SUM(D1:D3)"},
        {"=A1&\" / \"&A2", "=IF(D4>100,\"heavy\",\"light\")", "=VLOOKUP(\"IPE 300\",A1:C3,3,0)",
         "=MAX(B1:B3)-MIN(B1:B3)"},
    };
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 4; ++col) s.setData({col + 1, row + 1}, rows[row][col]);
    const std::string xlsx = folder.file("peer.xlsx"), csv = folder.file("peer.csv");
    ASSERT_TRUE(sheet::saveXlsxFile(s, xlsx).ok);
    ASSERT_TRUE(gnumeric_peer::convertWithRecalc(xlsx, csv));
    sheet::Sheet peer;
    ASSERT_TRUE(sheet::loadCsvFile(peer, csv).ok);
    for (int row = 1; row <= 5; ++row)
        for (int col = 1; col <= 4; ++col) {
            const sheet::Value mine = s.value({col, row}), theirs = peer.value({col, row});
            if (mine.isNumber())
                EXPECT_NEAR(theirs.asNumber(), mine.asNumber(), 1e-9) << col << "," << row;
            else  // Gnumeric writes its CSV in UTF-8, which the engine's CSV reader keeps as bytes
                EXPECT_EQ(peer.data({col, row}), base::cp1252ToUtf8(s.data({col, row}))) << col << "," << row;
        }
}

// Runs kvsheet with the arguments; returns its exit status and puts its error output in `err`.
int kvsheet(const std::string& arguments, std::string& err, const TempFolder& folder) {
    const std::string errFile = folder.file("kvsheet.err");
    const std::string command = kvBuildProgram(KVSHEET_PATH) + " " + arguments + " 2>" + errFile;
    int status = std::system(command.c_str());
    err = readBytes(errFile);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(WorkbookTest, KvsheetConvertsBetweenEveryPairOfFormatsAndTellsWhatItMet) {
    writeBytes(folder.file("in.csv"), "Name,Weight,Twice\nHEA 200,42.3,=B2*2\n");
    std::string err;
    const char* chain[] = {"in.csv", "a.xlsx", "b.kvs", "c.xlsx", "d.csv"};
    for (int i = 0; i + 1 < 5; ++i)
        ASSERT_EQ(kvsheet("convert " + folder.file(chain[i]) + " " + folder.file(chain[i + 1]), err, folder), 0)
            << chain[i] << ": " << err;
    EXPECT_EQ(readBytes(folder.file("d.csv")), "Name,Weight,Twice\nHEA 200,42.3,84.6\n");
    sheet::Sheet native;
    ASSERT_TRUE(sheet::loadSheetFile(native, folder.file("b.kvs")).ok);
    EXPECT_EQ(native.formulaText({3, 2}), "B2*2");

    const std::string rows =
        "<table:table-row><table:table-cell office:value-type=\"float\" office:value=\"2\"/>"
        "<table:table-cell table:formula=\"of:=FOOBAR([.A1])\" office:value-type=\"float\""
        " office:value=\"9\"/><table:table-cell table:formula=\"of:=[.B1]+[.A1]\"/>"
        "</table:table-row>";
    writeBytes(folder.file("prices.ods"), zip_maker::openDocumentSheet({{"Prices", rows}}));
    ASSERT_EQ(kvsheet("recalc " + folder.file("prices.ods") + " " + folder.file("out.csv"), err, folder), 0) << err;
    EXPECT_EQ(readBytes(folder.file("out.csv")), "2,9,11\n");
    EXPECT_EQ(err, "kvsheet: " + folder.file("prices.ods") +
                       ": functions the engine does not know, kept with the file's results: FOOBAR\n");
    // .ods is read, not written; a damaged workbook names the file.
    EXPECT_EQ(kvsheet("convert " + folder.file("b.kvs") + " " + folder.file("x.ods"), err, folder), 1);
    EXPECT_NE(err.find("read, not written"), std::string::npos) << err;
    writeBytes(folder.file("bad.xlsx"), "PK\x03\x04 broken");
    EXPECT_EQ(kvsheet("convert " + folder.file("bad.xlsx") + " " + folder.file("y.kvs"), err, folder), 1);
    EXPECT_NE(err.find(folder.file("bad.xlsx") + ": the workbook is damaged"), std::string::npos) << err;
    EXPECT_FALSE(std::filesystem::exists(folder.file("y.kvs")));
}

}  // namespace

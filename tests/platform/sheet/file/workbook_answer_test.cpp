// The answer a workbook reader's child process sends back: a sheet crosses it unchanged, the
// child's path gives what reading in process gives, and a cut or damaged answer is an error
// that leaves the caller's sheet as it was.
#include <gtest/gtest.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <cstring>
#include <fstream>

#include "file/workbook_answer.h"
#include "file/workbook_isolation.h"
#include "file/workbook_reader.h"
#include "sheet/sheet.h"
#include "sheet/sheet_file.h"
#include "sheet/workbook_file.h"
#include "temp_folder.h"

namespace {

using sheet::CellRef;

// A sheet with something of everything the answer carries.
void fillVaried(sheet::Sheet& s) {
    s.setMaxCols(6);
    s.setMaxRows(8);
    s.setData({1, 1}, "Tr\xE4ger 10\xB0");
    s.setData({2, 1}, "\x80 \x81 \xFF and \"quotes\"\nnew line");
    s.setData({1, 2}, "12.5");
    s.setData({2, 2}, "1.50");  // kept as typed
    s.setData({3, 2}, "=A2*2+LEN(A1)");
    s.setData({4, 2}, "=IF(A2>10,\"schwer \xE4\",\"leicht\")");
    s.setData({5, 2}, "=1/0");
    s.setValue({1, 3}, sheet::Value::boolean(true));
    s.setValue({2, 3}, sheet::Value::error(sheet::ErrorKind::NA));
    s.setTag({3, 3}, "part \xD6se");
    sheet::CellTypeRecord number;
    number.kind = sheet::CellKind::Number;
    number.decimals = 2;
    number.minimum = -5;
    number.maximum = 1e9;
    s.setCellType({{1, 2}, {3, 2}}, number);
    sheet::CellFont font;
    font.face = "Arial";
    font.height = 16;
    font.weight = 700;
    font.italic = true;
    s.setFont({{1, 1}, {2, 1}}, font);
    s.setColors({{4, 4}, {5, 5}}, 0xFFD1A4u, 0x0000FFu);  // looks without content
    s.setBorder({{2, 2}, {2, 2}}, sheet::kBorderTop | sheet::kBorderLeft, 2, 0x00FF00u);
    s.addSpan({1, 6}, 3, 2);
    s.addSpan({5, 7}, 2, 1);
    s.setColWidth(1, 120);
    s.setColWidth(6, 0);
    s.setRowHeight(2, 33);
    s.setOption(sheet::kOptAutoCalc, false);
    s.setData({6, 8}, "=A2+1");  // out of date: computed after it crossed
    s.setOption(sheet::kOptAutoCalc, true);
}

void fillSentinel(sheet::Sheet& s) {
    s.setData({1, 1}, "sentinel");
    s.setData({2, 1}, "=1+1");
}

std::string answerOfVaried(const std::vector<std::string>& notes = {"first note", "second \xE4"}) {
    sheet::Sheet s;
    fillVaried(s);
    return sheet::writeWorkbookAnswer(sheet::FileResult{true, {}, 0}, s, notes);
}

TEST(WorkbookAnswerTest, AVariedSheetCrossesUnchangedWithItsNotes) {
    sheet::Sheet source;
    fillVaried(source);
    const std::string answer = sheet::writeWorkbookAnswer(sheet::FileResult{true, {}, 0}, source, {"one", "two \xE4"});
    sheet::Sheet s;
    fillSentinel(s);
    std::vector<std::string> notes{"before"};
    sheet::FileResult r = sheet::readWorkbookAnswer(s, answer, &notes);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(sheet::writeSheetText(s), sheet::writeSheetText(source));
    EXPECT_EQ(notes, (std::vector<std::string>{"before", "one", "two \xE4"}));
    // Formulas are the sheet's own again, not copies of their results.
    EXPECT_EQ(s.value({6, 8}), sheet::Value::number(13.5));
    s.setNumber({1, 2}, 20);
    EXPECT_EQ(s.value({3, 2}), sheet::Value::number(50));
    EXPECT_EQ(s.data({4, 2}), "schwer \xE4");
}

TEST(WorkbookAnswerTest, AFailedReadCarriesItsReason) {
    sheet::Sheet s;
    fillSentinel(s);
    const std::string answer = sheet::writeWorkbookAnswer(
        sheet::FileResult{false, "the workbook has no sheet named \"X\"", 0}, sheet::Sheet(), {});
    sheet::FileResult r = sheet::readWorkbookAnswer(s, answer, nullptr);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "the workbook has no sheet named \"X\"");
    EXPECT_EQ(s.data({1, 1}), "sentinel");
}

TEST(WorkbookAnswerTest, EveryCutOfAnAnswerIsRefusedAndChangesNothing) {
    const std::string answer = answerOfVaried();
    sheet::Sheet s;
    fillSentinel(s);
    const std::string before = sheet::writeSheetText(s);
    for (size_t size = 0; size < answer.size(); ++size) {
        std::vector<std::string> notes;
        sheet::FileResult r = sheet::readWorkbookAnswer(s, answer.substr(0, size), &notes);
        ASSERT_FALSE(r.ok) << size;
        EXPECT_TRUE(r.error.find("stopped before it was done") != std::string::npos ||
                    r.error.find("answer is not valid") != std::string::npos)
            << size << ": " << r.error;
        ASSERT_TRUE(notes.empty()) << size;
    }
    EXPECT_EQ(sheet::writeSheetText(s), before);
    // Bytes after the end are no part of a whole answer either.
    EXPECT_FALSE(sheet::readWorkbookAnswer(s, answer + "x", nullptr).ok);
    EXPECT_EQ(sheet::writeSheetText(s), before);
}

TEST(WorkbookAnswerTest, DamagedAnswersAreRefusedOrGiveAValidSheet) {
    const std::string answer = answerOfVaried();
    sheet::Sheet s;
    fillSentinel(s);
    const std::string before = sheet::writeSheetText(s);
    size_t refused = 0;
    // Every byte changed in turn, to its complement and to the largest values a count can take.
    for (size_t at = 0; at < answer.size(); ++at)
        for (unsigned char bits : {0xFFu, 0x80u, 0x01u}) {
            std::string damaged = answer;
            damaged[at] = static_cast<char>(damaged[at] ^ bits);
            sheet::Sheet target;
            fillSentinel(target);
            sheet::FileResult r = sheet::readWorkbookAnswer(target, damaged, nullptr);
            if (r.ok) {
                // What was taken is a sheet the engine can hold: it writes and reads as its own.
                sheet::Sheet again;
                ASSERT_TRUE(sheet::readSheetText(again, sheet::writeSheetText(target)).ok) << at;
            } else {
                ++refused;
                ASSERT_EQ(sheet::writeSheetText(target), before) << at;
            }
        }
    EXPECT_GT(refused, answer.size());

    // Particular damage, each with its reason.
    auto refusedFor = [&](std::string damaged) {
        sheet::FileResult r = sheet::readWorkbookAnswer(s, damaged, nullptr);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(sheet::writeSheetText(s), before);
        return r.error;
    };
    EXPECT_NE(refusedFor("KVWX" + answer.substr(4)).find("stopped before it was done"), std::string::npos);
    std::string outcome = answer;
    outcome[4] = 7;
    EXPECT_NE(refusedFor(outcome).find("answer is not valid"), std::string::npos);
    // A note count far beyond what the answer holds is not believed.
    std::string manyNotes = answer;
    const uint32_t huge = 0xFFFFFFF0u;
    std::memcpy(manyNotes.data() + 5, &huge, sizeof huge);
    EXPECT_NE(refusedFor(manyNotes).find("stopped before it was done"), std::string::npos);
}

TEST(WorkbookAnswerTest, OverlappingSpansAndCellsOffTheSheetAreRefused) {
    // Sheets the engine itself would not hold, written field by field as a child could.
    auto answerWith = [](int32_t cellCol, int32_t spanCol) {
        std::string a = "KVWA";
        auto put = [&a](auto v) { a.append(reinterpret_cast<const char*>(&v), sizeof v); };
        put(uint8_t{0});
        put(uint32_t{0});  // notes
        put(int32_t{4});   // columns
        put(int32_t{4});   // rows
        put(uint64_t{1} << sheet::kOptAutoCalc);
        put(uint32_t{0});  // formats
        put(uint32_t{0});  // widths
        put(uint32_t{0});  // heights
        put(uint32_t{2});  // spans
        for (int32_t v : {1, 1, 2, 2, spanCol, 2, 2, 2}) put(v);
        put(uint32_t{1});  // cells
        put(cellCol);
        put(int32_t{1});
        put(uint32_t{0});
        put(uint8_t{1});  // a number
        put(2.5);
        put(uint32_t{0});  // tags
        return a;
    };
    sheet::Sheet s;
    sheet::FileResult fine = sheet::readWorkbookAnswer(s, answerWith(1, 3), nullptr);
    ASSERT_TRUE(fine.ok) << fine.error;
    EXPECT_EQ(s.value({1, 1}), sheet::Value::number(2.5));
    ASSERT_EQ(s.spans().size(), 2u);
    const std::string taken = sheet::writeSheetText(s);
    sheet::FileResult overlap = sheet::readWorkbookAnswer(s, answerWith(1, 2), nullptr);
    EXPECT_FALSE(overlap.ok);
    EXPECT_NE(overlap.error.find("merged ranges overlap"), std::string::npos) << overlap.error;
    sheet::FileResult outside = sheet::readWorkbookAnswer(s, answerWith(5, 3), nullptr);
    EXPECT_FALSE(outside.ok);
    EXPECT_NE(outside.error.find("a cell is not valid"), std::string::npos) << outside.error;
    EXPECT_EQ(sheet::writeSheetText(s), taken);
}

TEST(WorkbookAnswerTest, AChildThatStopsWithoutAnAnswerChangesNothing) {
    // The child ends as if all went well but sends nothing: the answer alone decides.
    sheet::Sheet s;
    fillSentinel(s);
    const std::string before = sheet::writeSheetText(s);
    sheet::FileResult r = sheet::readInChildProcess(
        s, [](sheet::Sheet&, std::vector<std::string>&) -> sheet::FileResult { ::_exit(0); }, nullptr);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("stopped before it was done"), std::string::npos) << r.error;
    EXPECT_EQ(sheet::writeSheetText(s), before);
}

TEST(WorkbookAnswerTest, ReadingThroughTheChildGivesWhatReadingInProcessGives) {
    TempFolder folder;
    const std::string path = folder.file("varied.xlsx");
    lxw_workbook* book = workbook_new(path.c_str());
    lxw_worksheet* ws = workbook_add_worksheet(book, "Teile");
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);
    format_set_bg_color(bold, 0xFFD1A4);
    format_set_border(bold, LXW_BORDER_THIN);
    lxw_format* twoDecimals = workbook_add_format(book);
    format_set_num_format(twoDecimals, "0.00");
    lxw_format* percent = workbook_add_format(book);
    format_set_num_format(percent, "0%");
    worksheet_write_string(ws, 0, 0, "Tr\xC3\xA4ger 10\xC2\xB0 \xE2\x82\xAC", bold);
    worksheet_write_string(ws, 0, 1, "\xE2\x88\x91 not in the code page", nullptr);
    for (int row = 1; row <= 20; ++row) {
        worksheet_write_number(ws, row, 0, row * 1.25, twoDecimals);
        worksheet_write_number(ws, row, 1, row / 100.0, percent);
        const std::string formula = "=A" + std::to_string(row + 1) + "*B" + std::to_string(row + 1);
        worksheet_write_formula_num(ws, row, 2, formula.c_str(), nullptr, row * 1.25 * row / 100.0);
    }
    worksheet_write_formula_num(ws, 21, 2, "=SUM(C2:C21)", twoDecimals, 0);
    worksheet_write_formula_num(ws, 22, 2, "=NOSUCHFUNCTION(C2)", nullptr, 7);
    worksheet_merge_range(ws, 0, 3, 1, 4, "spanned \xC3\xB6", nullptr);
    worksheet_set_column_pixels(ws, 0, 0, 140, nullptr);
    worksheet_set_row_pixels(ws, 3, 40, nullptr);
    ASSERT_EQ(workbook_close(book), LXW_NO_ERROR);
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};

    sheet::Sheet direct;
    std::vector<std::string> directNotes;
    sheet::FileResult d = sheet::readWorkbookInProcess(direct, bytes, sheet::FileFormat::Xlsx, {}, &directNotes);
    ASSERT_TRUE(d.ok) << d.error;
    sheet::Sheet child;
    fillSentinel(child);
    std::vector<std::string> childNotes;
    sheet::FileResult c = sheet::readWorkbook(child, bytes, sheet::FileFormat::Xlsx, {}, &childNotes);
    ASSERT_TRUE(c.ok) << c.error;
    EXPECT_EQ(sheet::writeSheetText(child), sheet::writeSheetText(direct));
    EXPECT_EQ(childNotes, directNotes);
    EXPECT_EQ(childNotes.size(), 2u);  // a replaced character, an unknown function
    EXPECT_EQ(child.data({1, 1}), "Tr\xE4ger 10\xB0 \x80");
    EXPECT_DOUBLE_EQ(child.value({3, 22}).asNumber(), direct.value({3, 22}).asNumber());
}

}  // namespace

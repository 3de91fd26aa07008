#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "sheet/sheet.h"
#include "sheet/sheet_file.h"

namespace {

using sheet::CellRef;
using sheet::Sheet;
namespace fs = std::filesystem;

class TempDir {
public:
    TempDir() {
        path_ = fs::temp_directory_path() /
                ("kvsheet_file_" + std::to_string(::getpid()) + "_" + std::to_string(counter_++));
        fs::create_directories(path_);
    }
    ~TempDir() { fs::remove_all(path_); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    const fs::path& path() const { return path_; }

private:
    static inline int counter_ = 0;
    fs::path path_;
};

// A sheet with one of everything a sheet can hold.
void fillEverything(Sheet& s) {
    s.setMaxCols(9);
    s.setMaxRows(14);
    s.setData({1, 1}, "42");
    s.setData({1, 2}, "1.50");  // typed text kept beside the number
    s.setData({1, 3}, "caf\xE9 \xA4 0\xB0 \"quoted\" back\\slash");
    s.setValueText({1, 4}, "line one\nline\ttwo\r\x01");
    s.setValueText({1, 5}, "12");  // a text that looks like a number
    s.setData({2, 1}, "=A1*2");
    s.setData({2, 2}, "=A3&\"!\"");
    s.setData({2, 3}, "=A1>40");
    s.setData({2, 4}, "=1/0");
    s.setData({2, 5}, "=B5");  // a cycle
    s.setData({2, 6}, "=SUM($A$1:A2)");
    s.setData({2, 7}, "=1+");                                               // kept as text
    s.setData({2, 8}, "=SUM({1,-2.5;\"a;b}\",TRUE})+INDEX({#N/A,4},1,2)");  // array constants
    s.setData({2, 9}, "=SUM((A1,A5))");                                     // a union
    s.setData({0, 1}, "row label \xC4");
    s.setData({3, 0}, "column label");
    s.setTag({0, 0},
             "settings\xA4"
             "2\xA4"
             "9\xA4");
    s.setTag({1, 1}, "a tag\nwith a break");
    sheet::CellTypeRecord edit{};
    edit.kind = sheet::CellKind::Edit;
    edit.style = 0x110000;
    edit.maxLength = 200;
    edit.charCase = 1;
    s.setCellType({{1, 1}, {1, 5}}, edit);
    sheet::CellTypeRecord number{};
    number.kind = sheet::CellKind::Number;
    number.style = 0x10100000;
    number.decimals = 2;
    number.minimum = -99999999999999.0;
    number.maximum = 99999999999999.0;
    s.setCellType({{3, 1}, {3, 3}}, number);
    sheet::CellTypeRecord combo{};
    combo.kind = sheet::CellKind::ComboBox;
    combo.style = 0x100002;
    combo.text = "one\ttwo\tdrei \xFC";
    s.setCellType({{4, 1}, {4, 14}}, combo);
    sheet::CellTypeRecord check{};
    check.kind = sheet::CellKind::CheckBox;
    check.style = 768;
    check.pictureKinds = {6, 6, 6, 6};
    s.setCellType({{5, 1}, {5, 14}}, check);
    s.setData({5, 2}, "1");
    sheet::CellTypeRecord picture{};
    picture.kind = sheet::CellKind::Picture;
    picture.style = 36;
    picture.text = "pics\\header.bmp";
    s.setCellType({{6, 1}, {6, 1}}, picture);
    s.setLocked({{7, 1}, {7, 14}}, true);
    s.setFont({{0, 0}, {9, 0}}, sheet::CellFont{"Tahoma", 15, 700, true, false});
    s.setColors({{8, 2}, {8, 3}}, 0x00FF00, 0x0000FF);
    s.setBorder({{8, 5}, {8, 5}}, sheet::kBorderOutline | sheet::kBorderRight, 6, 0x8000000B);
    s.addSpan({3, 0}, 2, 1);
    s.addSpan({1, 10}, 9, 1);
    s.setColWidth(0, 40);
    s.setColWidth(4, 123);
    s.setRowHeight(10, 64);
    s.setOption(sheet::kOptRowHeaderShown, false);
    s.setOption(sheet::kOptChanged, true);
    s.setOption(sheet::kOptBlockSelect, true);
    auto& set = s.settings();
    set.editEnterAction = 5;
    set.operationMode = 3;
    set.selBackColor = 0x6A240A;
    set.lockBackColor = 0xE6E6E6;
    set.textTipStatus = 2;
    set.textTipDelay = 10;
    set.textTipFont = {"Tahoma", 13, 400, false, true};
    set.noteIndicator = false;
    set.actionKeys[1][0] = 13;
    set.refStyle = sheet::RefStyle::R1C1;
    s.setActiveCell({3, 4});
}

TEST(NativeFile, RoundTripKeepsEveryKindOfContent) {
    TempDir dir;
    Sheet original;
    fillEverything(original);
    ASSERT_TRUE(sheet::saveSheetFile(original, dir.file("all.kvs")).ok);
    Sheet loaded;
    auto r = sheet::loadSheetFile(loaded, dir.file("all.kvs"));
    ASSERT_TRUE(r.ok) << r.error << " at line " << r.line;
    EXPECT_EQ(sheet::writeSheetText(loaded), sheet::writeSheetText(original));
    // Spot checks through the calls callers use.
    EXPECT_EQ(loaded.data({1, 2}), "1.50");
    EXPECT_EQ(loaded.data({1, 3}), "caf\xE9 \xA4 0\xB0 \"quoted\" back\\slash");
    EXPECT_EQ(loaded.data({1, 4}), "line one\nline\ttwo\r\x01");
    EXPECT_TRUE(loaded.value({1, 5}).isText());
    EXPECT_EQ(loaded.formulaText({2, 1}), "RC[-1]*2");
    EXPECT_EQ(loaded.valueText({2, 2}), "caf\xE9 \xA4 0\xB0 \"quoted\" back\\slash!");
    EXPECT_EQ(loaded.valueText({2, 3}), "TRUE");
    EXPECT_EQ(loaded.valueText({2, 4}), "#DIV/0!");
    EXPECT_EQ(loaded.valueText({2, 5}), "#CYCLE!");
    EXPECT_EQ(loaded.data({2, 7}), "=1+");
    EXPECT_EQ(loaded.formulaText({2, 8}), "SUM({1,-2.5;\"a;b}\",TRUE})+INDEX({#N/A,4},1,2)");
    EXPECT_EQ(loaded.valueText({2, 8}), "2.5");
    EXPECT_EQ(loaded.formulaText({2, 9}), "SUM((R[-8]C[-1],R[-4]C[-1]))");
    EXPECT_EQ(loaded.valueText({2, 9}), "42");
    EXPECT_EQ(loaded.tag({0, 0}),
              "settings\xA4"
              "2\xA4"
              "9\xA4");
    EXPECT_EQ(loaded.format({4, 9}).type.text, "one\ttwo\tdrei \xFC");
    EXPECT_EQ(loaded.format({5, 3}).type.kind, sheet::CellKind::CheckBox);
    EXPECT_TRUE(loaded.format({7, 14}).locked);
    EXPECT_EQ(loaded.format({2, 0}).font.weight, 700);
    EXPECT_EQ(loaded.format({8, 5}).border[2].color, 0x8000000Bu);
    EXPECT_EQ(loaded.spanAt({9, 10})->anchor, (CellRef{1, 10}));
    EXPECT_EQ(loaded.colWidth(4), 123);
    EXPECT_FALSE(loaded.option(sheet::kOptRowHeaderShown));
    EXPECT_TRUE(loaded.option(sheet::kOptChanged));
    EXPECT_EQ(loaded.settings(), original.settings());
    EXPECT_EQ(loaded.activeCell(), (CellRef{3, 4}));
    // The loaded formulas are live.
    loaded.setData({1, 1}, "50");
    EXPECT_EQ(loaded.valueText({2, 1}), "100");
    EXPECT_EQ(loaded.valueText({2, 6}), "51.5");
}

TEST(NativeFile, OutOfDateFormulasStayOutOfDate) {
    Sheet s;
    s.setOption(sheet::kOptAutoCalc, false);
    s.setData({1, 1}, "2");
    s.setData({1, 2}, "=A1*3");
    Sheet loaded;
    ASSERT_TRUE(sheet::readSheetText(loaded, sheet::writeSheetText(s)).ok);
    EXPECT_EQ(loaded.dirtyCount(), 1u);
    loaded.recalc();
    EXPECT_EQ(loaded.valueText({1, 2}), "6");
}

TEST(NativeFile, LoadingDropsTheSheetsCustomFunctions) {
    Sheet s;
    sheet::FunctionDef def;
    def.name = "MINE";
    def.minArgs = 0;
    def.maxArgs = 0;
    def.custom = true;
    def.impl = [](std::span<const sheet::Operand>, sheet::EvalContext&) { return sheet::Value::number(1); };
    ASSERT_TRUE(s.addFunction(def));
    Sheet other;
    other.setData({1, 1}, "=MINE()");
    ASSERT_TRUE(sheet::readSheetText(s, sheet::writeSheetText(other)).ok);
    EXPECT_EQ(s.functions().find("MINE"), nullptr);
    EXPECT_NE(s.functions().find("SUM"), nullptr);
    s.recalcAll();
    EXPECT_EQ(s.valueText({1, 1}), "#NAME?");
}

// Every damaged file fails and leaves the sheet exactly as it was.
class DamagedFile : public testing::TestWithParam<std::pair<const char*, std::string>> {};

TEST_P(DamagedFile, FailsAndLeavesTheSheetUnchanged) {
    Sheet s;
    fillEverything(s);
    std::string before = sheet::writeSheetText(s);
    auto r = sheet::readSheetText(s, GetParam().second);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.empty());
    EXPECT_EQ(sheet::writeSheetText(s), before);
}

std::string good() { return "KVSHEET 1\nsize 3 3\ncell 1 1 0 n 1\ncell 2 1 0 f \"A1+1\" n 2\nend 3\n"; }
std::string replaced(std::string from, std::string to) {
    std::string s = good();
    s.replace(s.find(from), from.size(), to);
    return s;
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedFile,
                         testing::Values(std::make_pair("empty", std::string()),
                                         std::make_pair("other_magic", replaced("KVSHEET", "KVSHEEP")),
                                         std::make_pair("other_version", replaced("KVSHEET 1", "KVSHEET 2")),
                                         std::make_pair("cut_before_end", good().substr(0, good().find("end"))),
                                         std::make_pair("cut_inside_end", good().substr(0, good().size() - 1)),
                                         std::make_pair("cut_inside_text", good().substr(0, good().find("A1+") + 2)),
                                         std::make_pair("wrong_count", replaced("end 3", "end 4")),
                                         std::make_pair("after_end", good() + "cell 1 1 0 n 5\n"),
                                         std::make_pair("cell_outside", replaced("cell 1 1", "cell 4 1")),
                                         std::make_pair("negative_cell", replaced("cell 1 1", "cell -1 1")),
                                         std::make_pair("size_too_large", replaced("size 3 3", "size 3 999999999")),
                                         std::make_pair("no_size", "KVSHEET 1\ncell 1 1 0 n 1\nend 1\n"),
                                         std::make_pair("unknown_format", replaced("cell 1 1 0", "cell 1 1 7")),
                                         std::make_pair("unknown_record", replaced("cell 1 1 0 n 1", "blob 1")),
                                         std::make_pair("bad_number", replaced("n 1", "n 1x")),
                                         std::make_pair("not_finite", replaced("n 1", "n inf")),
                                         std::make_pair("bad_formula", replaced("A1+1", "A1+")),
                                         std::make_pair("bad_escape", replaced("A1+1", "A1\\q")),
                                         std::make_pair("unclosed_text", replaced("\"A1+1\" n 2", "\"A1+1 n 2")),
                                         std::make_pair("extra_field", replaced("n 1\n", "n 1 7\n")),
                                         std::make_pair("double_blank", replaced("cell 1 1", "cell  1 1")),
                                         std::make_pair("bad_error", replaced("n 2", "e #OOPS")),
                                         std::make_pair("typed_text_mismatch", replaced("n 1", "n 1 \"2\"")),
                                         std::make_pair("overlapping_spans",
                                                        replaced("end 3", "span 1 1 2 2\nspan 2 2 2 2\nend 5")),
                                         std::make_pair("span_outside", replaced("end 3", "span 3 3 2 2\nend 4")),
                                         std::make_pair("bad_kind",
                                                        "KVSHEET 1\nsize 3 3\nformat 1 9 0 0 0 0 0 0 0 0 0 0 0 0 \"\" "
                                                        "0 0 0 \"\" 0 400 0 0 0 0 0 0 0 0 0 0\nend 2\n")),
                         [](const auto& info) { return std::string(info.param.first); });

TEST(NativeFile, ReadsCrLfLinesAndSkipsAByteOrderMark) {
    Sheet s;
    auto r = sheet::readSheetText(s,
                                  "\xEF\xBB\xBFKVSHEET 1\r\nsize 3 3\r\ncell 1 1 0 s \"a\\x0Db\"\r\n"
                                  "cell 2 1 0 F \"LEN(A1)\"\r\nend 3\r\n");
    ASSERT_TRUE(r.ok) << r.error << " line " << r.line;
    EXPECT_EQ(s.data({1, 1}), "a\rb");
    EXPECT_EQ(s.valueText({2, 1}), "3");
}

// A1 and the last cell of the largest sheet: the file holds two cells, and spans far apart
// load as they were.
TEST(NativeFile, SparseFarCellsAndManySpansRoundTrip) {
    Sheet s;
    ASSERT_TRUE(s.setMaxCols(sheet::kMaxSheetCols) && s.setMaxRows(sheet::kMaxSheetRows));
    s.setData({1, 1}, "first");
    s.setData({sheet::kMaxSheetCols, sheet::kMaxSheetRows}, "last");
    for (int32_t i = 0; i < 1000; ++i) ASSERT_TRUE(s.addSpan({2 + i % 7, 3 + 3 * i}, 1, 2));
    std::string text = sheet::writeSheetText(s);
    Sheet back;
    ASSERT_TRUE(sheet::readSheetText(back, text).ok);
    EXPECT_EQ(back.data({sheet::kMaxSheetCols, sheet::kMaxSheetRows}), "last");
    EXPECT_EQ(back.data({1, 1}), "first");
    EXPECT_EQ(back.spanAt({2 + 999 % 7, 3 + 3 * 999 + 1})->anchor, (sheet::CellRef{2 + 999 % 7, 3 + 3 * 999}));
    EXPECT_EQ(sheet::writeSheetText(back), text);
}

TEST(NativeFile, EveryCutOfAFileIsRefused) {
    Sheet original;
    fillEverything(original);
    std::string text = sheet::writeSheetText(original);
    Sheet s;
    s.setData({1, 1}, "unchanged");
    for (size_t cut = 0; cut < text.size(); cut += 7) {
        ASSERT_FALSE(sheet::readSheetText(s, text.substr(0, cut)).ok) << "cut at " << cut;
    }
    EXPECT_EQ(s.data({1, 1}), "unchanged");
}

TEST(NativeFile, MissingFileFails) {
    TempDir dir;
    Sheet s;
    s.setData({1, 1}, "x");
    auto r = sheet::loadSheetFile(s, dir.file("nothing.kvs"));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(s.data({1, 1}), "x");
}

TEST(NativeFile, FailedSaveLeavesTheOldFileAndNoTemporary) {
    TempDir dir;
    Sheet s;
    s.setData({1, 1}, "first");
    std::string path = dir.file("keep.kvs");
    ASSERT_TRUE(sheet::saveSheetFile(s, path).ok);
    // The target is replaced by a folder of the same name's child: the rename cannot happen.
    fs::create_directories(dir.path() / "blocked.kvs" / "child");
    EXPECT_FALSE(sheet::saveSheetFile(s, dir.file("blocked.kvs")).ok);
    EXPECT_FALSE(sheet::saveSheetFile(s, dir.file("no/such/folder.kvs")).ok);
    int entries = 0;
    for (auto& e : fs::directory_iterator(dir.path())) {
        (void)e;
        ++entries;
    }
    EXPECT_EQ(entries, 2);  // keep.kvs and the folder, no temporary
    Sheet loaded;
    ASSERT_TRUE(sheet::loadSheetFile(loaded, path).ok);
    EXPECT_EQ(loaded.data({1, 1}), "first");
}

}  // namespace

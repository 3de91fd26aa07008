// Runs every *.txt script of this folder against a fresh sheet.  A script is a list of
// commands, one per line ('#' starts a comment):
//   size COLS ROWS            set the sheet size
//   option N 0|1              set an engine option (7: automatic calculation)
//   refstyle default|a1|r1c1
//   set CELL TEXT...          enter data as a person types it ("=..." is a formula)
//   value CELL TEXT...        enter a constant text
//   recalc | recalcall | recalccell CELL
//   check CELL TEXT...        the cell's value text must be TEXT ("" for empty)
//   formula CELL TEXT...      the cell's formula text must be TEXT
//   dirty N                   N formulas must be out of date
//   insrows AT N | delrows AT N | inscols AT N | delcols AT N
//   copy RANGE CELL | swap RANGE CELL | clear RANGE
//   clock YYYY MM DD HH MM SS   the time TODAY and NOW read
//   seed N                    restarts RAND's sequence
//   keep CELL                 remembers the cell's value text
//   changed CELL | unchanged CELL   compares it with the remembered one
#include "kv_source_dir.h"
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "sheet/environment.h"
#include "sheet/sheet.h"

namespace {

using sheet::CellRef;
using sheet::RangeRef;

bool parseCell(const std::string& s, CellRef& out) {
    size_t i = 0;
    int32_t col = 0;
    while (i < s.size() && std::isalpha(static_cast<unsigned char>(s[i])))
        col = col * 26 + (std::toupper(static_cast<unsigned char>(s[i++])) - 'A' + 1);
    if (i == 0 || i == s.size()) return false;
    int32_t row = 0;
    for (; i < s.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(s[i]))) return false;
        row = row * 10 + (s[i] - '0');
    }
    out = {col, row};
    return true;
}

bool parseRange(const std::string& s, RangeRef& out) {
    size_t colon = s.find(':');
    if (colon == std::string::npos) return parseCell(s, out.first) && (out.last = out.first, true);
    return parseCell(s.substr(0, colon), out.first) && parseCell(s.substr(colon + 1), out.last);
}

std::string rest(std::istringstream& in) {
    std::string text;
    std::getline(in, text);
    if (!text.empty() && text[0] == ' ') text.erase(0, 1);
    if (text == "\"\"") text.clear();
    return text;
}

std::vector<std::string> scriptFiles() {
    std::vector<std::string> out;
    std::filesystem::path dir = std::filesystem::path(kvSourceDir()) / "tests/platform/sheet/scripts";
    for (const auto& e : std::filesystem::directory_iterator(dir))
        if (e.path().extension() == ".txt" && e.path().filename() != "CMakeLists.txt")
            out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

class SheetScript : public testing::TestWithParam<std::string> {};

TEST_P(SheetScript, Runs) {
    std::filesystem::path path = std::filesystem::path(kvSourceDir()) / "tests/platform/sheet/scripts" / GetParam();
    std::ifstream file(path);
    ASSERT_TRUE(file) << path;
    sheet::Sheet s;
    sheet::setClock({});
    std::map<std::string, std::string> kept;
    std::string line;
    int lineNo = 0;
    while (std::getline(file, line)) {
        ++lineNo;
        if (line.empty() || line[0] == '#') continue;
        std::istringstream in(line);
        std::string cmd, a, b;
        in >> cmd;
        SCOPED_TRACE(GetParam() + ":" + std::to_string(lineNo) + ": " + line);
        CellRef cell;
        RangeRef range;
        if (cmd == "size") {
            int32_t cols, rows;
            in >> cols >> rows;
            ASSERT_TRUE(s.setMaxCols(cols) && s.setMaxRows(rows));
        } else if (cmd == "option") {
            int n, v;
            in >> n >> v;
            ASSERT_TRUE(s.setOption(n, v != 0));
        } else if (cmd == "refstyle") {
            in >> a;
            s.settings().refStyle = a == "a1"     ? sheet::RefStyle::A1
                                    : a == "r1c1" ? sheet::RefStyle::R1C1
                                                  : sheet::RefStyle::Default;
        } else if (cmd == "set" || cmd == "value") {
            in >> a;
            ASSERT_TRUE(parseCell(a, cell));
            std::string text = rest(in);
            auto r = cmd == "set" ? s.setData(cell, text) : s.setValueText(cell, text);
            ASSERT_NE(r, sheet::SetResult::OutOfRange);
        } else if (cmd == "recalc") {
            s.recalc();
        } else if (cmd == "recalcall") {
            s.recalcAll();
        } else if (cmd == "recalccell") {
            in >> a;
            ASSERT_TRUE(parseCell(a, cell));
            s.recalcCell(cell);
        } else if (cmd == "check") {
            in >> a;
            ASSERT_TRUE(parseCell(a, cell));
            EXPECT_EQ(s.valueText(cell), rest(in));
        } else if (cmd == "formula") {
            in >> a;
            ASSERT_TRUE(parseCell(a, cell));
            EXPECT_EQ(s.formulaText(cell), rest(in));
        } else if (cmd == "dirty") {
            size_t n;
            in >> n;
            EXPECT_EQ(s.dirtyCount(), n);
        } else if (cmd == "insrows" || cmd == "delrows" || cmd == "inscols" || cmd == "delcols") {
            int32_t at, n;
            in >> at >> n;
            bool ok = cmd == "insrows"   ? s.insertRows(at, n)
                      : cmd == "delrows" ? s.deleteRows(at, n)
                      : cmd == "inscols" ? s.insertCols(at, n)
                                         : s.deleteCols(at, n);
            ASSERT_TRUE(ok);
        } else if (cmd == "copy" || cmd == "swap") {
            in >> a >> b;
            ASSERT_TRUE(parseRange(a, range) && parseCell(b, cell));
            ASSERT_TRUE(cmd == "copy" ? s.copyRange(range, cell) : s.swapRange(range, cell));
        } else if (cmd == "clear") {
            in >> a;
            ASSERT_TRUE(parseRange(a, range));
            ASSERT_TRUE(s.clearRange(range, false));
        } else if (cmd == "clock") {
            sheet::LocalTime t;
            in >> t.year >> t.month >> t.day >> t.hour >> t.minute >> t.second;
            sheet::setClock([t] { return t; });
        } else if (cmd == "seed") {
            uint64_t seed;
            in >> seed;
            sheet::setRandomSeed(seed);
        } else if (cmd == "keep" || cmd == "changed" || cmd == "unchanged") {
            in >> a;
            ASSERT_TRUE(parseCell(a, cell));
            if (cmd == "keep")
                kept[a] = s.valueText(cell);
            else if (cmd == "changed")
                EXPECT_NE(s.valueText(cell), kept[a]);
            else
                EXPECT_EQ(s.valueText(cell), kept[a]);
        } else {
            FAIL() << "unknown command " << cmd;
        }
    }
    sheet::setClock({});
}

INSTANTIATE_TEST_SUITE_P(Scripts, SheetScript, testing::ValuesIn(scriptFiles()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param.substr(0, info.param.size() - 4);
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

}  // namespace

#pragma once
// What the evaluation tests share: a clean window system with the module attached as the
// loader attaches it, a scripted person whose failures fail the test, a temporary folder for
// tables, and sheets in windows of their own for building tables and calling FROMTABLE.
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <memory>
#include <string>

#include "frame_test_support.h"
#include "host/command_line.h"
#include "sheet/sheet.h"
#include "sheet/ss_api.h"
#include "spread/eval/from_table.h"
#include "spread/kv_spread.h"
#include "win/afxwin.h"
#include "win/input.h"
#include "win/readback.h"
#include "win/resource.h"
#include "win/system.h"

namespace eval_test {

// A modeless host dialog holding one attached sheet.
class SheetWindow {
public:
    explicit SheetWindow(int cols = 6, int rows = 10) {
        win::DialogTemplate tmpl;
        tmpl.id = 9401;
        tmpl.caption = "Host";
        tmpl.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
        tmpl.cx = 460;
        tmpl.cy = 300;
        tmpl.controls.push_back({500, "STATIC", WS_CHILD | WS_VISIBLE, 0, 10, 10, 425, 200, ""});
        EXPECT_TRUE(host.CreateIndirect(tmpl));
        sheet = std::make_unique<Kv_Spread>(&host);
        EXPECT_TRUE(sheet->attach(&host, 500));
        SSSetMaxCols(h(), cols);
        SSSetMaxRows(h(), rows);
    }
    ~SheetWindow() {
        sheet.reset();
        host.DestroyWindow();
    }
    HWND h() const { return sheet->m_hWnd; }
    void set(int col, int row, const std::string& data) { EXPECT_TRUE(SSSetData(h(), col, row, data.c_str())); }
    std::string data(int col, int row) const {
        std::string buffer(static_cast<size_t>(SSGetDataLen(h(), col, row)) + 1, '\0');
        SSGetData(h(), col, row, buffer.data());
        return buffer.c_str();
    }
    ::sheet::Value value(int col, int row) const { return SSGetSheet(h())->value({col, row}); }
    void numberColumn(int col, int decimals) {
        SS_CELLTYPE type;
        _SSSetTypeNumber(h(), &type, 0x10000000 | 0x100000, static_cast<short>(decimals), -1e14, 1e14, FALSE);
        SSSetCellTypeRange(h(), col, 1, col, SSGetMaxRows(h()), &type);
    }
    void integerColumn(int col) {
        SS_CELLTYPE type;
        SSSetTypeInteger(h(), &type, -100000, 100000);
        SSSetCellTypeRange(h(), col, 1, col, SSGetMaxRows(h()), &type);
    }
    bool save(const std::string& path) { return SSSaveToFile(h(), path.c_str(), FALSE) != FALSE; }

    CDialog host;
    std::unique_ptr<Kv_Spread> sheet;
};

// The module attached as the loader attaches it (FrameTest), plus a folder of its own.
class EvalTest : public FrameTest {
protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        folder = std::filesystem::temp_directory_path() /
                 ("kv-eval-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(folder);
        FrameTest::SetUp();
    }
    void TearDown() override {
        FrameTest::TearDown();
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    std::string file(const std::string& name) const { return (folder / name).string(); }
    std::string printed() { return host::CommandLine::instance().takeText(); }

    // The section table most tests look things up in: labels Name, Weight, Pieces, Note.
    std::string writeSectionTable(const std::string& name = "sections.kvs") {
        SheetWindow table(4, 3);
        table.set(1, SS_HEADER, "Name");
        table.set(2, SS_HEADER, "Weight");
        table.set(3, SS_HEADER, "Pieces");
        table.set(4, SS_HEADER, "Note");
        table.numberColumn(2, 1);
        table.integerColumn(3);
        const char* rows[3][4] = {
            {"IPE 200", "22.4", "12", "light"}, {"HEA 200", "42.3", "7", "wide flange"}, {"HEB 200", "61.3", "3", ""}};
        for (int row = 1; row <= 3; ++row)
            for (int col = 1; col <= 4; ++col) table.set(col, row, rows[row - 1][col - 1]);
        EXPECT_TRUE(table.save(file(name)));
        return file(name);
    }

    std::filesystem::path folder;
};

// A formula text calling FROMTABLE on `table` with the given further arguments.
inline std::string fromTable(const std::string& table, const std::string& rest) {
    return "=FROMTABLE(\"" + table + "\"," + rest + ")";
}

}  // namespace eval_test

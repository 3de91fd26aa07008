// FROMTABLE into a 10,000-row table: 1,000 calls from one sheet (tables are loaded once and
// kept), against what they cannot beat: loading that table once plus 1,000 exact look-ups in
// it.  Each iteration starts with no kept tables, so the FROMTABLE figures include one load.
// The peak resident memory of the run is reported as a counter.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "frame/module_frame.h"
#include "host/command_line.h"
#include "sheet/sheet.h"
#include "sheet/ss_api.h"
#include "spread/eval/from_table.h"
#include "spread/eval/table_cache.h"
#include "spread/kv_spread.h"
#include "win/afxwin.h"
#include "win/resource.h"
#include "win/system.h"

namespace {

constexpr int kTableRows = 10000;
constexpr int kCalls = 1000;

double peakResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6));
    return 0;
}

std::string keyOf(int row) {
    std::string key = std::to_string(row);
    return "S" + std::string(5 - key.size(), '0') + key;
}

// A host dialog with one sheet; the table is written from it once.
struct Fixture {
    CDialog host;
    std::unique_ptr<Kv_Spread> sheet;
    std::string table;
    std::vector<int> rows;  // the rows the calls ask for

    Fixture() {
        win::resetWindowSystem();
        DllMain(win::instanceHandle(), DLL_PROCESS_ATTACH, nullptr);
        win::DialogTemplate tmpl;
        tmpl.id = 9501;
        tmpl.style = WS_POPUP | WS_CAPTION;
        tmpl.cx = 400;
        tmpl.cy = 300;
        tmpl.controls.push_back({500, "STATIC", WS_CHILD | WS_VISIBLE, 0, 10, 10, 300, 200, ""});
        host.CreateIndirect(tmpl);
        sheet = std::make_unique<Kv_Spread>(&host);
        sheet->attach(&host, 500);
        HWND h = sheet->m_hWnd;
        SSSetBool(h, 7, FALSE);
        SSSetMaxCols(h, 3);
        SSSetMaxRows(h, kTableRows);
        SSSetData(h, 1, SS_HEADER, "Name");
        SSSetData(h, 2, SS_HEADER, "Weight");
        SSSetData(h, 3, SS_HEADER, "Length");
        SS_CELLTYPE number;
        _SSSetTypeNumber(h, &number, 0x10100000, 2, -1e14, 1e14, FALSE);
        SSSetCellTypeRange(h, 2, 1, 3, kTableRows, &number);
        for (int row = 1; row <= kTableRows; ++row) {
            SSSetData(h, 1, row, keyOf(row).c_str());
            SSSetData(h, 2, row, std::to_string(row * 0.25).c_str());
            SSSetData(h, 3, row, std::to_string(1000 + row).c_str());
        }
        table =
            (std::filesystem::temp_directory_path() / ("kv-eval-bench-" + std::to_string(getpid()) + ".kvs")).string();
        SSSaveToFile(h, table.c_str(), FALSE);
        std::mt19937 random(7);
        std::uniform_int_distribution<int> pick(1, kTableRows);
        for (int i = 0; i < kCalls; ++i) rows.push_back(pick(random));
    }
    ~Fixture() {
        std::filesystem::remove(table);
        sheet.reset();
        host.DestroyWindow();
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

// The calling sheet: one FROMTABLE formula per call in column A, computed by one recalculation.
void runCalls(benchmark::State& state, bool byKey) {
    Fixture& f = fixture();
    HWND h = f.sheet->m_hWnd;
    SSReset(h);
    SSSetBool(h, 7, FALSE);
    SSSetMaxCols(h, 1);
    SSSetMaxRows(h, kCalls);
    registerFromTable(h);
    for (int i = 0; i < kCalls; ++i) {
        const int row = f.rows[i];
        const std::string formula = byKey ? "=FROMTABLE(\"" + f.table + "\",\"Name\",\"Weight\",\"" + keyOf(row) + "\")"
                                          : "=FROMTABLE(\"" + f.table + "\",B" + std::to_string(row) + ")";
        SSSetData(h, 1, i + 1, formula.c_str());
    }
    for (auto _ : state) {
        releaseFromTableCache();
        SSReCalc(h);
        state.PauseTiming();
        for (int i = 0; i < kCalls; i += 97) {
            double value = 0;
            if (!SSGetFloat(h, 1, i + 1, &value) || value != f.rows[i] * 0.25) {
                state.SkipWithError("wrong look-up result");
                break;
            }
        }
        host::CommandLine::instance().clear();
        state.ResumeTiming();
    }
    state.counters["peak_KiB"] = peakResidentKiB();
}

void BM_1000FromTableCallsByKey(benchmark::State& state) { runCalls(state, true); }
void BM_1000FromTableCallsByCellReference(benchmark::State& state) { runCalls(state, false); }

// The floor: the table loaded once into a sheet, then 1,000 exact look-ups of the same keys
// (VLOOKUP with 0, answered from the engine's column index).
void BM_LoadTableOncePlus1000ExactLookups(benchmark::State& state) {
    Fixture& f = fixture();
    HWND h = f.sheet->m_hWnd;
    std::vector<std::string> formulas;
    for (int i = 0; i < kCalls; ++i)
        formulas.push_back("=VLOOKUP(\"" + keyOf(f.rows[i]) + "\",A1:B" + std::to_string(kTableRows) + ",2,0)");
    for (auto _ : state) {
        SSLoadFromFile(h, f.table.c_str());
        SSSetMaxCols(h, 7);
        SSSetBool(h, 7, TRUE);
        for (int i = 0; i < kCalls; ++i) SSSetData(h, 4 + i % 4, 1 + i / 4, formulas[i].c_str());
        state.PauseTiming();
        double value = 0;
        if (!SSGetFloat(h, 4, 1, &value) || value != f.rows[0] * 0.25) state.SkipWithError("wrong look-up result");
        state.ResumeTiming();
    }
    state.counters["peak_KiB"] = peakResidentKiB();
}

BENCHMARK(BM_LoadTableOncePlus1000ExactLookups)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_1000FromTableCallsByKey)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_1000FromTableCallsByCellReference)->Unit(benchmark::kMillisecond);

}  // namespace

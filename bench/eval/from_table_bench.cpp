// FROMTABLE look-ups into a 10,000-row table: what a formula pays for each call, by key and by
// cell reference.  Each call loads the table file into a fresh formulas window, so the cost is
// dominated by the load; the peak resident memory of the run is reported as a counter.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "frame/module_frame.h"
#include "host/command_line.h"
#include "sheet/sheet.h"
#include "sheet/ss_api.h"
#include "spread/eval/from_table.h"
#include "spread/kv_spread.h"
#include "win/afxwin.h"
#include "win/resource.h"
#include "win/system.h"

namespace {

constexpr int kTableRows = 10000;

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

// A host dialog with one sheet, the table written from it, and FROMTABLE registered on it.
struct Fixture {
    CDialog host;
    std::unique_ptr<Kv_Spread> sheet;
    std::string table;

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
        table = (std::filesystem::temp_directory_path() / ("kv-eval-bench-" + std::to_string(getpid()) + ".kvs")).string();
        SSSaveToFile(h, table.c_str(), FALSE);
        SSSetMaxRows(h, 2);
        SSSetMaxCols(h, 2);
        SSSetBool(h, 7, TRUE);
        registerFromTable(h);
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

void runLookups(benchmark::State& state, bool byKey) {
    Fixture& f = fixture();
    std::mt19937 random(7);
    std::uniform_int_distribution<int> rows(1, kTableRows);
    EvaluationScope scope(f.sheet->m_hWnd, "");
    for (auto _ : state) {
        const int row = rows(random);
        const std::string formula =
            byKey ? "=FROMTABLE(\"" + f.table + "\",\"Name\",\"Weight\",\"" + keyOf(row) + "\")"
                  : "=FROMTABLE(\"" + f.table + "\",B" + std::to_string(row) + ")";
        SSSetData(f.sheet->m_hWnd, 1, 1, formula.c_str());
        double value = 0;
        if (!SSGetFloat(f.sheet->m_hWnd, 1, 1, &value) || value != row * 0.25) {
            state.SkipWithError("wrong look-up result");
            break;
        }
        host::CommandLine::instance().clear();
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["peak_KiB"] = peakResidentKiB();
}

void BM_FromTableLookupByKey(benchmark::State& state) { runLookups(state, true); }
void BM_FromTableByCellReference(benchmark::State& state) { runLookups(state, false); }

BENCHMARK(BM_FromTableLookupByKey)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FromTableByCellReference)->Unit(benchmark::kMillisecond);

}  // namespace

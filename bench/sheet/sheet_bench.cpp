// The engine's workloads W1 to W4, in process.  bench/peers/run runs the same workloads on
// whole processes of this engine's command-line tool and of peer engines.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "sheet/sheet.h"
#include "sheet/sheet_file.h"
#include "sheet/workbook_file.h"
#include "workloads.h"

namespace {

using sheet::Sheet;

void load(Sheet& s, const std::string& csv, benchmark::State& state) {
    auto r = sheet::readCsvText(s, csv);
    if (!r.ok) state.SkipWithError(r.error.c_str());
}

// --- W1: a million-cell chain ---------------------------------------------------------------

void W1_ChainLoadAndRecalc(benchmark::State& state) {
    std::string csv = bench::chainCsv(1'000'000);
    for (auto _ : state) {
        Sheet s;
        load(s, csv, state);
        if (s.valueText({1, 1'000'000}) != "1000000") state.SkipWithError("wrong result");
    }
}
BENCHMARK(W1_ChainLoadAndRecalc)->Unit(benchmark::kMillisecond)->Iterations(3);

void W1_ChainRecalcAfterA1(benchmark::State& state) {
    Sheet s;
    load(s, bench::chainCsv(1'000'000), state);
    int v = 1;
    for (auto _ : state) {
        s.setData({1, 1}, std::to_string(++v));  // automatic calculation recomputes the chain
    }
    if (s.valueText({1, 1'000'000}) != std::to_string(v + 999'999)) state.SkipWithError("wrong");
}
BENCHMARK(W1_ChainRecalcAfterA1)->Unit(benchmark::kMillisecond)->Iterations(5);

// --- W2: 100,000 row sums -------------------------------------------------------------------

void W2_RowSumsLoadAndRecalc(benchmark::State& state) {
    std::string csv = bench::rowSumsCsv(100'000);
    for (auto _ : state) {
        Sheet s;
        load(s, csv, state);
    }
}
BENCHMARK(W2_RowSumsLoadAndRecalc)->Unit(benchmark::kMillisecond)->Iterations(3);

void W2_RowSumsSingleEdit(benchmark::State& state) {
    Sheet s;
    load(s, bench::rowSumsCsv(100'000), state);
    int v = 0;
    for (auto _ : state) s.setData({3, 50'000}, std::to_string(++v));
    if (s.valueText({11, 50'000}) == "") state.SkipWithError("no sum");
}
BENCHMARK(W2_RowSumsSingleEdit)->Unit(benchmark::kMicrosecond);

// --- W2b: 20,000 running sums ---------------------------------------------------------------

void W2b_RunningSumsLoadAndRecalc(benchmark::State& state) {
    std::string csv = bench::runningSumsCsv(20'000);
    for (auto _ : state) {
        Sheet s;
        load(s, csv, state);
    }
}
BENCHMARK(W2b_RunningSumsLoadAndRecalc)->Unit(benchmark::kMillisecond)->Iterations(3);

void W2b_RunningSumsEditFirst(benchmark::State& state) {
    Sheet s;
    load(s, bench::runningSumsCsv(20'000), state);
    int v = 0;
    for (auto _ : state) s.setData({1, 1}, std::to_string(++v));
}
BENCHMARK(W2b_RunningSumsEditFirst)->Unit(benchmark::kMillisecond)->Iterations(5);

// --- W3: 10,000 exact look-ups --------------------------------------------------------------

void W3_LookupLoadAndRecalc(benchmark::State& state) {
    std::string csv = bench::lookupCsv(10'000, state.range(0) != 0);
    for (auto _ : state) {
        Sheet s;
        load(s, csv, state);
        if (!s.value({5, 1}).isNumber()) state.SkipWithError("wrong look-up");
    }
}
BENCHMARK(W3_LookupLoadAndRecalc)
    ->Arg(0)
    ->Arg(1)
    ->ArgNames({"indexMatch"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

void W3_LookupKeyEdit(benchmark::State& state) {
    Sheet s;
    load(s, bench::lookupCsv(10'000, state.range(0) != 0), state);
    int v = 0;
    for (auto _ : state) s.setData({1, 5000}, (++v % 2) ? "renamed" : "key1");
}
BENCHMARK(W3_LookupKeyEdit)->Arg(0)->Arg(1)->ArgNames({"indexMatch"})->Unit(benchmark::kMillisecond)->Iterations(20);

// --- W4: save and load of 10,000 x 10 -------------------------------------------------------

std::string benchFile(const char* ext) { return "/tmp/kvsheet_bench_" + std::to_string(::getpid()) + ext; }

void W4_Save(benchmark::State& state, bool csv) {
    Sheet s;
    load(s, bench::mixedCsv(10'000), state);
    std::string path = benchFile(csv ? ".csv" : ".kvs");
    for (auto _ : state) {
        auto r = csv ? sheet::saveCsvFile(s, path) : sheet::saveSheetFile(s, path);
        if (!r.ok) state.SkipWithError(r.error.c_str());
    }
    std::remove(path.c_str());
}

void W4_Load(benchmark::State& state, bool csv) {
    Sheet s;
    load(s, bench::mixedCsv(10'000), state);
    std::string path = benchFile(csv ? ".csv" : ".kvs");
    if (!(csv ? sheet::saveCsvFile(s, path) : sheet::saveSheetFile(s, path)).ok) state.SkipWithError("save failed");
    for (auto _ : state) {
        Sheet loaded;
        auto r = csv ? sheet::loadCsvFile(loaded, path) : sheet::loadSheetFile(loaded, path);
        if (!r.ok) state.SkipWithError(r.error.c_str());
    }
    std::remove(path.c_str());
}

BENCHMARK_CAPTURE(W4_Save, native, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(W4_Load, native, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(W4_Save, csv, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(W4_Load, csv, true)->Unit(benchmark::kMillisecond);

// The same sheet as an .xlsx workbook (libxlsxwriter out, liborcus in).
void W4_XlsxSave(benchmark::State& state) {
    Sheet s;
    load(s, bench::mixedCsv(10'000), state);
    std::string path = benchFile(".xlsx");
    for (auto _ : state) {
        auto r = sheet::saveXlsxFile(s, path);
        if (!r.ok) state.SkipWithError(r.error.c_str());
    }
    std::remove(path.c_str());
}

void W4_XlsxLoad(benchmark::State& state) {
    Sheet s;
    load(s, bench::mixedCsv(10'000), state);
    std::string path = benchFile(".xlsx");
    if (!sheet::saveXlsxFile(s, path).ok) state.SkipWithError("save failed");
    for (auto _ : state) {
        Sheet loaded;
        auto r = sheet::loadWorkbookFile(loaded, path);
        if (!r.ok) state.SkipWithError(r.error.c_str());
    }
    std::remove(path.c_str());
}

BENCHMARK(W4_XlsxSave)->Unit(benchmark::kMillisecond);
BENCHMARK(W4_XlsxLoad)->Unit(benchmark::kMillisecond);

// --- W5: files of a sparse, large sheet and of many spans -----------------------------------

// A1 and ZZZ2000000: the cost is the two cells (and, for CSV, the rows written), not the area.
void W5_SparseSave(benchmark::State& state, bool csv) {
    Sheet s;
    if (!s.setMaxCols(sheet::kMaxSheetCols) || !s.setMaxRows(sheet::kMaxSheetRows)) state.SkipWithError("size refused");
    s.setData({1, 1}, "first");
    s.setData({sheet::kMaxSheetCols, sheet::kMaxSheetRows}, "last");
    for (auto _ : state) {
        std::string text = csv ? sheet::writeCsvText(s) : sheet::writeSheetText(s);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK_CAPTURE(W5_SparseSave, native, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(W5_SparseSave, csv, true)->Unit(benchmark::kMillisecond);

// 100,000 spans of two cells each in a file.
void W5_SpansLoad(benchmark::State& state) {
    std::string text = "KVSHEET 1\nsize 10 40000\n";
    for (int32_t i = 0; i < 100'000; ++i)
        text += "span " + std::to_string(1 + i % 9) + " " + std::to_string(1 + 3 * (i / 9)) + " 1 2\n";
    text += "end 100001\n";
    for (auto _ : state) {
        Sheet back;
        if (!sheet::readSheetText(back, text).ok) state.SkipWithError("load failed");
    }
}
BENCHMARK(W5_SpansLoad)->Unit(benchmark::kMillisecond);

}  // namespace

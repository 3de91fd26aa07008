// A section family table of 20,000 sizes: writing it, reading it back, and listing the
// system names a section combo box shows.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "sections/kv_prof_values_table.h"
#include "temp_folder.h"

namespace {

constexpr int kRows = 20000;

// A library folder of its own for the whole run, removed at exit.
struct BenchLibrary : TempFolder {
    BenchLibrary() {
        std::filesystem::create_directories(path() / "prof");
        setenv("KV_LIB_DIR", text().c_str(), 1);
    }
};

const BenchLibrary& library() {
    static BenchLibrary folder;
    return folder;
}

Kv_ProfValuesTable bigTable() {
    Kv_ProfValuesTable table;
    table.tableName = "BIG";
    table.description = "1";
    table.columnNames = {"SysName", "I/O",           "English",          "Nederlands", "Height",
                         "Width",   "Web thickness", "Flange thickness", "Radius"};
    for (int i = 0; i < kRows; ++i) {
        const Kv_String size(i + 80);
        table.rows.append({Kv_String("IPE") + size, i % 7 == 0 ? "0" : "1", Kv_String("IPE ") + size,
                           Kv_String("IPE ") + size, size, Kv_String(i * 0.5 + 46, 1), "5.6", "8.5", "12"});
    }
    return table;
}

void BM_WriteTable(benchmark::State& state) {
    library();
    const Kv_ProfValuesTable table = bigTable();
    for (auto _ : state) benchmark::DoNotOptimize(table.writeToFile("BIG.pr"));
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_WriteTable)->Unit(benchmark::kMillisecond);

void BM_ReadTable(benchmark::State& state) {
    library();
    if (!bigTable().writeToFile("BIG.pr")) state.SkipWithError("cannot write the table");
    for (auto _ : state) {
        Kv_ProfValuesTable table;
        benchmark::DoNotOptimize(table.readFromFile("BIG.pr"));
        if (table.rows.length() != kRows) state.SkipWithError("wrong row count");
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_ReadTable)->Unit(benchmark::kMillisecond);

void BM_FilteredSysNames(benchmark::State& state) {
    const Kv_ProfValuesTable table = bigTable();
    Kv_StringArray names;
    for (auto _ : state) {
        table.getFilteredSysNames(names);
        benchmark::DoNotOptimize(names.length());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_FilteredSysNames)->Unit(benchmark::kMillisecond);

}  // namespace

// The core's share of a macro dialog's work: the differences of ten tabs of fifty values
// (one apply compares a tab, a load compares the whole macro), one UpdateModule over three
// instances, and reading and writing a values file of that macro.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/macro_instances.h"
#include "core/records/macro_data.h"
#include "host/drawing_database.h"
#include "temp_folder.h"

namespace {

constexpr int kTabs = 10;
constexpr int kValuesPerTab = 50;

// A library folder of its own for the whole run, removed at exit.
struct BenchLibrary : TempFolder {
    BenchLibrary() { setenv("KV_LIB_DIR", text().c_str(), 1); }
};

const BenchLibrary& library() {
    static BenchLibrary folder;
    return folder;
}

// Ten tabs of one module; each tab 40 variables, 4 patterns, 3 arrays, 3 cuts.
MacroData bigMacro() {
    MacroData macro;
    for (int t = 0; t < kTabs; ++t) {
        MacroTabData tab;
        tab.moduleName = "frame";
        tab.title = "Tab " + std::to_string(t);
        const std::string prefix = "t" + std::to_string(t) + "_";
        for (int c = 0; c < kValuesPerTab - 10; ++c) {
            MacroCell cell;
            cell.name = prefix + "v" + std::to_string(c);
            cell.value = std::to_string(100 + c) + ".00";
            tab.cells.append(cell);
        }
        for (int p = 0; p < 4; ++p) {
            MacroPatternProps pattern;
            pattern.name = prefix + "p" + std::to_string(p);
            pattern.value = "75";
            pattern.count = "3";
            tab.patterns.append(pattern);
        }
        for (int a = 0; a < 3; ++a) {
            DynArrayData array;
            array.name = prefix + "a" + std::to_string(a);
            array.value1 = "600";
            tab.arrays.append(array);
            MacroCutData cut;
            cut.name = prefix + "c" + std::to_string(a);
            tab.cuts.append(cut);
        }
        macro.tabs.append(tab);
    }
    return macro;
}

void BM_TabDifferencesAfterOneEdit(benchmark::State& state) {
    MacroData macro = bigMacro();
    const MacroTabData old = macro.tabs[4];
    macro.tabs[4].cells[17].value = "250.00";
    Kv_StringArray names;
    Kv_Array<int> changedA, changedB;
    for (auto _ : state) benchmark::DoNotOptimize(macro.tabs[4].differences(old, names, changedA, changedB));
}
BENCHMARK(BM_TabDifferencesAfterOneEdit)->Unit(benchmark::kMicrosecond);

void BM_MacroDifferencesOfTenTabs(benchmark::State& state) {
    MacroData macro = bigMacro();
    const MacroData old = macro;
    for (int t = 0; t < kTabs; t += 3) macro.tabs[t].cells[t].value = "1.00";
    Kv_StringArray names;
    Kv_Array<int> changedA, changedB;
    for (auto _ : state) benchmark::DoNotOptimize(macro.differences(old, names, changedA, changedB));
}
BENCHMARK(BM_MacroDifferencesOfTenTabs)->Unit(benchmark::kMicrosecond);

void BM_UpdateModuleOfThreeInstances(benchmark::State& state) {
    host::DrawingDatabase::instance().reset();
    MacroData macro = bigMacro();
    for (int i = 0; i < 3; ++i) macro.ids.append(addMacroInstance(macro, "frame"));
    int round = 0;
    for (auto _ : state) {
        macro.tabs[2].cells[5].value = std::to_string(++round) + ".00";
        benchmark::DoNotOptimize(UpdateModule("frame", macro, {MacroChange::kCells}, {2}));
        state.PauseTiming();
        host::DrawingDatabase::instance().clearLog();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UpdateModuleOfThreeInstances)->Unit(benchmark::kMicrosecond);

void BM_ValuesFileWrite(benchmark::State& state) {
    library();
    const MacroData macro = bigMacro();
    for (auto _ : state) benchmark::DoNotOptimize(macro.writeToFile("bench"));
}
BENCHMARK(BM_ValuesFileWrite)->Unit(benchmark::kMicrosecond);

void BM_ValuesFileRead(benchmark::State& state) {
    library();
    const MacroData written = bigMacro();
    written.writeToFile("bench");
    MacroData macro = written;
    int errors = 0;
    for (auto _ : state) benchmark::DoNotOptimize(macro.readFromFile("bench", errors));
    if (errors != 0) state.SkipWithError("the values file did not read back cleanly");
}
BENCHMARK(BM_ValuesFileRead)->Unit(benchmark::kMicrosecond);

}  // namespace

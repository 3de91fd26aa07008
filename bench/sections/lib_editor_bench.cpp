// The section library editor on a big library: showing it (reading the file and filling the
// sheet, as selecting the library does), saving it back (reading the sheet and writing the
// file), and the simple editor's OK (the new size's row, its place among the squares, the
// insert and the filtered index), each against what it cannot beat: reading the file, writing
// it, copying the table.  2,000 and 20,000 rows, to show how each grows.  Figures, before and
// after the sheet was filled and fitted in bulk, are in docs/section-tables.md.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "frame/module_frame.h"
#include "sections/kv_prof_values_table.h"
#include "sections/simple_lib_rules.h"
#include "sheet/ss_api.h"
#include "spread/kv_spread.h"
#include "temp_folder.h"
#include "win/afxwin.h"
#include "win/resource.h"
#include "win/system.h"

namespace {

// A library folder of its own and a host dialog with one sheet, for the whole run.
struct Fixture {
    TempFolder library;
    CDialog host;
    std::unique_ptr<Kv_Spread> sheet;

    Fixture() {
        std::filesystem::create_directories(library.path() / "prof");
        setenv("KV_LIB_DIR", library.text().c_str(), 1);
        win::resetWindowSystem();
        DllMain(win::instanceHandle(), DLL_PROCESS_ATTACH, nullptr);
        win::DialogTemplate tmpl;
        tmpl.id = 9502;
        tmpl.style = WS_POPUP | WS_CAPTION;
        tmpl.cx = 700;
        tmpl.cy = 400;
        tmpl.controls.push_back({500, "STATIC", WS_CHILD | WS_VISIBLE, 0, 10, 10, 660, 360, ""});
        host.CreateIndirect(tmpl);
        sheet = std::make_unique<Kv_Spread>(&host);
        sheet->attach(&host, 500);
        sheet->setDefaults(1);
    }
    ~Fixture() {
        sheet.reset();
        host.DestroyWindow();
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

// Tubes: every third size square, with display names in four languages and four values.
Kv_ProfValuesTable bigTable(int rows) {
    Kv_ProfValuesTable table;
    table.tableName = "BIG";
    table.description = "10";
    table.columnNames = {"SysName",
                         "I/O",
                         "English",
                         "Nederlands",
                         "Deutsch",
                         "Fran\xE7"
                         "ais",
                         "Height",
                         "Width",
                         "Thickness",
                         "Radius"};
    for (int i = 0; i < rows; ++i) {
        const Kv_String h(40 + i);
        const Kv_String w(i % 3 == 0 ? 40 + i : 20 + i / 2);
        const Kv_String t(3 + i % 9);
        const Kv_String name = h + "x" + w + "x" + t;
        table.rows.append({name, i % 11 == 0 ? "0" : "1", "SHS " + name, "Koker " + name, "SHS " + name, "SHS " + name,
                           h, w, t, Kv_String(2 * (3 + i % 9))});
    }
    return table;
}

Kv_String fileOf(int rows) { return "BIG" + Kv_String(rows) + ".pr"; }

void writeOnce(benchmark::State& state, int rows) {
    fixture();
    if (!bigTable(rows).writeToFile(fileOf(rows))) state.SkipWithError("cannot write the table");
}

void BM_ReadFile(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    writeOnce(state, rows);
    for (auto _ : state) {
        Kv_ProfValuesTable table;
        benchmark::DoNotOptimize(table.readFromFile(fileOf(rows)));
    }
}

void BM_ShowLibrary(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    writeOnce(state, rows);
    for (auto _ : state) {
        Kv_ProfValuesTable table;
        table.readFromFile(fileOf(rows));
        benchmark::DoNotOptimize(table.setToSS(*fixture().sheet));
    }
}

void BM_WriteFile(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    fixture();
    const Kv_ProfValuesTable table = bigTable(rows);
    for (auto _ : state) benchmark::DoNotOptimize(table.writeToFile(fileOf(rows)));
}

void BM_SaveLibrary(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    Kv_Spread& sheet = *fixture().sheet;
    bigTable(rows).setToSS(sheet);
    for (auto _ : state) {
        Kv_ProfValuesTable table;
        table.getFromSS(sheet);
        table.description = "10";
        benchmark::DoNotOptimize(table.writeToFile(fileOf(rows)));
    }
}

void BM_CopyTable(benchmark::State& state) {
    const Kv_ProfValuesTable table = bigTable(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Kv_ProfValuesTable copy = table;
        benchmark::DoNotOptimize(copy.rows.length());
    }
}

void BM_SimpleEditorOk(benchmark::State& state) {
    const Kv_ProfValuesTable table = bigTable(static_cast<int>(state.range(0)));
    const int model = table.rows.length() / 2 / 3 * 3;  // a square
    const NamePattern pattern = findNamePattern(table, model);
    for (auto _ : state) {
        state.PauseTiming();
        Kv_ProfValuesTable edited = table;
        state.ResumeTiming();
        Kv_StringArray values;
        for (int i = kFirstValueCell; i < edited.rows[model].length(); ++i) values.append(edited.rows[model][i]);
        values[2] = "99";
        const Kv_String name = buildSystemName(values, pattern.valueIndices);
        Kv_StringArray row;
        makeNewSizeRow(edited.rows[model], name, true, pattern.prefixes, values, row);
        passesTubeRadiusCheck(edited.description, row);
        const int position = newSizePosition(edited, name);
        edited.rows.insertAt(position, row);
        benchmark::DoNotOptimize(edited.getfilteredIdx(position));
    }
}

}  // namespace

BENCHMARK(BM_ReadFile)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowLibrary)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteFile)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveLibrary)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyTable)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SimpleEditorOk)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

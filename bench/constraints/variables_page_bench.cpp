// The variables page with 500 and 5,000 variables and 1,000 equations: what every showing of
// the tab does (store, then fill without a reset), and the fill alone.  Goals: 5,000 at most
// 12 times 500; store plus fill at most 3 times the fill alone.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "constraints/constraint_launchers.h"
#include "constraints/dlg_edit_constraints.h"
#include "core/constraint_editor_calls.h"
#include "core/macro_model.h"
#include "frame/module_frame.h"
#include "frame/modeless_tables.h"
#include "host/command_line.h"
#include "host/drawing_database.h"
#include "kv_source_dir.h"
#include "win/system.h"

namespace {

// A drawing whose one macro has `count` variables of every type and 1,000 equations that
// name them.
std::string drawingOf(int count) {
    std::string variables, equations;
    for (int i = 0; i < count; ++i) {
        if (i) variables += ",";
        variables += "{\"name\": \"v" + std::to_string(i) + "\", \"value\": " + std::to_string(i) +
                     ".125, \"type\": " + std::to_string(i % 8) + "}";
    }
    for (int i = 0; i < 1000; ++i) {
        if (i) equations += ",";
        equations += "\"v" + std::to_string(i % count) + " = v" + std::to_string((i + 1) % count) + " * 2 + 1\"";
    }
    return "{\"macros\": [{\"name\": \"M\", \"variables\": [" + variables + "], \"equations\": [" + equations +
           "], \"dimensionNames\": [\"a\", \"b\"], \"dimensionValues\": [\"1\", \"2\"], \"modules\": [{\"name\": "
           "\"Main\"}]}]}";
}

ConstrVariablesPage& openVariables(int count) {
    setenv("KV_DIR", (kvSourceDir() + "/install/").c_str(), 1);
    win::resetWindowSystem();
    host::DrawingDatabase::instance().reset();
    macro_model::Drawing::instance().clear();
    std::string error;
    macro_model::Drawing::instance().loadText(drawingOf(count), "bench", error);
    DllMain(win::instanceHandle(), DLL_PROCESS_ATTACH, nullptr);
    EditConstrData record;
    record.macroId = macro_model::Drawing::instance().macros().front().id;
    record.currentModule = "Main";
    FillEditConstrData(&record);
    StartDlgEditConstraints(record);
    auto* editor = dynamic_cast<DlgEditConstraints*>(frame::modelessConstraintEditor());
    return *dynamic_cast<ConstrVariablesPage*>(editor->page(2));
}

void close() {
    EndDlgEditConstraints();
    DllMain(win::instanceHandle(), DLL_PROCESS_DETACH, nullptr);
    win::resetWindowSystem();
    host::CommandLine::instance().clear();
}

void BM_StoreThenFillVariables(benchmark::State& state) {
    ConstrVariablesPage& page = openVariables(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        page.store();
        page.fill(false);
    }
    close();
}
BENCHMARK(BM_StoreThenFillVariables)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond);

void BM_FillVariables(benchmark::State& state) {
    ConstrVariablesPage& page = openVariables(static_cast<int>(state.range(0)));
    for (auto _ : state) page.fill(false);
    close();
}
BENCHMARK(BM_FillVariables)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond);

}  // namespace

// The constraint list page with 1,000 and 10,000 constraints: a refresh of the whole list, a
// move of the selected row, and, for comparison, writing one column of the sheet.  Goals: a
// refresh of 10,000 at most 12 times one of 1,000; a row change at most twice the writing of
// one column (the list's own names, as a refresh writes them).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "constraints/constraint_launchers.h"
#include "constraints/dlg_edit_constraints.h"
#include "frame/module_frame.h"
#include "frame/modeless_tables.h"
#include "kv_source_dir.h"
#include "win/system.h"

namespace {

EditConstrData listOf(int count) {
    EditConstrData r;
    for (int i = 0; i < count; ++i) {
        const Kv_String n = Kv_String(static_cast<double>(i), 0);
        r.rowCells.append(Kv_StringArray{"Distance " + n, "Distance", n, "v" + n});
        r.constraintIds.append(i + 1);
        r.constraintKinds.append(0);
        r.optionImages.append(Kv_StringArray{});
        r.features.append(Kv_Array<int>{0, 1});
        r.values.append(n);
        r.variableNames.append("v" + n);
        r.choiceIndex.append(0);
        r.firstCheck.append(false);
        r.secondCheck.append(false);
        r.choiceItems.append(Kv_StringArray{});
        r.optionStates.append(Kv_Array<int>{});
    }
    return r;
}

// The modeless editor open over count constraints; its list page.
ConstrListPage& openList(int count) {
    setenv("KV_DIR", (kvSourceDir() + "/install/").c_str(), 1);
    win::resetWindowSystem();
    DllMain(win::instanceHandle(), DLL_PROCESS_ATTACH, nullptr);
    EditConstrData record = listOf(count);
    StartDlgEditConstraints(record);
    auto* editor = dynamic_cast<DlgEditConstraints*>(frame::modelessConstraintEditor());
    return *dynamic_cast<ConstrListPage*>(editor->page(0));
}

void close() {
    EndDlgEditConstraints();
    DllMain(win::instanceHandle(), DLL_PROCESS_DETACH, nullptr);
    win::resetWindowSystem();
}

void BM_RefreshList(benchmark::State& state) {
    ConstrListPage& page = openList(static_cast<int>(state.range(0)));
    for (auto _ : state) page.refreshConstraintList(false);
    close();
}
BENCHMARK(BM_RefreshList)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ChangeRow(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    ConstrListPage& page = openList(count);
    int row = 0;
    for (auto _ : state) {
        row = (row + 7) % count;
        page.selectConstraintRow(row);
    }
    close();
}
BENCHMARK(BM_ChangeRow)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_WriteOneColumn(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    ConstrListPage& page = openList(count);
    const EditConstrData& record = *page.record;
    for (auto _ : state)
        for (int row = 1; row <= count; ++row) page.sheet().SetData(1, row, record.rowCells[row - 1][0].c_str());
    close();
}
BENCHMARK(BM_WriteOneColumn)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

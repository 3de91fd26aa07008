// The macro selection dialog over a library of 500 macros of 20 properties each: one click on
// a property of the filter table (table and pictures rebuilt), and opening with every preview
// present against opening over 50 macros.  Counter "previewsMade": previews drawn while
// opening (none once they exist).
#include "kv_source_dir.h"
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/macro_previews.h"
#include "engine_probe.h"
#include "frame/module_frame.h"
#include "frame/module_resource_scope.h"
#include "macro/dlg_select_macro.h"
#include "macro/select_macro_ids.h"
#include "win/input.h"
#include "win/registry.h"
#include "win/system.h"

namespace {

std::filesystem::path benchFolder() {
    return std::filesystem::temp_directory_path() / ("kv-bench-macros-" + std::to_string(getpid()));
}

// count macros, each with 20 of 40 possible properties, previews made beforehand.
Kv_StringArray writeMacros(int count) {
    const std::filesystem::path folder = benchFolder() / std::to_string(count);
    std::filesystem::create_directories(folder);
    Kv_StringArray files;
    for (int i = 0; i < count; ++i) {
        const std::string name = "Macro" + std::to_string(i);
        std::ofstream out(folder / (name + ".abm"));
        out << "KvPropertiesList 1\n";
        for (int p = 0; p < 20; ++p) out << "int\tProperty" << (i + p * 7) % 40 << "\t1\n";
        files.append(Kv_String((folder / (name + ".dwg")).string()));
    }
    CreatePreviewBMPs(CDlgSelectMacro::kPreviewWidth, CDlgSelectMacro::kPreviewHeight, files, Kv_String());
    return files;
}

void prepare() {
    setenv("KV_DIR", (kvSourceDir() + "/install/").c_str(), 1);
    win::resetWindowSystem();
    win::setRegistryFile((benchFolder() / "registry.json").string());
    DllMain(win::instanceHandle(), DLL_PROCESS_ATTACH, nullptr);
}

void BM_FilterClick(benchmark::State& state) {
    const Kv_StringArray files = writeMacros(static_cast<int>(state.range(0)));
    prepare();
    {
        frame::ModuleResourceScope scope;
        CDlgSelectMacro dialog;
        AcArray<bool> flags;
        fillArr(false, files.length(), flags);
        dialog.filter.init(files, flags, 0, 0);
        dialog.Create(IDD_SELECT_MACRO);
        dialog.ShowWindow(SW_SHOW);
        const HWND table = ::GetDlgItem(dialog.m_hWnd, IDC_SELECT_MACRO_FILTER);
        const POINT property = spread_test::cellCenter(table, 2, 2);
        int least = dialog.shownMacros().length(), most = least;
        for (auto _ : state) {
            win::ScriptedInput person;
            win::setInputSource(&person);
            person.clickAt(IDD_SELECT_MACRO, IDC_SELECT_MACRO_FILTER, property);
            person.runModeless();
            win::setInputSource(nullptr);
            least = std::min(least, dialog.shownMacros().length());
            most = std::max(most, dialog.shownMacros().length());
        }
        // Each click asks for the property or gives it up again: the list shrinks and grows.
        state.counters["shownFewest"] = least;
        state.counters["shownMost"] = most;
        dialog.DestroyWindow();
    }
    DllMain(win::instanceHandle(), DLL_PROCESS_DETACH, nullptr);
}

void BM_Open(benchmark::State& state) {
    const Kv_StringArray files = writeMacros(static_cast<int>(state.range(0)));
    prepare();
    std::vector<std::filesystem::file_time_type> written;
    for (const Kv_String& file : files)
        written.push_back(std::filesystem::last_write_time(previewFileOf(file, "").str()));
    for (auto _ : state) {
        win::ScriptedInput person;
        win::setInputSource(&person);
        person.click(IDD_SELECT_MACRO, IDCANCEL);
        Kv_String selected;
        bool other = false;
        StartDlgSelectMacro("", files, 0, 0, selected, other, true);
        win::setInputSource(nullptr);
    }
    // Every preview existed: opening must not have written any of them again.
    int made = 0;
    for (int i = 0; i < files.length(); ++i)
        made += std::filesystem::last_write_time(previewFileOf(files[i], "").str()) != written[static_cast<size_t>(i)];
    state.counters["previewsMade"] = made;
    DllMain(win::instanceHandle(), DLL_PROCESS_DETACH, nullptr);
}

}  // namespace

BENCHMARK(BM_FilterClick)->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Open)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond);

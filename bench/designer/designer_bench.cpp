// Reading a 100-control template with its picture and drawing it on a dialog: what a macro
// dialog pays for each template page it opens.  And the designer's undo and redo on that
// template, against drawing it once, with the memory a long session keeps.
#include "kv_source_dir.h"
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <malloc.h>
#include <unistd.h>

#include "core/kv_properties_list.h"
#include "designer/kv_designer_history.h"
#include "designer/kv_dlg_designer_data.h"
#include "win/resource.h"
#include "win/system.h"
#include "win/winuser.h"

namespace {

constexpr int kControls = 100;
constexpr int kPictureWidth = 800;
constexpr int kPictureHeight = 600;

// A 24-bit picture: white with a grey band, so the mask has work to do.
std::string makePicture() {
    const int rowBytes = (kPictureWidth * 3 + 3) & ~3;
    std::string bmp(54 + static_cast<size_t>(rowBytes) * kPictureHeight, '\xFF');
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) bmp[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    std::fill(bmp.begin(), bmp.begin() + 54, '\0');
    bmp[0] = 'B';
    bmp[1] = 'M';
    put32(2, static_cast<uint32_t>(bmp.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, kPictureWidth);
    put32(22, kPictureHeight);
    bmp[26] = 1;
    bmp[28] = 24;
    for (int y = 200; y < 400; ++y)
        std::fill_n(bmp.begin() + 54 + static_cast<size_t>(y) * rowBytes, kPictureWidth * 3, '\x80');
    return bmp;
}

std::filesystem::path benchLibrary() {
    return std::filesystem::temp_directory_path() / ("kv-bench-templates-" + std::to_string(getpid()));
}

// Ten rows of ten controls of every kind.
Kv_String writeTemplate() {
    const std::filesystem::path library = benchLibrary();
    const std::filesystem::path folder = library / "Dialog Templates" / "Dialog Design";
    std::filesystem::create_directories(folder);
    setenv("KV_LIB_DIR", (library.string() + "/").c_str(), 1);
    setenv("KV_DIR", (kvSourceDir() + "/install/").c_str(), 1);
    Kv_PropertiesList list;
    list.setProperty("nrOfControls", kControls);
    for (int i = 0; i < kControls; ++i) {
        const double x = (i % 10) / 10.0, y = (i / 10) / 10.0;
        list.setProperty(designerPropName("type", i), i % 31);
        list.setProperty(designerPropName("topLeftX", i), x + 0.01);
        list.setProperty(designerPropName("topLeftY", i), y + 0.01);
        list.setProperty(designerPropName("bottomRightX", i), x + 0.09);
        list.setProperty(designerPropName("bottomRightY", i), y + 0.05);
        list.setProperty(designerPropName("contents", i), Kv_String("VAR") + Kv_String(i));
        list.setProperty(designerPropName("comboList", i), Kv_String(i % 31 == 30 ? "group;;mark;" : ""));
    }
    const Kv_String file = getDesignerRootFolder() + "bench.txt";
    list.writeToFile(file);
    std::ofstream(folder / "bench.bmp", std::ios::binary) << makePicture();
    return file;
}

void BM_ReadAndDrawTemplate(benchmark::State& state) {
    const Kv_String file = writeTemplate();
    win::resetWindowSystem();
    win::DialogTemplate host;
    host.id = 9991;
    host.style = WS_POPUP | WS_CAPTION | WS_VISIBLE;
    host.cx = kPictureWidth;
    host.cy = kPictureHeight;
    HWND dialog = CreateDialogIndirectParam(nullptr, &host, nullptr, nullptr, 0);
    for (auto _ : state) {
        Kv_DlgDesignerData data;
        data.initialize(dialog, 33000, 33099, 0, 0, 0, 0, 0, false);
        if (!data.readFromFile(file, true)) state.SkipWithError("template not read");
        data.redrawAllControls();
        benchmark::DoNotOptimize(data.getNrDrawnControls());
    }
    DestroyWindow(dialog);
    std::error_code ignored;
    std::filesystem::remove_all(benchLibrary(), ignored);
}
BENCHMARK(BM_ReadAndDrawTemplate)->Unit(benchmark::kMillisecond);

// The 100-control template drawn in design mode on a dialog of its picture's size.
struct DesignSurface {
    DesignSurface() {
        file = writeTemplate();
        win::resetWindowSystem();
        host.id = 9992;
        host.style = WS_POPUP | WS_CAPTION | WS_VISIBLE;
        host.cx = kPictureWidth;
        host.cy = kPictureHeight;
        dialog = CreateDialogIndirectParam(nullptr, &host, nullptr, nullptr, 0);
        data.initialize(dialog, 33000, 33099, 0, 0, 0, 0, 0, true);
        ok = data.readFromFile(file, true);
        data.redrawAllControls();
    }
    ~DesignSurface() {
        data.removeAllDrawnCtrls();
        DestroyWindow(dialog);
        std::error_code ignored;
        std::filesystem::remove_all(benchLibrary(), ignored);
    }
    // One edit as the designer records it: the layout before, the change, the step.
    void edit(Kv_DesignerHistory& history, int i) {
        Kv_DesignerStep before{data.takeLayout(), std::nullopt};
        data.selectControls(Kv_Array<int>{33000 + i % kControls});
        data.changeCurCtrlsSize(true, 10 + i % 50);
        history.record(std::move(before));
    }
    Kv_String file;
    win::DialogTemplate host;
    HWND dialog = nullptr;
    Kv_DlgDesignerData data;
    bool ok = false;
};

void BM_RedrawAllControlsDesignMode(benchmark::State& state) {
    DesignSurface surface;
    if (!surface.ok) state.SkipWithError("template not read");
    for (auto _ : state) {
        surface.data.redrawAllControls();
        benchmark::DoNotOptimize(surface.data.getNrDrawnControls());
    }
}
BENCHMARK(BM_RedrawAllControlsDesignMode)->Unit(benchmark::kMillisecond);

// Undo and redo in turn: each iteration is one step, as the designer runs it.
void BM_UndoRedoStep(benchmark::State& state) {
    DesignSurface surface;
    if (!surface.ok) state.SkipWithError("template not read");
    Kv_DesignerHistory history;
    surface.edit(history, 1);
    bool undo = true;
    for (auto _ : state) {
        Kv_DesignerStep current{surface.data.takeLayout(), std::nullopt};
        Kv_DesignerStep restored;
        if (undo ? history.undo(std::move(current), restored) : history.redo(std::move(current), restored))
            surface.data.restoreLayout(restored.layout);
        undo = !undo;
    }
}
BENCHMARK(BM_UndoRedoStep)->Unit(benchmark::kMillisecond);

// A 1,000-edit session: the history keeps at most its cap of steps; the heap growth it holds
// is reported (bytes in use after the session minus before).
void BM_ThousandEditSession(benchmark::State& state) {
    DesignSurface surface;
    if (!surface.ok) state.SkipWithError("template not read");
    size_t held = 0, steps = 0;
    for (auto _ : state) {
        const size_t before = mallinfo2().uordblks;
        Kv_DesignerHistory history;
        for (int i = 0; i < 1000; ++i) surface.edit(history, i);
        held = std::max(held, mallinfo2().uordblks - before);
        steps = history.undoSteps();
    }
    state.counters["stepsKept"] = static_cast<double>(steps);
    state.counters["historyBytes"] = static_cast<double>(held);
}
BENCHMARK(BM_ThousandEditSession)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

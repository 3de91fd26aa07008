// Opening the image selection dialog over 40 and over 400 pictures and scrolling to the end:
// what a person waits for before the thumbnails show.  Counters: files the list read per
// picture on opening (the goal is one) and files read by the repaints after scrolling (none).
#include "kv_source_dir.h"
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "dialogs/dlg_select_image.h"
#include "dialogs/select_image_ids.h"
#include "frame/module_frame.h"
#include "frame/module_resource_scope.h"
#include "win/bitmap.h"
#include "win/draw.h"
#include "win/input.h"
#include "win/registry.h"
#include "win/system.h"

namespace {

std::filesystem::path benchFolder() {
    return std::filesystem::temp_directory_path() / ("kv-bench-images-" + std::to_string(getpid()));
}

// count pictures of 120 x 90, each a little different, as a library of connections has them.
Kv_StringArray writePictures(int count) {
    const std::filesystem::path folder = benchFolder() / std::to_string(count);
    std::filesystem::create_directories(folder);
    Kv_StringArray files;
    for (int i = 0; i < count; ++i) {
        win::Bitmap picture;
        picture.width = 120;
        picture.height = 90;
        picture.pixels.assign(120 * 90, 0xFFFFFFFF);
        for (int x = 0; x < 120; ++x) picture.pixels[static_cast<size_t>(i % 90) * 120 + x] = 0xFF336699;
        const std::filesystem::path file = folder / ("connection_" + std::to_string(i) + ".png");
        win::savePng(picture, file.string());
        files.append(Kv_String(file.string()));
    }
    return files;
}

void BM_OpenAndScrollToTheEnd(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    setenv("KV_DIR", (kvSourceDir() + "/install/").c_str(), 1);
    const Kv_StringArray files = writePictures(count);
    win::resetWindowSystem();
    win::setRegistryFile((benchFolder() / "registry.json").string());
    DllMain(win::instanceHandle(), DLL_PROCESS_ATTACH, nullptr);
    int readsOpening = 0, readsAfterScrolling = 0;
    for (auto _ : state) {
        win::ScriptedInput person;
        win::setInputSource(&person);
        CDlgSelectImage dialog;
        dialog.data.imageFiles = files;
        person.inspect([&] { readsOpening = dialog.images().fileReads(); });
        // Far enough for 400 pictures: the list stops at its end.
        for (int notch = 0; notch < 8; ++notch)
            person.wheel(IDD_SELECT_IMAGE, IDC_SELECT_IMAGE_LIST, POINT{50, 50}, -count / 8);
        person
            .inspect([&] {
                win::updateAllWindows();
                readsAfterScrolling = dialog.images().fileReads() - readsOpening;
            })
            .click(IDD_SELECT_IMAGE, IDCANCEL);
        frame::ModuleResourceScope scope;
        benchmark::DoNotOptimize(dialog.DoModal());
        win::setInputSource(nullptr);
    }
    DllMain(win::instanceHandle(), DLL_PROCESS_DETACH, nullptr);
    win::resetWindowSystem();
    win::setRegistryFile("");
    std::error_code ec;
    std::filesystem::remove_all(benchFolder(), ec);
    state.counters["list_reads_per_picture"] = static_cast<double>(readsOpening) / count;
    state.counters["reads_after_scrolling"] = readsAfterScrolling;
    state.SetComplexityN(count);
}

}  // namespace

BENCHMARK(BM_OpenAndScrollToTheEnd)->Arg(40)->Arg(400)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

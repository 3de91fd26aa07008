// Bills written through TwSSBillOutput without pictures: 1,000 and 50,000 rows with a
// subtotal every 25 rows, from init to the saved file.  The peak resident memory of the run
// is reported as a counter.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "frame/module_frame.h"
#include "spread/bill/tw_ss_bill_output.h"
#include "win/registry.h"
#include "win/system.h"

namespace {

double peakResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6));
    return 0;
}

struct World {
    std::filesystem::path folder;
    World() {
        folder = std::filesystem::temp_directory_path() / ("kv-bill-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
        win::resetWindowSystem();
        win::setRegistryFile((folder / "registry.json").string());
        DllMain(win::instanceHandle(), DLL_PROCESS_ATTACH, nullptr);
    }
    ~World() {
        DllMain(win::instanceHandle(), DLL_PROCESS_DETACH, nullptr);
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
};

World& world() {
    static World w;
    return w;
}

void writeBill(int rows, const std::string& file) {
    TwSSBillOutput bill;
    bill.init(file, {"Mark", "Section", "Qty", "Length", "Weight"}, {}, {3, 3, 1, 2, 2}, "none", {"Client"},
              {"Harbour Ltd"});
    bill.onStartFeed();
    for (int i = 1; i <= rows; ++i) {
        bill.onAddRow({"B" + std::to_string(i), "IPE 300", std::to_string(1 + i % 4),
                       std::to_string(1000 + (i * 37) % 9000) + ".5", std::to_string(10 + i % 300) + ".25"});
        if (i % 25 == 0) bill.onAddSubTotals({"", "", "", "", std::to_string(i * 7) + ".00"}, {}, false, 1);
    }
    if (bill.onEndFeed() != Acad::eOk) std::abort();
}

void BM_BillWithoutPictures(benchmark::State& state) {
    const std::string file = (world().folder / "bill.kvs").string();
    for (auto _ : state) writeBill(static_cast<int>(state.range(0)), file);
    state.counters["rows"] = static_cast<double>(state.range(0));
    state.counters["fileKiB"] = static_cast<double>(std::filesystem::file_size(file)) / 1024.0;
    state.counters["peakRssKiB"] = peakResidentKiB();
}

// Five runs of one bill each; the aggregates include the median.
BENCHMARK(BM_BillWithoutPictures)
    ->Arg(1000)
    ->Arg(50000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

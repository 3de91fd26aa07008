// Reads arbitrary bytes as a template file.  The reader must never crash, never make more
// controls than a template file may hold, and whatever it read must write back and read to the
// same controls.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "designer/kv_dlg_designer_data.h"

namespace {

std::filesystem::path templateFolder() {
    static const std::filesystem::path folder = [] {
        const std::filesystem::path library =
            std::filesystem::temp_directory_path() / ("kv-fuzz-templates-" + std::to_string(getpid()));
        std::filesystem::create_directories(library / "Dialog Templates" / "Dialog Design");
        setenv("KV_LIB_DIR", (library.string() + "/").c_str(), 1);
        return library / "Dialog Templates" / "Dialog Design";
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::filesystem::path file = templateFolder() / "fuzz.txt";
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    Kv_DlgDesignerData data1;
    data1.setDynamicIdRange(33000, 33099);
    // A file that cannot be read gives a template without controls.
    if (!data1.readFromFile(getDesignerRootFolder() + "fuzz.txt", true)) {
        if (data1.getNrControls() != 0) std::abort();
        return 0;
    }
    // Gaps in the numbering make default controls, but never more than a file may hold.
    if (data1.getNrControls() > Kv_DlgDesignerData::kMaxFileControls) std::abort();
    data1.sortAllControls();
    Kv_StringArray names;
    data1.getAllCtrlNames(names);

    if (!data1.writeToFile(getDesignerRootFolder() + "fuzz_back.txt")) return 0;
    Kv_DlgDesignerData data2;
    data2.setDynamicIdRange(33000, 33099);
    if (!data2.readFromFile(getDesignerRootFolder() + "fuzz_back.txt", false)) std::abort();
    if (data2.getNrControls() != data1.getNrControls()) std::abort();
    for (int i = 0; i < data1.getNrControls(); ++i) {
        const Kv_DesignerControl& a = *data1.getControl(i);
        const Kv_DesignerControl& b = *data2.getControl(i);
        if (a.type != b.type || a.resId != b.resId || a.contents != b.contents ||
            a.getMergedExtComboList() != b.getMergedExtComboList())
            std::abort();
    }
    return 0;
}

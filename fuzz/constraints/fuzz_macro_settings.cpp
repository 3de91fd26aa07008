// The macro settings dialog over a record made from the bytes, shown and stored through a
// person's actions: nothing is read or written outside an array (the sanitizers stop the run
// if it is).
#include <cstdint>

#include "frame/module_frame.h"
#include "host/system_registry.h"
#include "macro_settings_drive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    win::resetWindowSystem();
    acrxResetSysRegistry();
    if (DllMain(win::instanceHandle(), DLL_PROCESS_ATTACH, nullptr) != 1) return 0;
    settings_fuzz::drive(data, size);
    DllMain(win::instanceHandle(), DLL_PROCESS_DETACH, nullptr);
    return 0;
}

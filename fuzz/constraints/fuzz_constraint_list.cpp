// A constraint list page over a record made from the bytes: refresh, selection, option clicks
// and store never read or write outside an array (the sanitizers stop the run if they do).
#include <cstdint>

#include "constraint_list_drive.h"
#include "frame/module_frame.h"
#include "host/system_registry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    win::resetWindowSystem();
    acrxResetSysRegistry();
    if (DllMain(win::instanceHandle(), DLL_PROCESS_ATTACH, nullptr) != 1) return 0;
    constraint_fuzz::drive(data, size);
    DllMain(win::instanceHandle(), DLL_PROCESS_DETACH, nullptr);
    return 0;
}

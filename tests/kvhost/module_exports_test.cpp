// The module library as the package links against it: the exported classes bring their type
// information and virtual tables, so that a caller can derive from them and catch them.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>

#include "kv_build_program.h"

namespace {

TEST(ModuleExports, ExportedClassesCarryTheirTypeInformationAndVirtualTable) {
    void* module = dlopen(kvBuildProgram(KVMODULE_LIBRARY).c_str(), RTLD_LAZY | RTLD_LOCAL);
    ASSERT_NE(module, nullptr) << dlerror();
    // "vtable for", "typeinfo for" and "typeinfo name for" of each exported class.
    for (const std::string name :
         {"9Kv_Spread", "14TwSSBillOutput", "18Kv_DesignerControl", "20TwSelectImageDlgData"}) {
        for (const std::string prefix : {"_ZTV", "_ZTI", "_ZTS"})
            EXPECT_NE(dlsym(module, (prefix + name).c_str()), nullptr) << prefix + name;
    }
    dlclose(module);
}

}  // namespace

namespace {

// The profile options' launchers, by the exact signatures other modules link against.
TEST(ModuleExports, BothProfileOptionLaunchersAreExported) {
    void* module = dlopen(kvBuildProgram(KVMODULE_LIBRARY).c_str(), RTLD_LAZY | RTLD_LOCAL);
    ASSERT_NE(module, nullptr) << dlerror();
    for (const char* symbol : {"_Z20StartDlgMacroProfAdvR9MacroDataRK9Kv_StringS3_b",
                               "_Z20StartDlgMacroProfAdvP7AcArrayI12AcDbObjectIdERb"
                               "PFb16TwMACallBackTypeRK16TwMACallBackDataR13MacroProfDataE"})
        EXPECT_NE(dlsym(module, symbol), nullptr) << symbol;
    dlclose(module);
}

}  // namespace

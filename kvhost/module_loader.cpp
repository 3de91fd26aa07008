#include "module_loader.h"

#include <dlfcn.h>

#include <cstring>

#include "frame/module_frame.h"
#include "host/acrx.h"
#include "host/system_registry.h"

namespace kvhost {

namespace {
using ProcessEntry = int (*)(HINSTANCE, DWORD, void*);
}

LoadedModule::~LoadedModule() { unload(); }

bool LoadedModule::load(const std::string& path, std::string& error) {
    unload();
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* reason = dlerror();
        error = "cannot load the module " + path + ": " + (reason ? reason : "unknown reason");
        return false;
    }
    auto processEntry = reinterpret_cast<ProcessEntry>(dlsym(library, "DllMain"));
    auto entryPoint = reinterpret_cast<AcRxEntryPointFunction>(dlsym(library, "acrxEntryPoint"));
    auto exportsOf = reinterpret_cast<KvCallableExportsFunction>(dlsym(library, kCallableExportsSymbol));
    if (!processEntry || !entryPoint || !exportsOf) {
        dlclose(library);
        error = path + " is not the module: DllMain, acrxEntryPoint or " + kCallableExportsSymbol + " is missing";
        return false;
    }
    if (processEntry(reinterpret_cast<HINSTANCE>(library), DLL_PROCESS_ATTACH, nullptr) == 0) {
        dlclose(library);
        error = "the module " + path + " refused to attach (its resources are missing)";
        return false;
    }
    library_ = library;
    exports_ = exportsOf(&exportCount_);
    entryPoint(AcRx::kInitAppMsg, library_);
    initialised_ = true;
    return true;
}

void LoadedModule::unload() {
    if (!library_) return;
    if (initialised_) {
        auto entryPoint = reinterpret_cast<AcRxEntryPointFunction>(dlsym(library_, "acrxEntryPoint"));
        entryPoint(AcRx::kUnloadAppMsg, library_);
        if (AcRxDynamicLinker* linker = acrxDynamicLinker) linker->forgetApplication(library_);
    }
    auto processEntry = reinterpret_cast<ProcessEntry>(dlsym(library_, "DllMain"));
    processEntry(reinterpret_cast<HINSTANCE>(library_), DLL_PROCESS_DETACH, nullptr);
    dlclose(library_);
    library_ = nullptr;
    initialised_ = false;
    exports_ = nullptr;
    exportCount_ = 0;
}

const KvCallableExport* LoadedModule::findExport(const std::string& name) const {
    for (int i = 0; i < exportCount_; ++i)
        if (name == exports_[i].name) return &exports_[i];
    return nullptr;
}

std::vector<std::string> LoadedModule::exportNames() const {
    std::vector<std::string> names;
    for (int i = 0; i < exportCount_; ++i) names.emplace_back(exports_[i].name);
    return names;
}

}  // namespace kvhost

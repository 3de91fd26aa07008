#pragma once
// Loads the module as the CAD host does: the system loader part (dlopen, then the module's
// process entry with "attach"), the host's initialise message, and at the end the unload
// message, "detach" and dlclose.  The module's callable exports are looked up once loaded.

#include <string>
#include <vector>

#include "frame/callable_exports.h"

namespace kvhost {

class LoadedModule {
public:
    LoadedModule() = default;
    ~LoadedModule();
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    // False with a reason when the library cannot be opened, lacks an entry point, or refuses
    // to attach.  On success the initialise message has been sent.
    bool load(const std::string& path, std::string& error);
    // Sends the unload message, detaches and closes the library.  Safe to call twice.
    void unload();

    bool loaded() const { return library_ != nullptr; }
    // nullptr when the module has no callable export of that name.
    const KvCallableExport* findExport(const std::string& name) const;
    std::vector<std::string> exportNames() const;

private:
    void* library_ = nullptr;
    bool initialised_ = false;
    const KvCallableExport* exports_ = nullptr;
    int exportCount_ = 0;
};

}  // namespace kvhost

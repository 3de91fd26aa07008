#include "frame/callable_exports.h"

#include <cstring>
#include <vector>

namespace {

std::vector<KvCallableExport>& table() {
    // Built during static initialisation by the registrations of every file of the module.
    static std::vector<KvCallableExport> exports;
    return exports;
}

}  // namespace

KvCallableRegistration::KvCallableRegistration(const char* name, const char* summary,
                                               bool (*call)(const std::string&, std::string&, std::string&)) {
    for (KvCallableExport& entry : table()) {
        if (std::strcmp(entry.name, name) == 0) {
            entry = {name, summary, call};
            return;
        }
    }
    table().push_back({name, summary, call});
}

extern "C" const KvCallableExport* kvCallableExports(int* count) {
    if (count) *count = static_cast<int>(table().size());
    return table().data();
}

#include "core/tw_temp_resource_override.h"

#include "win/resource.h"

void TwTempResourceOverride::SetModuleResource(const win::ResourceTable* moduleTable) {
    module_ = moduleTable;
    original_ = win::firstResourceTable();
}

bool TwTempResourceOverride::SetDefaultResource() {
    if (!module_) return false;
    win::setFirstResourceTable(module_);
    return true;
}

void TwTempResourceOverride::RestoreOriginalResource() {
    if (module_) win::setFirstResourceTable(original_);
}

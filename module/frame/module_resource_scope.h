#pragma once
// The resource scope every exported function opens: while it lives, dialog templates,
// bitmaps and icons are looked up in the module's own table first.  It ends on every way out
// of the function, also when an exception passes.  Scopes do not nest: an inner scope that
// ends puts the host's order back although the outer one is still open, as the host's
// resource override does; a function that needs the module's resources after calling another
// exported function opens a new scope.

#include "core/tw_temp_resource_override.h"
#include "frame/module_frame.h"

namespace frame {

class ModuleResourceScope {
public:
    ModuleResourceScope() : scope_(moduleResourceOverride()) {}
    ModuleResourceScope(const ModuleResourceScope&) = delete;
    ModuleResourceScope& operator=(const ModuleResourceScope&) = delete;

private:
    TwTempResourceOverride::Scope scope_;
};

}  // namespace frame

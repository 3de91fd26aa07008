#pragma once
// Private to the core library's dialogs: their templates live in the core's own resource table
// ("kvcore"); a dialog puts that table first while it is made, so that a caller's table with a
// dialog of the same number cannot stand in for it.

#include "win/resource.h"

namespace core_ui {

class CoreResourcesFirst {
public:
    CoreResourcesFirst() {
        if (const win::ResourceTable* core = win::findResourceTable("kvcore")) {
            previous_ = win::setFirstResourceTable(core);
            switched_ = true;
        }
    }
    ~CoreResourcesFirst() {
        if (switched_) win::setFirstResourceTable(previous_);
    }
    CoreResourcesFirst(const CoreResourcesFirst&) = delete;
    CoreResourcesFirst& operator=(const CoreResourcesFirst&) = delete;

private:
    const win::ResourceTable* previous_ = nullptr;
    bool switched_ = false;
};

}  // namespace core_ui

#include "host/system_registry.h"

#include <algorithm>

AcRxObject* AcRxDictionary::at(const char* name) const {
    if (!name) return nullptr;
    auto it = entries_.find(std::string_view(name));
    return it == entries_.end() ? nullptr : it->second.get();
}

void AcRxDictionary::atPut(const char* name, std::unique_ptr<AcRxObject> object) {
    if (!name) return;
    entries_[name] = std::move(object);
}

bool AcRxDictionary::remove(const char* name) {
    if (!name) return false;
    auto it = entries_.find(std::string_view(name));
    if (it == entries_.end()) return false;
    entries_.erase(it);
    return true;
}

AcRxDynamicLinker* AcRxDynamicLinker::cast(AcRxObject* object) { return dynamic_cast<AcRxDynamicLinker*>(object); }

bool AcRxDynamicLinker::unlockApplication(void* appHandle) {
    if (!appHandle) return false;
    unlocked_.insert(appHandle);
    return true;
}

bool AcRxDynamicLinker::lockApplication(void* appHandle) {
    if (!appHandle) return false;
    unlocked_.erase(appHandle);
    return true;
}

bool AcRxDynamicLinker::isApplicationLocked(void* appHandle) const { return !unlocked_.count(appHandle); }

bool AcRxDynamicLinker::registerAppMDIAware(void* appHandle) {
    if (!appHandle) return false;
    mdiAware_.insert(appHandle);
    return true;
}

bool AcRxDynamicLinker::isAppMDIAware(void* appHandle) const { return mdiAware_.count(appHandle) > 0; }

void AcRxDynamicLinker::forgetApplication(void* appHandle) {
    unlocked_.erase(appHandle);
    mdiAware_.erase(appHandle);
}

AcEdCommandStack* AcEdCommandStack::cast(AcRxObject* object) { return dynamic_cast<AcEdCommandStack*>(object); }

bool AcEdCommandStack::addCommand(const char* groupName, const char* globalName, const char* localName, int flags,
                                  CommandFunction function) {
    if (!groupName || !globalName || !*groupName || !*globalName) return false;
    auto group = std::find_if(groups_.begin(), groups_.end(), [&](const Group& g) { return g.name == groupName; });
    if (group == groups_.end()) {
        groups_.push_back(Group{groupName, {}});
        group = groups_.end() - 1;
    }
    for (const Command& c : group->commands)
        if (c.globalName == globalName) return false;
    group->commands.push_back(Command{globalName, localName ? localName : globalName, flags, function});
    return true;
}

bool AcEdCommandStack::removeGroup(const char* groupName) {
    if (!groupName) return false;
    auto group = std::find_if(groups_.begin(), groups_.end(), [&](const Group& g) { return g.name == groupName; });
    if (group == groups_.end()) return false;
    groups_.erase(group);
    return true;
}

bool AcEdCommandStack::removeCmd(const char* groupName, const char* globalName) {
    if (!groupName || !globalName) return false;
    for (Group& g : groups_) {
        if (g.name != groupName) continue;
        auto c = std::find_if(g.commands.begin(), g.commands.end(),
                              [&](const Command& cmd) { return cmd.globalName == globalName; });
        if (c == g.commands.end()) return false;
        g.commands.erase(c);
        return true;
    }
    return false;
}

bool AcEdCommandStack::hasGroup(const char* groupName) const {
    if (!groupName) return false;
    return std::any_of(groups_.begin(), groups_.end(), [&](const Group& g) { return g.name == groupName; });
}

std::vector<std::string> AcEdCommandStack::groupNames() const {
    std::vector<std::string> names;
    for (const Group& g : groups_) names.push_back(g.name);
    return names;
}

std::vector<std::string> AcEdCommandStack::commandsOf(const char* groupName) const {
    std::vector<std::string> names;
    if (!groupName) return names;
    for (const Group& g : groups_)
        if (g.name == groupName)
            for (const Command& c : g.commands) names.push_back(c.globalName);
    return names;
}

bool AcEdCommandStack::runCommand(const char* name) const {
    if (!name) return false;
    for (auto g = groups_.rbegin(); g != groups_.rend(); ++g)
        for (const Command& c : g->commands)
            if (c.globalName == name || c.localName == name) {
                if (c.function) c.function();
                return true;
            }
    return false;
}

namespace {

std::unique_ptr<AcRxDictionary> makeRegistry() {
    auto registry = std::make_unique<AcRxDictionary>();
    registry->atPut(ACRX_DYNAMIC_LINKER, std::make_unique<AcRxDynamicLinker>());
    registry->atPut(ACRX_COMMAND_DOCK, std::make_unique<AcEdCommandStack>());
    return registry;
}

std::unique_ptr<AcRxDictionary>& registrySlot() {
    static std::unique_ptr<AcRxDictionary> registry = makeRegistry();
    return registry;
}

}  // namespace

AcRxDictionary* acrxSysRegistry() { return registrySlot().get(); }

void acrxResetSysRegistry() { registrySlot() = makeRegistry(); }

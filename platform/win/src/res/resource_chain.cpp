// The lookup chain of resource tables.  Each binary registers its table when it is loaded
// and removes it when it is unloaded; a lookup asks the table chosen as first, then every
// table in registration order, so that a module can put its own resources ahead of the
// host's for the length of a call and then restore the host's order.

#include "win/resource.h"

#include <algorithm>
#include <mutex>

namespace win {

namespace {

struct Chain {
    std::mutex mutex;
    std::vector<const ResourceTable*> tables;
    const ResourceTable* first = nullptr;
};

// Tables register from static initialisers of other binaries, so the chain must exist
// before any of them runs, whatever the load order.
Chain& chain() {
    static Chain* instance = new Chain;
    return *instance;
}

template <typename Lookup>
auto findInChain(Lookup lookup) -> decltype(lookup(static_cast<const ResourceTable*>(nullptr))) {
    Chain& c = chain();
    std::lock_guard lock(c.mutex);
    if (c.first)
        if (auto found = lookup(c.first)) return found;
    for (const ResourceTable* table : c.tables)
        if (table != c.first)
            if (auto found = lookup(table)) return found;
    return nullptr;
}

template <typename Map>
auto findIn(const Map& map, int id) -> const typename Map::mapped_type* {
    auto it = map.find(id);
    return it == map.end() ? nullptr : &it->second;
}

}  // namespace

void registerResourceTable(const ResourceTable* table) {
    if (!table) return;
    Chain& c = chain();
    std::lock_guard lock(c.mutex);
    if (std::find(c.tables.begin(), c.tables.end(), table) == c.tables.end()) c.tables.push_back(table);
}

void unregisterResourceTable(const ResourceTable* table) {
    Chain& c = chain();
    std::lock_guard lock(c.mutex);
    c.tables.erase(std::remove(c.tables.begin(), c.tables.end(), table), c.tables.end());
    // A first table whose binary has gone must not be searched any more.
    if (c.first == table) c.first = nullptr;
}

const ResourceTable* findResourceTable(std::string_view name) {
    Chain& c = chain();
    std::lock_guard lock(c.mutex);
    for (const ResourceTable* table : c.tables)
        if (table->name == name) return table;
    return nullptr;
}

const ResourceTable* setFirstResourceTable(const ResourceTable* table) {
    Chain& c = chain();
    std::lock_guard lock(c.mutex);
    const ResourceTable* previous = c.first;
    c.first = table;
    return previous;
}

const ResourceTable* firstResourceTable() {
    Chain& c = chain();
    std::lock_guard lock(c.mutex);
    return c.first;
}

const DialogTemplate* findDialogTemplate(int id) {
    return findInChain([id](const ResourceTable* t) { return findIn(t->dialogs, id); });
}

const std::vector<uint8_t>* findBitmapResource(int id) {
    return findInChain([id](const ResourceTable* t) { return findIn(t->bitmaps, id); });
}

const std::vector<uint8_t>* findIconResource(int id) {
    return findInChain([id](const ResourceTable* t) { return findIn(t->icons, id); });
}

}  // namespace win

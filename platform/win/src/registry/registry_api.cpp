// The Win32 registry calls over the registry file.  Handles are small records of the key's
// path and the access it was opened with; a handle that was never issued or was closed is
// refused, never followed.  Every change is written through at once, so that a crash of
// the host loses nothing that a call reported as done.

#include "win/registry.h"

#include "registry_store.h"

#include "base/case_fold.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <set>

namespace {

using win::registry::Key;
using win::registry::Store;
using win::registry::Value;

struct OpenKey {
    std::string path;
    REGSAM access = 0;
};

struct Registry {
    std::mutex mutex;
    std::string fileOverride;
    bool loaded = false;
    Store store;
    std::set<OpenKey*> handles;
};

Registry& theRegistry() {
    static Registry* instance = new Registry;
    return *instance;
}

std::string defaultFile() {
    if (const char* file = std::getenv("KV_REGISTRY_FILE"); file && *file) return file;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
        return std::string(config) + "/karvel/registry.json";
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/.config/karvel/registry.json";
}

std::string currentFile(const Registry& r) { return r.fileOverride.empty() ? defaultFile() : r.fileOverride; }

Store& loadedStore(Registry& r) {
    if (!r.loaded) {
        // A corrupt file reads as empty; it stays on disk until a change replaces it.
        r.store.load(currentFile(r));
        r.loaded = true;
    }
    return r.store;
}

const char* rootName(HKEY key) {
    if (key == HKEY_CLASSES_ROOT) return "HKEY_CLASSES_ROOT";
    if (key == HKEY_CURRENT_USER) return "HKEY_CURRENT_USER";
    if (key == HKEY_LOCAL_MACHINE) return "HKEY_LOCAL_MACHINE";
    if (key == HKEY_USERS) return "HKEY_USERS";
    return nullptr;
}

// The path and access of a handle; false for a handle that is not open.
bool resolve(Registry& r, HKEY key, std::string& path, REGSAM& access) {
    if (const char* root = rootName(key)) {
        path = root;
        access = KEY_ALL_ACCESS;
        return true;
    }
    auto* open = reinterpret_cast<OpenKey*>(key);
    if (!r.handles.count(open)) return false;
    path = open->path;
    access = open->access;
    return true;
}

std::string appendSubKey(const std::string& base, const char* subKey) {
    std::string path = base;
    if (!subKey) return path;
    std::string_view rest(subKey);
    while (!rest.empty()) {
        size_t slash = rest.find('\\');
        std::string_view part = rest.substr(0, slash);
        if (!part.empty()) {
            path += '\\';
            path += part;
        }
        if (slash == std::string_view::npos) break;
        rest.remove_prefix(slash + 1);
    }
    return path;
}

HKEY issueHandle(Registry& r, const std::string& path, REGSAM access) {
    auto* open = new OpenKey{path, access};
    r.handles.insert(open);
    return reinterpret_cast<HKEY>(open);
}

// Runs a change and writes the file; when the file cannot be written the change is undone,
// so that what the calls report always matches what is on disk.
template <typename Change>
long commit(Registry& r, Change change) {
    Store before = r.store;
    long result = change();
    if (result != ERROR_SUCCESS) return result;
    if (!r.store.save(currentFile(r))) {
        r.store = std::move(before);
        return ERROR_WRITE_FAULT;
    }
    return ERROR_SUCCESS;
}

}  // namespace

long RegCreateKeyEx(HKEY key, const char* subKey, DWORD, const char*, DWORD, REGSAM access, const void*, PHKEY result,
                    DWORD* disposition) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    Registry& r = theRegistry();
    std::lock_guard lock(r.mutex);
    std::string base;
    REGSAM baseAccess = 0;
    if (!resolve(r, key, base, baseAccess)) return ERROR_INVALID_HANDLE;
    Store& store = loadedStore(r);
    if (!rootName(key) && !store.find(base)) return ERROR_KEY_DELETED;
    std::string path = appendSubKey(base, subKey);
    if (Key* existing = store.find(path)) {
        if (disposition) *disposition = REG_OPENED_EXISTING_KEY;
        *result = issueHandle(r, existing->path, access);
        return ERROR_SUCCESS;
    }
    long status = commit(r, [&] {
        Key* created = nullptr;
        store.create(path, created);
        return ERROR_SUCCESS;
    });
    if (status != ERROR_SUCCESS) return status;
    if (disposition) *disposition = REG_CREATED_NEW_KEY;
    *result = issueHandle(r, path, access);
    return ERROR_SUCCESS;
}

long RegOpenKeyEx(HKEY key, const char* subKey, DWORD, REGSAM access, PHKEY result) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    Registry& r = theRegistry();
    std::lock_guard lock(r.mutex);
    std::string base;
    REGSAM baseAccess = 0;
    if (!resolve(r, key, base, baseAccess)) return ERROR_INVALID_HANDLE;
    std::string path = appendSubKey(base, subKey);
    Store& store = loadedStore(r);
    Key* existing = store.find(path);
    if (!existing) {
        // The roots always exist, even in an empty registry.
        if (path != base || !rootName(key)) return ERROR_FILE_NOT_FOUND;
        *result = key;
        return ERROR_SUCCESS;
    }
    *result = issueHandle(r, existing->path, access);
    return ERROR_SUCCESS;
}

long RegQueryValueEx(HKEY key, const char* valueName, DWORD*, DWORD* type, BYTE* data, DWORD* dataSize) {
    Registry& r = theRegistry();
    std::lock_guard lock(r.mutex);
    std::string path;
    REGSAM access = 0;
    if (!resolve(r, key, path, access)) return ERROR_INVALID_HANDLE;
    if (!(access & KEY_QUERY_VALUE)) return ERROR_ACCESS_DENIED;
    if (data && !dataSize) return ERROR_INVALID_PARAMETER;
    Key* k = loadedStore(r).find(path);
    if (!k) return rootName(key) ? ERROR_FILE_NOT_FOUND : ERROR_KEY_DELETED;
    auto it = k->values.find(base::lowerCase1252(valueName ? valueName : ""));
    if (it == k->values.end()) return ERROR_FILE_NOT_FOUND;
    const Value& value = it->second;
    if (type) *type = value.type;
    std::string bytes = value.bytes;
    if (value.type == REG_SZ) {
        bytes.push_back('\0');
    } else if (value.type == REG_DWORD) {
        bytes.resize(4);
        for (int i = 0; i < 4; ++i) bytes[i] = char(value.number >> (8 * i));
    }
    DWORD needed = static_cast<DWORD>(bytes.size());
    if (!data) {
        if (dataSize) *dataSize = needed;
        return ERROR_SUCCESS;
    }
    if (*dataSize < needed) {
        *dataSize = needed;
        return ERROR_MORE_DATA;
    }
    std::memcpy(data, bytes.data(), needed);
    *dataSize = needed;
    return ERROR_SUCCESS;
}

long RegSetValueEx(HKEY key, const char* valueName, DWORD, DWORD type, const BYTE* data, DWORD dataSize) {
    Registry& r = theRegistry();
    std::lock_guard lock(r.mutex);
    std::string path;
    REGSAM access = 0;
    if (!resolve(r, key, path, access)) return ERROR_INVALID_HANDLE;
    if (!(access & KEY_SET_VALUE)) return ERROR_ACCESS_DENIED;
    if (dataSize > 0 && !data) return ERROR_INVALID_PARAMETER;
    Value value;
    value.name = valueName ? valueName : "";
    value.type = type;
    const char* bytes = reinterpret_cast<const char*>(data);
    if (type == REG_SZ) {
        // The size counts the terminating zero, but a text ends at its first zero whatever
        // the size claims.
        value.bytes.assign(bytes ? bytes : "", dataSize);
        value.bytes.resize(std::strlen(value.bytes.c_str()));
    } else if (type == REG_DWORD) {
        if (dataSize != 4) return ERROR_INVALID_PARAMETER;
        for (int i = 0; i < 4; ++i) value.number |= uint32_t(static_cast<unsigned char>(bytes[i])) << (8 * i);
    } else if (type == REG_BINARY) {
        value.bytes.assign(bytes ? bytes : "", dataSize);
    } else {
        return ERROR_INVALID_PARAMETER;
    }
    Store& store = loadedStore(r);
    if (!store.find(path) && !rootName(key)) return ERROR_KEY_DELETED;
    return commit(r, [&] {
        Key* k = store.find(path);
        if (!k) store.create(path, k);
        std::string folded = base::lowerCase1252(value.name);
        auto it = k->values.find(folded);
        if (it != k->values.end()) value.name = it->second.name;  // keep the first spelling
        k->values[folded] = std::move(value);
        return ERROR_SUCCESS;
    });
}

long RegDeleteValue(HKEY key, const char* valueName) {
    Registry& r = theRegistry();
    std::lock_guard lock(r.mutex);
    std::string path;
    REGSAM access = 0;
    if (!resolve(r, key, path, access)) return ERROR_INVALID_HANDLE;
    if (!(access & KEY_SET_VALUE)) return ERROR_ACCESS_DENIED;
    Store& store = loadedStore(r);
    Key* k = store.find(path);
    if (!k) return rootName(key) ? ERROR_FILE_NOT_FOUND : ERROR_KEY_DELETED;
    std::string folded = base::lowerCase1252(valueName ? valueName : "");
    if (!k->values.count(folded)) return ERROR_FILE_NOT_FOUND;
    return commit(r, [&] {
        store.find(path)->values.erase(folded);
        return ERROR_SUCCESS;
    });
}

long RegCloseKey(HKEY key) {
    if (rootName(key)) return ERROR_SUCCESS;
    Registry& r = theRegistry();
    std::lock_guard lock(r.mutex);
    auto* open = reinterpret_cast<OpenKey*>(key);
    if (!r.handles.erase(open)) return ERROR_INVALID_HANDLE;
    delete open;
    return ERROR_SUCCESS;
}

namespace win {

void setRegistryFile(const std::string& path) {
    Registry& r = theRegistry();
    std::lock_guard lock(r.mutex);
    r.fileOverride = path;
    r.loaded = false;
    r.store = registry::Store();
}

std::string registryFile() {
    Registry& r = theRegistry();
    std::lock_guard lock(r.mutex);
    return currentFile(r);
}

}  // namespace win

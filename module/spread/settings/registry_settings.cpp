#include <vector>

#include "spread/settings/sheet_settings.h"
#include "win/registry.h"

namespace {

// One string value of an open key; false (value untouched) when absent or not a string.
bool queryString(HKEY key, const char* name, Kv_String& value) {
    DWORD type = 0, size = 0;
    if (RegQueryValueEx(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ) return false;
    std::vector<BYTE> buffer(size + 1, 0);
    if (RegQueryValueEx(key, name, nullptr, &type, buffer.data(), &size) != ERROR_SUCCESS) return false;
    value = Kv_String(reinterpret_cast<const char*>(buffer.data()));
    return true;
}

}  // namespace

bool RegistrySettings::read() {
    language = "EN";
    defaultSettings.clear();
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, kKeyPath, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
    const bool gotLanguage = queryString(key, "Language", language);
    const bool gotDefault = queryString(key, "Default Settings", defaultSettings);
    RegCloseKey(key);
    return gotLanguage && gotDefault;
}

#include "core/dialog_reg_values.h"

#include <cstring>
#include <string>

#include "win/registry.h"

namespace {

std::string keyOf(const Kv_String& dialogName) { return "Software\\Karvel\\Dialogs\\" + dialogName.str(); }

}  // namespace

bool readDlgRegBool(const Kv_String& dialogName, const Kv_String& valueName, bool missing) {
    if (dialogName.isEmpty() || valueName.isEmpty()) return missing;
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_CURRENT_USER, keyOf(dialogName).c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return missing;
    char buffer[16] = {};
    DWORD type = 0, size = sizeof buffer - 1;
    const long status = RegQueryValueEx(key, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_SZ) return missing;
    if (std::strcmp(buffer, "1") == 0) return true;
    if (std::strcmp(buffer, "0") == 0) return false;
    return missing;
}

bool writeDlgRegBool(const Kv_String& dialogName, const Kv_String& valueName, bool value) {
    if (dialogName.isEmpty() || valueName.isEmpty()) return false;
    HKEY key = nullptr;
    if (RegCreateKeyEx(HKEY_CURRENT_USER, keyOf(dialogName).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                       nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    const char* text = value ? "1" : "0";
    const long status = RegSetValueEx(key, valueName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text), 2);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

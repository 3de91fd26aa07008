#pragma once
// The system registry: keys under HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE holding string
// (REG_SZ), number (REG_DWORD) and byte (REG_BINARY) values, with the Win32 calls and their
// semantics, kept in one JSON file.
//
// Rules it keeps: key paths use backslashes; key and value names compare ignoring case and
// keep the spelling they were created with; strings are code page 1252 bytes; every change
// rewrites the file whole (temporary file + rename) or leaves it untouched; a corrupt file
// reads as an empty registry and is left on disk until the next change replaces it.
//
// File: $KV_REGISTRY_FILE, else $XDG_CONFIG_HOME/karvel/registry.json, else
// ~/.config/karvel/registry.json; win::setRegistryFile redirects it (tests use a temporary
// file).

#include "win/types.h"

#include <cstdint>
#include <string>

struct HKEY__;
using HKEY = HKEY__*;
using PHKEY = HKEY*;
using REGSAM = DWORD;

inline const HKEY HKEY_CLASSES_ROOT = reinterpret_cast<HKEY>(uintptr_t(0x80000000u));
inline const HKEY HKEY_CURRENT_USER = reinterpret_cast<HKEY>(uintptr_t(0x80000001u));
inline const HKEY HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(uintptr_t(0x80000002u));
inline const HKEY HKEY_USERS = reinterpret_cast<HKEY>(uintptr_t(0x80000003u));

// Results
constexpr long ERROR_SUCCESS = 0;
constexpr long ERROR_FILE_NOT_FOUND = 2;
constexpr long ERROR_ACCESS_DENIED = 5;
constexpr long ERROR_INVALID_HANDLE = 6;
constexpr long ERROR_WRITE_FAULT = 29;
constexpr long ERROR_INVALID_PARAMETER = 87;
constexpr long ERROR_MORE_DATA = 234;
constexpr long ERROR_KEY_DELETED = 1018;

// Value types
constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;

// Access rights; a handle opened without a right is refused the calls that need it.
constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
constexpr REGSAM KEY_SET_VALUE = 0x0002;
constexpr REGSAM KEY_CREATE_SUB_KEY = 0x0004;
constexpr REGSAM KEY_ENUMERATE_SUB_KEYS = 0x0008;
constexpr REGSAM KEY_NOTIFY = 0x0010;
constexpr REGSAM KEY_READ = 0x20019;
constexpr REGSAM KEY_WRITE = 0x20006;
constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;

constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
constexpr DWORD REG_CREATED_NEW_KEY = 1;
constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

long RegCreateKeyEx(HKEY key, const char* subKey, DWORD reserved, const char* className, DWORD options, REGSAM access,
                    const void* securityAttributes, PHKEY result, DWORD* disposition);
long RegOpenKeyEx(HKEY key, const char* subKey, DWORD options, REGSAM access, PHKEY result);
// With data == nullptr only the type and the size are reported.  A REG_SZ size counts the
// terminating zero.  A buffer too small gives ERROR_MORE_DATA and the size needed.
long RegQueryValueEx(HKEY key, const char* valueName, DWORD* reserved, DWORD* type, BYTE* data, DWORD* dataSize);
long RegSetValueEx(HKEY key, const char* valueName, DWORD reserved, DWORD type, const BYTE* data, DWORD dataSize);
long RegDeleteValue(HKEY key, const char* valueName);
long RegCloseKey(HKEY key);

namespace win {
// Redirects the registry to another file (an empty path returns to the default location)
// and drops what was read from the previous one.
void setRegistryFile(const std::string& path);
std::string registryFile();
}  // namespace win

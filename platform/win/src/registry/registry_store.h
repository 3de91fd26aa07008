#pragma once
// The registry's content: keys by full path ("HKEY_CURRENT_USER\Software\..."), each with
// named values, and its JSON file form.  Paths and names are matched ignoring case (code
// page 1252 letters included) and keep the spelling they were first written with.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace win::registry {

struct Value {
    std::string name;     // spelling as written
    uint32_t type = 0;    // REG_SZ, REG_DWORD or REG_BINARY
    std::string bytes;    // REG_SZ text without the terminating zero, or REG_BINARY bytes
    uint32_t number = 0;  // REG_DWORD
};

struct Key {
    std::string path;                     // spelling as created
    std::map<std::string, Value> values;  // by name in lower case (base::lowerCase1252)
};

class Store {
public:
    // The key, or nullptr when it does not exist.
    Key* find(std::string_view path);
    // Creates the key and the keys above it; returns whether the key itself was new.
    bool create(std::string_view path, Key*& key);

    // Reads a file; a missing file is an empty registry, an unreadable or malformed one
    // reads as empty and reports false.
    bool load(const std::string& file);
    // Writes the whole file beside the target and renames it over the target.
    bool save(const std::string& file) const;

private:
    std::map<std::string, Key> keys_;  // by folded path
};

}  // namespace win::registry

#pragma once
// The source tree the tests read their fixtures from. ctest names it in each test's
// environment; when a test program is run by hand (or listed by the build), the folder
// holding CMakePresets.json above the program is taken. Nothing of the building machine's
// paths is compiled in.
#include <cstdlib>
#include <filesystem>
#include <string>

inline std::string kvSourceDir() {
    static const std::string dir = [] {
        if (const char* named = std::getenv("KV_SOURCE_DIR"); named && *named) return std::string(named);
        std::error_code ec;
        for (auto at = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path(); !at.empty();
             at = at.parent_path()) {
            if (std::filesystem::exists(at / "CMakePresets.json", ec)) return at.string();
            if (at == at.root_path()) break;
        }
        return std::string(".");
    }();
    return dir;
}

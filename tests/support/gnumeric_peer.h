#pragma once
// Gnumeric's ssconvert as a peer that reads what the engine writes.  A test that needs it
// installs it on first use (Debian's gnumeric, when the test runs as root and the package can
// be had); when it cannot be had the test is skipped with that reason.  A failed attempt
// leaves a mark in the temporary folder, so that the other test programs (and later runs, until
// the folder is emptied) skip at once instead of waiting for the package manager again.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace gnumeric_peer {

inline bool available() {
    static const bool found = [] {
        if (std::system("command -v ssconvert >/dev/null 2>&1") == 0) return true;
        const std::filesystem::path mark = std::filesystem::temp_directory_path() / "kv-gnumeric-unavailable";
        std::error_code ec;
        if (::geteuid() != 0 || std::filesystem::exists(mark, ec)) return false;
        std::system(
            "DEBIAN_FRONTEND=noninteractive timeout 300 apt-get install -y -qq gnumeric "
            ">/dev/null 2>&1");
        if (std::system("command -v ssconvert >/dev/null 2>&1") == 0) return true;
        std::ofstream(mark) << "gnumeric could not be installed\n";
        return false;
    }();
    return found;
}

// Opens `in`, computes every formula and writes `out` (the format by its extension).
inline bool convertWithRecalc(const std::string& in, const std::string& out) {
    const std::string command = "ssconvert --recalc '" + in + "' '" + out + "' >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

}  // namespace gnumeric_peer

#pragma once
// What the cutting-stock tests share: a fresh library folder per test (the sets' files live
// below it) and a registry file inside it, so that remembered dialog sizes stay out of the
// user's own.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "win/system.h"

namespace cutting_test {

namespace fs = std::filesystem;

class LibraryFolder {
public:
    LibraryFolder() {
        std::random_device random;
        path_ = fs::temp_directory_path() / ("kv-cutting-" + std::to_string(random()) + std::to_string(random()));
        fs::create_directories(path_);
        if (const char* old = std::getenv("KV_LIB_DIR")) previous_ = old, hadPrevious_ = true;
        setenv("KV_LIB_DIR", (path_.string() + "/").c_str(), 1);
    }
    ~LibraryFolder() {
        if (hadPrevious_)
            setenv("KV_LIB_DIR", previous_.c_str(), 1);
        else
            unsetenv("KV_LIB_DIR");
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    LibraryFolder(const LibraryFolder&) = delete;
    LibraryFolder& operator=(const LibraryFolder&) = delete;

    const fs::path& path() const { return path_; }
    fs::path setFolder(const std::string& name) const { return path_ / "Cutting Stock" / name; }

    // Writes a file with exactly these bytes, creating its folder, and gives it a time.
    fs::path write(const fs::path& file, const std::string& bytes, int secondsAgo = 0) const {
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        if (secondsAgo != 0)
            fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::seconds(secondsAgo));
        return file;
    }
    static std::string read(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    fs::path path_;
    std::string previous_;
    bool hadPrevious_ = false;
};

}  // namespace cutting_test

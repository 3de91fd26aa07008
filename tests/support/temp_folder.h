#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it at the
// end of the test.

#include <filesystem>
#include <random>
#include <string>

class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        path_ =
            std::filesystem::temp_directory_path() / ("kv-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The folder as a package path text, with a trailing separator.
    std::string text() const { return path_.string() + "/"; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

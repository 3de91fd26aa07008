#pragma once
// A program of the build tree, named by its path relative to the running test program's
// folder (the build passes that relative path), so that no absolute path of the building
// machine is compiled in and a build tree cloned or moved elsewhere still finds it.
#include <filesystem>
#include <string>

inline std::string kvBuildProgram(const char* relativeToTestProgram) {
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
    return (folder / relativeToTestProgram).lexically_normal().string();
}

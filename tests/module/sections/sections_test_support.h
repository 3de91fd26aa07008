#pragma once
// What the section tests share: a library folder of their own (KV_LIB_DIR), an installation
// folder of their own whose texts are the bundled ones (KV_DIR), the English language, a clean
// window system with the module attached and a scripted person (the module's fixture, FrameTest).

#include "kv_source_dir.h"
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "core/kv_texts.h"
#include "frame_test_support.h"
#include "win/afxwin.h"
#include "win/readback.h"
#include "win/system.h"
#include "win/testing.h"

class SectionsTest : public FrameTest {
protected:
    void SetUp() override {
        std::random_device random;
        root_ = std::filesystem::temp_directory_path() /
                ("kvsections-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(library() / "prof");
        std::filesystem::create_directories(install() / "icons");
        std::filesystem::copy(std::filesystem::path(kvSourceDir()) / "install" / "texts", install() / "texts");
        setenv("KV_LIB_DIR", (library().string() + "/").c_str(), 1);
        setenv("KV_DIR", (install().string() + "/").c_str(), 1);
        setenv("KV_LANGUAGE", "en", 1);
        Kv_Texts::reload();
        FrameTest::SetUp();
    }
    void TearDown() override {
        FrameTest::TearDown();
        unsetenv("KV_LIB_DIR");
        unsetenv("KV_DIR");
        unsetenv("KV_LANGUAGE");
        Kv_Texts::reload();
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }

    std::filesystem::path library() const { return root_ / "library"; }
    std::filesystem::path install() const { return root_ / "install"; }

    static void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string readBytes(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path root_;
};

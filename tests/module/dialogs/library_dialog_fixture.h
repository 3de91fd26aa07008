#pragma once
// Small dialogs over a library folder of their own (KV_LIB_DIR): section tables for the
// profile combos and the DSTV point groups, made fresh for every test.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "small_dialog_fixture.h"

class LibraryDialogTest : public SmallDialogTest {
protected:
    void SetUp() override {
        SmallDialogTest::SetUp();
        std::filesystem::create_directories(library());
        setenv("KV_LIB_DIR", (library().string() + "/").c_str(), 1);
        writeFile(library() / "prof" / "IPE.pr",
                  "1\r\nSysName\tI/O\tEnglish\tHeight\r\n"
                  "IPE180\t1\tIPE 180\t180\r\nIPE200\t1\tIPE 200\t200\r\nIPE220\t1\tIPE 220\t220\r\n");
        writeFile(library() / "prof" / "RHS.pr",
                  "1\r\nSysName\tI/O\tEnglish\tHeight\r\n"
                  "RHS100x50x4\t1\tRHS 100x50x4\t100\r\nRHS120x80x6\t1\tRHS 120x80x6\t120\r\n");
    }
    void TearDown() override {
        unsetenv("KV_LIB_DIR");
        SmallDialogTest::TearDown();
    }

    std::filesystem::path library() const { return root_ / "library"; }
    static void writeFile(const std::filesystem::path& path, const std::string& bytes) {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string readFile(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
};

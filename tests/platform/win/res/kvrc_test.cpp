// The resource compiler as the build runs it: a faulty script must stop the build with
// "file:line: reason" and leave no generated source behind; a good one must name every
// file it read in the dependency file.

#include "image_builders.h"
#include "kv_build_program.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct ToolRun {
    int exitCode = -1;
    std::string output;
};

ToolRun runKvrc(const std::string& arguments) {
    ToolRun run;
    std::string command = kvBuildProgram(KVRC_PATH) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe)) run.output += buffer;
    int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class KvrcTest : public testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() / ("winres_kvrc_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string write(const std::string& name, const std::string& text) {
        std::ofstream out(dir_ / name, std::ios::binary);
        out << text;
        return (dir_ / name).string();
    }
    std::string read(const std::string& name) {
        std::ifstream in(dir_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    std::filesystem::path dir_;
};

}  // namespace

TEST_F(KvrcTest, FaultyScriptFailsWithFileLineReason) {
    std::string script = write("bad.rc", "1 DIALOG 0, 0, 10, 10\nBEGIN\n  PUSHBUTTON \"OK, 1, 0, 0, 5, 5\nEND\n");
    write("out.cpp", "stale");
    ToolRun run = runKvrc("--table t -o " + path("out.cpp") + " " + script);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output, script + ":3: unterminated string\n");
    EXPECT_FALSE(std::filesystem::exists(path("out.cpp")));
}

TEST_F(KvrcTest, GeneratedSourceRegistersTableAndDepfileNamesPictures) {
    auto bmp = winres_test::makeBmp(1, 1, 24, {}, {0x123456});
    {
        std::ofstream out(dir_ / "pic.bmp", std::ios::binary);
        out.write(reinterpret_cast<const char*>(bmp.data()), std::streamsize(bmp.size()));
    }
    write("ids.h", "#define IDB_PIC 12\n");
    std::string script = write("good.rc",
                               "#include \"ids.h\"\nIDB_PIC BITMAP \"pic.bmp\"\n"
                               "3 DIALOG 0,0,1,1\nCAPTION \"9\\x3F? \\\\ \"\"\"\nBEGIN\nEND\n");
    ToolRun run = runKvrc("--table mytable --depfile " + path("out.d") + " -o " + path("out.cpp") + " " + script);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    std::string source = read("out.cpp");
    EXPECT_NE(source.find("table.name = \"mytable\";"), std::string::npos);
    EXPECT_NE(source.find("win::registerResourceTable(&table)"), std::string::npos);
    EXPECT_NE(source.find("win::unregisterResourceTable(&table)"), std::string::npos);
    EXPECT_NE(source.find("table.bitmaps[12]"), std::string::npos);
    // Question marks and quotes are escaped so that no trigraph or stray quote can form.
    EXPECT_NE(source.find("d.caption = \"9\\077\\077 \\\\ \\\"\";"), std::string::npos) << source;
    std::string deps = read("out.d");
    EXPECT_EQ(deps.rfind(path("out.cpp") + ":", 0), 0u) << deps;
    EXPECT_NE(deps.find(path("ids.h")), std::string::npos) << deps;
    EXPECT_NE(deps.find(path("pic.bmp")), std::string::npos) << deps;
}

TEST_F(KvrcTest, MissingArgumentsShowUsage) {
    ToolRun run = runKvrc("--table t");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.output.find("usage"), std::string::npos);
}

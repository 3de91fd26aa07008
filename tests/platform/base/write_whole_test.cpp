#include "base/write_whole.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <thread>

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace fs = std::filesystem;

namespace {

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int entriesIn(const fs::path& folder) {
    return static_cast<int>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

// The size of the save's temporary file in folder, -1 while there is none.
long long temporarySize(const fs::path& folder, const fs::path& target) {
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec))
        if (entry.path() != target) return static_cast<long long>(fs::file_size(entry.path(), ec));
    return -1;
}

}  // namespace

TEST(WriteWhole, WritesNewAndReplacesOldLeavingNothingElse) {
    TempFolder dir;
    fs::path target = dir.path() / "stock1.shp";
    ASSERT_TRUE(base::writeFileWhole(target, "first").ok);
    mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(static_cast<mode_t>(fs::status(target).permissions()), 0666 & ~mask);  // the usual, not private
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    base::WriteResult second = base::writeFileWhole(target, std::string_view("sec\0ond", 7));
    ASSERT_TRUE(second.ok) << second.error;
    EXPECT_EQ(readAll(target), std::string("sec\0ond", 7));
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);  // kept
    EXPECT_EQ(entriesIn(dir.path()), 1);
}

TEST(WriteWhole, FailureSaysWhyAndLeavesTheOldFile) {
    TempFolder dir;
    base::WriteResult missing = base::writeFileWhole(dir.path() / "no folder" / "a.txt", "x");
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.error.find("no folder"), std::string::npos) << missing.error;

    fs::create_directory(dir.path() / "sub");
    base::WriteResult folder = base::writeFileWhole(dir.path() / "sub", "x");
    EXPECT_FALSE(folder.ok);
    EXPECT_TRUE(fs::is_directory(dir.path() / "sub"));

    fs::path target = dir.path() / "keep.txt";
    ASSERT_TRUE(base::writeFileWhole(target, "old").ok);
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    bool refused = !base::writeFileWhole(target, "new").ok;
    fs::permissions(dir.path(), fs::perms::owner_all);
    if (geteuid() != 0) {
        EXPECT_TRUE(refused);  // root writes into any folder
    }
    EXPECT_EQ(readAll(target), refused ? "old" : "new");
    EXPECT_EQ(entriesIn(dir.path()), 2);  // keep.txt and sub
}

TEST(WriteWhole, ProcessKilledInTheMiddleOfALargeSaveLeavesTheOldFile) {
    TempFolder dir;
    fs::path target = dir.path() / "sheet.kvs";
    ASSERT_TRUE(base::writeFileWhole(target, "old contents").ok);
    const std::size_t size = 256u << 20;

    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::string big(size, 'n');
        base::writeFileWhole(target, big);
        _exit(0);
    }
    // Kill the writer once its temporary file holds part of the new contents.
    long long seen = -1;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline) {
        seen = temporarySize(dir.path(), target);
        if (seen > 0 && seen < static_cast<long long>(size / 2)) break;
        std::this_thread::yield();
    }
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the save ended before it could be interrupted";
    ASSERT_GT(seen, 0);
    EXPECT_EQ(readAll(target), "old contents");
}

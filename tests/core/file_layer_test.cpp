#include "core/file_name_check.h"
#include "core/file_layer.h"
#include "core/path_mapping.h"

#include <csignal>
#include <fstream>
#include <sys/resource.h>

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace fs = std::filesystem;

namespace {

void writeRaw(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string readRaw(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(PathMapping, FindsComponentsWithoutRegardToCase) {
    TempFolder lib;
    writeRaw(lib.path() / "cutting stock" / "set" / "stock1.shp",
             "1\xBF"
             "2\r\n");
    Kv_String path = Kv_String(lib.text()) + "Cutting Stock\\Set\\stock1.shp";
    EXPECT_EQ(kvMapPath(path), lib.path() / "cutting stock" / "set" / "stock1.shp");
    Kv_StringArray lines;
    ASSERT_TRUE(ObjectExportReadFile(path, lines));
    EXPECT_EQ(lines, (Kv_StringArray{"1\xBF"
                                     "2"}));
}

TEST(PathMapping, NewComponentsKeepTheSpellingGiven) {
    TempFolder lib;
    fs::create_directories(lib.path() / "prof");
    Kv_String path = Kv_String(lib.text()) + "PROF\\New Folder\\Mine.pr";
    ASSERT_TRUE(ObjectExportWriteFile(path, {"x"}));
    EXPECT_TRUE(fs::exists(lib.path() / "prof" / "New Folder" / "Mine.pr"));
    EXPECT_FALSE(fs::exists(lib.path() / "PROF"));
}

TEST(PathMapping, PrefersExactSpellingWhenCasesCollide) {
    TempFolder lib;
    writeRaw(lib.path() / "a.txt", "lower");
    writeRaw(lib.path() / "A.txt", "upper");
    Kv_StringArray lines;
    ASSERT_TRUE(ObjectExportReadFile(Kv_String(lib.text()) + "A.txt", lines));
    EXPECT_EQ(lines[0], "upper");
    ASSERT_TRUE(ObjectExportReadFile(Kv_String(lib.text()) + "a.TXT", lines));
    EXPECT_EQ(lines[0], "upper");  // no exact match: first in byte order ('A' < 'a')
}

TEST(PathMapping, MixedSeparatorsDotsAndRepeatedSeparators) {
    TempFolder lib;
    writeRaw(lib.path() / "Prof" / "HEA.pr", "x");
    Kv_String path = Kv_String(lib.text()) + "prof\\\\.\\sub\\..\\hea.PR";
    // ".." takes back the component before it, even one that does not exist on disk.
    EXPECT_TRUE(ObjectExportFileExists(path));
    EXPECT_TRUE(ObjectExportFileExists(Kv_String(lib.text()) + "prof//./hea.PR"));
    EXPECT_EQ(kvMapPath(""), std::filesystem::path());
}

TEST(PathMapping, CodePageNamesBecomeUtf8OnDisk) {
    TempFolder lib;
    ASSERT_TRUE(ObjectExportWriteFile(Kv_String(lib.text()) + "Ma\xDF"
                                                              "e.txt",
                                      {"1"}));
    EXPECT_TRUE(fs::exists(lib.path() / "Ma\xC3\x9F"
                                        "e.txt"));
    Kv_StringArray found;
    ASSERT_TRUE(ObjectExportFindFiles(lib.text(), "*.txt", found));
    ASSERT_EQ(found.length(), 1);
    EXPECT_TRUE(
        found[0].endsWith("Ma\xDF"
                          "e.txt"));
}

TEST(FileLayer, LinesRoundTripWithLineEnds) {
    TempFolder dir;
    Kv_String path = Kv_String(dir.text()) + "lines.txt";
    Kv_StringArray lines{"first", "", "\xB0 last"};
    ASSERT_TRUE(ObjectExportWriteFile(path, lines));
    EXPECT_EQ(readRaw(dir.path() / "lines.txt"), "first\r\n\r\n\xB0 last\r\n");
    Kv_StringArray back{"stale"};
    ASSERT_TRUE(ObjectExportReadFile(path, back));
    EXPECT_EQ(back, lines);
}

TEST(FileLayer, ReadsUnixLineEndsAndUnterminatedLastLine) {
    TempFolder dir;
    writeRaw(dir.path() / "f.txt", "a\nb\r\nc");
    Kv_StringArray lines;
    ASSERT_TRUE(ObjectExportReadFile(Kv_String(dir.text()) + "f.txt", lines));
    EXPECT_EQ(lines, (Kv_StringArray{"a", "b", "c"}));
}

TEST(FileLayer, FailedReadLeavesLines) {
    TempFolder dir;
    Kv_StringArray lines{"kept"};
    EXPECT_FALSE(ObjectExportReadFile(Kv_String(dir.text()) + "missing.txt", lines));
    EXPECT_FALSE(ObjectExportReadFile(Kv_String(dir.text()), lines));  // a folder is no file
    EXPECT_EQ(lines, (Kv_StringArray{"kept"}));
}

TEST(FileLayer, LineBreakInsideAnElementWritesNothing) {
    TempFolder dir;
    Kv_String path = Kv_String(dir.text()) + "keep.txt";
    ASSERT_TRUE(ObjectExportWriteFile(path, {"old"}));
    EXPECT_FALSE(ObjectExportWriteFile(path, {"new", "two\nlines"}));
    EXPECT_EQ(readRaw(dir.path() / "keep.txt"), "old\r\n");
}

TEST(FileLayer, FailedWriteLeavesOldFileAndNoTemporary) {
    TempFolder dir;
    Kv_String path = Kv_String(dir.text()) + "sub\\keep.txt";
    ASSERT_TRUE(ObjectExportWriteFile(path, {"old"}));
    // A file size limit makes the write fail half way, as a full disk would.
    signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &small);
    bool wrote = ObjectExportWriteFile(path, {std::string(5000, 'x')});
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(wrote);
    EXPECT_EQ(readRaw(dir.path() / "sub" / "keep.txt"), "old\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "sub"), fs::directory_iterator()), 1);
}

TEST(FileLayer, WriteLeavesNoTemporaryBehind) {
    TempFolder dir;
    ASSERT_TRUE(ObjectExportWriteFile(Kv_String(dir.text()) + "a.txt", {"x"}));
    ASSERT_TRUE(ObjectExportWriteFile(Kv_String(dir.text()) + "a.txt", {"y"}));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(FileLayer, FindFilesMatchesPatternIgnoringCaseInNameOrder) {
    TempFolder dir;
    for (const char* name : {"Stock1.shp", "stock7.SHP", "Stockx.shp", "Stock9.buy"})
        writeRaw(dir.path() / "set" / name, "");
    fs::create_directories(dir.path() / "set" / "folder.shp");
    Kv_StringArray files{"existing"};
    Kv_String folder = Kv_String(dir.text()) + "SET";
    ASSERT_TRUE(ObjectExportFindFiles(folder, "stock*.shp", files));
    EXPECT_EQ(files,
              (Kv_StringArray{"existing", folder + "\\Stock1.shp", folder + "\\Stockx.shp", folder + "\\stock7.SHP"}));
    Kv_StringArray none;
    EXPECT_FALSE(ObjectExportFindFiles(Kv_String(dir.text()) + "nowhere", "*", none));
    EXPECT_TRUE(ObjectExportFindFiles(folder, "St?ck9.*", none));
    EXPECT_EQ(none.length(), 1);
}

TEST(FileLayer, RecursiveFindJoinsSubfoldersWithBackslash) {
    TempFolder dir;
    writeRaw(dir.path() / "Design" / "b.txt", "");
    writeRaw(dir.path() / "Design" / "sub" / "a.txt", "");
    writeRaw(dir.path() / "Design" / "sub" / "a.bmp", "");
    Kv_String folder = Kv_String(dir.text()) + "design\\";
    Kv_StringArray files;
    ASSERT_TRUE(ObjectExportFindFilesRecursive(folder, "*.txt", files));
    EXPECT_EQ(files, (Kv_StringArray{folder + "b.txt", folder + "sub\\a.txt"}));
}

TEST(FileLayer, CreateDirectoryMakesParentsAndAcceptsExisting) {
    TempFolder dir;
    Kv_String folder = Kv_String(dir.text()) + "Cutting Stock\\Set A\\";
    EXPECT_TRUE(ObjectExportCreateDirectory(folder));
    EXPECT_TRUE(fs::is_directory(dir.path() / "Cutting Stock" / "Set A"));
    EXPECT_TRUE(ObjectExportCreateDirectory(Kv_String(dir.text()) + "cutting stock\\set a"));
    EXPECT_FALSE(fs::exists(dir.path() / "cutting stock"));
    writeRaw(dir.path() / "file", "");
    EXPECT_FALSE(ObjectExportCreateDirectory(Kv_String(dir.text()) + "file"));
}

TEST(FileLayer, FileTimeAndDelete) {
    TempFolder dir;
    Kv_String path = Kv_String(dir.text()) + "t.txt";
    std::int64_t time = -1;
    EXPECT_FALSE(ObjectExportGetFileTime(path, time));
    EXPECT_EQ(time, -1);
    ASSERT_TRUE(ObjectExportWriteFile(path, {}));
    fs::last_write_time(dir.path() / "t.txt", fs::file_time_type::clock::from_sys(
                                                  std::chrono::sys_seconds(std::chrono::seconds(1700000000))));
    ASSERT_TRUE(ObjectExportGetFileTime(Kv_String(dir.text()) + "T.TXT", time));
    EXPECT_EQ(time, 1700000000);
    EXPECT_TRUE(deleteFile(Kv_String(dir.text()) + "T.txt"));
    EXPECT_FALSE(fs::exists(dir.path() / "t.txt"));
    EXPECT_FALSE(deleteFile(path));
    EXPECT_FALSE(deleteFile(dir.text()));  // never a folder
}

TEST(FileLayer, CopyAndRename) {
    TempFolder dir;
    Kv_String a = Kv_String(dir.text()) + "a.bmp";
    ASSERT_TRUE(ObjectExportWriteBytes(a, std::string("BM\0\x01", 4)));
    ASSERT_TRUE(ObjectExportCopyFile(a, Kv_String(dir.text()) + "sub\\b.bmp"));
    EXPECT_EQ(readRaw(dir.path() / "sub" / "b.bmp"), std::string("BM\0\x01", 4));
    EXPECT_FALSE(ObjectExportRenameFile(a, Kv_String(dir.text()) + "SUB\\B.bmp"));  // target exists
    EXPECT_TRUE(ObjectExportRenameFile(a, Kv_String(dir.text()) + "A.bmp"));        // only the case changes
    EXPECT_TRUE(fs::exists(dir.path() / "A.bmp"));
    EXPECT_FALSE(fs::exists(dir.path() / "a.bmp"));
}

TEST(PathTexts, FileNameAndExtensions) {
    Kv_String name;
    EXPECT_TRUE(getFileName("Dialog Templates\\Dialog Design\\plate.txt", name));
    EXPECT_EQ(name, "plate.txt");
    EXPECT_TRUE(getFileName("/tmp/x/y.bmp", name));
    EXPECT_EQ(name, "y.bmp");
    name = "unchanged";
    EXPECT_FALSE(getFileName("folder\\", name));
    EXPECT_EQ(name, "unchanged");

    Kv_String path("prof.d\\HEA.pr");
    EXPECT_TRUE(removeExtension(path));
    EXPECT_EQ(path, "prof.d\\HEA");
    EXPECT_FALSE(removeExtension(path));  // the dot belongs to the folder
    EXPECT_TRUE(changeExtension(path, "bmp"));
    EXPECT_EQ(path, "prof.d\\HEA.bmp");
    EXPECT_TRUE(changeExtension(path, ".txt"));
    EXPECT_EQ(path, "prof.d\\HEA.txt");

    Kv_String folder("lib");
    EXPECT_TRUE(ensureEndBSlash(folder));
    EXPECT_EQ(folder, "lib\\");
    EXPECT_TRUE(ensureEndBSlash(folder));
    EXPECT_EQ(folder, "lib\\");
    Kv_String slash("lib/");
    EXPECT_TRUE(ensureEndBSlash(slash));
    EXPECT_EQ(slash, "lib/");
    Kv_String empty;
    EXPECT_FALSE(ensureEndBSlash(empty));
}

TEST(PathTexts, FileNamesValidOnEverySystem) {
    for (const char* good : {"Stock1", "mine.shp", "Plate 10x200", "console.txt", "COM0", "\xE9t\xE9"})
        EXPECT_TRUE(isValidFileName(good)) << good;
    for (const char* bad : {"", "a/b", "a\\b", "what?", "x:y", "a|b", "quote\"", "end.", "end ", "CON", "nul.txt",
                            "com1", "LPT9.dat", "tab\there"})
        EXPECT_FALSE(isValidFileName(bad)) << bad;
    EXPECT_FALSE(isValidFileName(Kv_String(std::string(256, 'a'))));
}

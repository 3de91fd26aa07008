#include "base/path_text.h"

#include <fstream>

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace fs = std::filesystem;

TEST(PathText, ResolvesEachComponentIgnoringCaseAndEitherSeparator) {
    TempFolder dir;
    fs::create_directories(dir.path() / "Cutting Stock" / "set");
    std::ofstream(dir.path() / "Cutting Stock" / "set" / "Stock1.SHP") << "x";
    std::string text = dir.path().string() + "\\cutting stock/SET\\stock1.shp";
    EXPECT_EQ(base::mapPath(text), dir.path() / "Cutting Stock" / "set" / "Stock1.SHP");
    // What does not exist keeps the spelling given, below the part that does.
    EXPECT_EQ(base::mapPath(dir.path().string() + "\\CUTTING STOCK\\New\\A.shp"),
              dir.path() / "Cutting Stock" / "New" / "A.shp");
}

TEST(PathText, NonAsciiNamesAreUtf8OnDiskAndMatchInAnyCase) {
    TempFolder dir;
    fs::create_directories(dir.path() / "\xC3\x84pfel");                   // Äpfel
    std::ofstream(dir.path() / "\xC3\x84pfel" / "\xC3\x96se.kvs") << "x";  // Öse.kvs
    std::string text = dir.path().string() + "\\\xE4PFEL\\\xF6SE.KVS";     // äPFEL\öSE.KVS
    EXPECT_EQ(base::mapPath(text), dir.path() / "\xC3\x84pfel" / "\xC3\x96se.kvs");
    EXPECT_EQ(base::nameFromDisk("\xC3\x96se.kvs"), "\xD6se.kvs");
    EXPECT_EQ(base::mapPath("\xE4\\x"), fs::path("\xC3\xA4/x"));
}

TEST(PathText, ExactSpellingWinsWhenNamesDifferOnlyInCase) {
    TempFolder dir;
    std::ofstream(dir.path() / "b.txt") << "x";
    std::ofstream(dir.path() / "B.txt") << "x";
    EXPECT_EQ(base::mapPath(dir.path().string() + "/B.txt"), dir.path() / "B.txt");
    EXPECT_EQ(base::mapPath(dir.path().string() + "/b.TXT"), dir.path() / "B.txt");  // first in byte order
}

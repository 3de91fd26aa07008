#include "image_builders.h"
#include "win/bitmap.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <unistd.h>

using winres_test::IconPicture;
using winres_test::makeBmp;
using winres_test::makeIco;
using winres_test::makeIconDib;

namespace {

constexpr uint32_t kOpaque = 0xFF000000;

win::LoadResult decode(const std::vector<uint8_t>& bytes) { return win::decodeImage(bytes.data(), bytes.size()); }

std::filesystem::path tempFile(const std::string& name) {
    return std::filesystem::temp_directory_path() / ("winres_" + std::to_string(::getpid()) + "_" + name);
}

std::vector<uint8_t> readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A 3x2 picture whose every pixel differs, so that a flipped row or swapped channel shows.
const std::vector<uint32_t> kColours = {0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0xFFFFFF, 0x000000};

}  // namespace

TEST(ImageDecode, Bmp24BitKeepsRowOrderAndChannels) {
    win::LoadResult r = decode(makeBmp(3, 2, 24, {}, kColours));
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.bitmap.width, 3);
    EXPECT_EQ(r.bitmap.height, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(r.bitmap.at(x, y), kOpaque | kColours[y * 3 + x]) << x << "," << y;
}

TEST(ImageDecode, TopDownBmpIsNotFlipped) {
    win::LoadResult r = decode(makeBmp(3, 2, 24, {}, kColours, true));
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.bitmap.height, 2);
    EXPECT_EQ(r.bitmap.at(0, 0), kOpaque | 0xFF0000);
    EXPECT_EQ(r.bitmap.at(2, 1), kOpaque | 0x000000);
}

TEST(ImageDecode, PalettedBmpsOfEightFourAndOneBit) {
    const std::vector<uint32_t> palette = {0x000000, 0xFFFFFF, 0xC0C0C0, 0x808000};
    // Nine pixels wide so that the one-bit rows use a second byte and padding.
    std::vector<uint32_t> indices;
    for (int i = 0; i < 18; ++i) indices.push_back(i % 2 ? 1 : 0);
    for (int bits : {1, 4, 8}) {
        std::vector<uint32_t> pal = bits == 1 ? std::vector<uint32_t>{palette[0], palette[1]} : palette;
        std::vector<uint32_t> idx = indices;
        if (bits > 1) idx[17] = 3;
        win::LoadResult r = decode(makeBmp(9, 2, bits, pal, idx));
        ASSERT_TRUE(r.ok) << bits << " bit: " << r.error;
        EXPECT_EQ(r.bitmap.width, 9);
        EXPECT_EQ(r.bitmap.at(0, 0), kOpaque | 0x000000) << bits;
        EXPECT_EQ(r.bitmap.at(1, 0), kOpaque | 0xFFFFFF) << bits;
        EXPECT_EQ(r.bitmap.at(8, 0), kOpaque | 0x000000) << bits;
        EXPECT_EQ(r.bitmap.at(8, 1), kOpaque | (bits > 1 ? 0x808000 : 0xFFFFFF)) << bits;
    }
}

TEST(ImageDecode, Bmp32BitKeepsAlpha) {
    win::LoadResult r = decode(makeBmp(2, 1, 32, {}, {0x80FF0000, 0xFF00FF00}));
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.bitmap.at(0, 0), 0x80FF0000u);
    EXPECT_EQ(r.bitmap.at(1, 0), 0xFF00FF00u);
}

TEST(ImageDecode, PngWrittenAndReadBackIsIdentical) {
    win::Bitmap original;
    original.width = 3;
    original.height = 2;
    original.pixels = {0xFFFF0000, 0x7F00FF00, 0x000000FF, 0xFF123456, 0x01FFFFFF, 0xFF000000};
    auto path = tempFile("roundtrip.png");
    ASSERT_TRUE(win::savePng(original, path.string()));
    EXPECT_FALSE(std::filesystem::exists(path.string() + ".tmp"));
    win::LoadResult r = win::loadImageFile(path.string());
    std::filesystem::remove(path);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.bitmap.width, 3);
    EXPECT_EQ(r.bitmap.height, 2);
    EXPECT_EQ(r.bitmap.pixels, original.pixels);
}

TEST(ImageDecode, SavePngRefusesInconsistentBitmap) {
    win::Bitmap broken;
    broken.width = 4;
    broken.height = 4;
    broken.pixels.resize(3);
    auto path = tempFile("broken.png");
    EXPECT_FALSE(win::savePng(broken, path.string()));
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(ImageDecode, IcoChoosesLargestEntryAndAppliesMask) {
    std::vector<uint32_t> small(4, 0x0000FF);
    std::vector<uint32_t> large(9, 0x00FF00);
    std::vector<bool> mask(9, false);
    mask[0] = true;  // top-left corner transparent
    auto ico = makeIco({{2, 2, 24, makeIconDib(2, 2, small, std::vector<bool>(4, false))},
                        {3, 3, 24, makeIconDib(3, 3, large, mask)}});
    win::LoadResult r = decode(ico);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.bitmap.width, 3);
    EXPECT_EQ(r.bitmap.height, 3);
    EXPECT_EQ(r.bitmap.at(0, 0) >> 24, 0u);
    EXPECT_EQ(r.bitmap.at(1, 0), kOpaque | 0x00FF00);
    EXPECT_EQ(r.bitmap.at(2, 2), kOpaque | 0x00FF00);
}

TEST(ImageDecode, IcoWithPngEntry) {
    win::Bitmap picture;
    picture.width = 4;
    picture.height = 4;
    picture.pixels.assign(16, 0xFFABCDEF);
    auto path = tempFile("entry.png");
    ASSERT_TRUE(win::savePng(picture, path.string()));
    std::vector<uint8_t> png = readBytes(path);
    std::filesystem::remove(path);
    auto ico = makeIco({{1, 1, 24, makeIconDib(1, 1, {0xFF0000}, {false})}, {4, 4, 32, png}});
    win::LoadResult r = decode(ico);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.bitmap.width, 4);
    EXPECT_EQ(r.bitmap.at(3, 3), 0xFFABCDEFu);
}

TEST(ImageDecode, BadDataGivesErrorNotCrash) {
    std::vector<uint8_t> bmp = makeBmp(3, 2, 24, {}, kColours);
    std::vector<uint8_t> ico =
        makeIco({{3, 3, 24, makeIconDib(3, 3, std::vector<uint32_t>(9, 0), std::vector<bool>(9, false))}});
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    };
    std::vector<Case> cases = {
        {"empty", {}},
        {"garbage", {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'}},
        {"bmp signature only", {'B', 'M'}},
        {"bmp header cut", std::vector<uint8_t>(bmp.begin(), bmp.begin() + 30)},
        {"png signature only", {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}},
        {"ico without entries", {0, 0, 1, 0, 0, 0}},
        {"ico directory cut", std::vector<uint8_t>(ico.begin(), ico.begin() + 12)},
        {"ico picture cut", std::vector<uint8_t>(ico.begin(), ico.begin() + 40)},
    };
    // A BMP claiming an enormous size must be refused before anything is allocated.
    std::vector<uint8_t> huge = bmp;
    huge[18] = 0xFF;
    huge[19] = 0xFF;
    huge[20] = 0xFF;
    huge[21] = 0x00;
    cases.push_back({"huge dimensions", huge});
    for (const Case& c : cases) {
        win::LoadResult r = decode(c.bytes);
        EXPECT_FALSE(r.ok) << c.what;
        EXPECT_FALSE(r.error.empty()) << c.what;
    }
    EXPECT_FALSE(win::decodeImage(nullptr, 10).ok);
}

TEST(ImageDecode, TruncatedPixelRowsAreRefused) {
    std::vector<uint8_t> bmp = makeBmp(3, 2, 24, {}, kColours);
    bmp.erase(bmp.end() - 5, bmp.end());
    EXPECT_FALSE(decode(bmp).ok);
}

TEST(ImageDecode, MissingFileNamesThePath) {
    win::LoadResult r = win::loadImageFile("/nonexistent/winres/picture.bmp");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("/nonexistent/winres/picture.bmp"), std::string::npos);
}

TEST(ImageDecode, AtOutsideTheImageIsZero) {
    win::LoadResult r = decode(makeBmp(3, 2, 24, {}, kColours));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.bitmap.at(-1, 0), 0u);
    EXPECT_EQ(r.bitmap.at(3, 0), 0u);
    EXPECT_EQ(r.bitmap.at(0, 2), 0u);
}

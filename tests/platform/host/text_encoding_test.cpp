#include "host/text_encoding.h"

#include <gtest/gtest.h>

TEST(TextEncoding, EveryCodePageByteSurvivesARoundTrip) {
    std::string all;
    for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
    EXPECT_EQ(host::utf8ToCp1252(host::cp1252ToUtf8(all)), all);
}

TEST(TextEncoding, MapsTheHighBlockToItsCharacters) {
    EXPECT_EQ(host::cp1252ToUtf8("\x80\xA4\xB0\xBF"), "\xE2\x82\xAC\xC2\xA4\xC2\xB0\xC2\xBF");
    EXPECT_EQ(host::cp1252ToUtf8("\x9F"), "\xC5\xB8");
}

TEST(TextEncoding, UnmappableAndMalformedInputBecomesReplacement) {
    EXPECT_EQ(host::utf8ToCp1252("a\xE4\xB8\xAD" "b"), "a?b");       // a CJK character
    EXPECT_EQ(host::utf8ToCp1252("a\xC3"), "a?");                    // cut short
    EXPECT_EQ(host::utf8ToCp1252("\xFF\x80z", '_'), "__z");           // stray bytes
    EXPECT_EQ(host::utf8ToCp1252("\xF0\x9F\x98\x80"), "?");          // outside the BMP
}

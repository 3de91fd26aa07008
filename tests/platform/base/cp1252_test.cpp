#include "base/cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
    std::string utf8 = base::cp1252ToUtf8(all);
    EXPECT_EQ(base::utf8ToCp1252(utf8), all);
    // Every byte is one character of its own: no two bytes share a code point.
    for (int c = 0; c < 256; ++c)
        for (int d = c + 1; d < 256; ++d)
            ASSERT_NE(base::codePointOf1252(static_cast<unsigned char>(c)),
                      base::codePointOf1252(static_cast<unsigned char>(d)));
}

TEST(Cp1252, MapsTheHighBlockAndTheUndefinedBytes) {
    EXPECT_EQ(base::cp1252ToUtf8("HEA 200"), "HEA 200");
    EXPECT_EQ(base::cp1252ToUtf8("\x80\xA4\xB0\xBF\xE4"), "\xE2\x82\xAC\xC2\xA4\xC2\xB0\xC2\xBF\xC3\xA4");
    EXPECT_EQ(base::cp1252ToUtf8("\x9F\x8A"), "\xC5\xB8\xC5\xA0");
    // The undefined bytes are the C1 controls of the same number.
    EXPECT_EQ(base::cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
    EXPECT_EQ(base::cp1252ToUtf8(std::string_view("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Cp1252, ReadsLatin1StoredBytesAndReplacesWhatItCannotHold) {
    EXPECT_EQ(base::utf8ToCp1252("\xC2\x80\xC2\x9F"), "\x80\x9F");  // bytes once stored as Latin-1
    EXPECT_EQ(base::utf8ToCp1252("a\xE4\xB8\xAD"
                                 "b"),
              "a?b");                                        // a CJK character
    EXPECT_EQ(base::utf8ToCp1252("a\xC3"), "a?");            // cut short
    EXPECT_EQ(base::utf8ToCp1252("\xFF\x80z", '_'), "__z");  // stray bytes
    EXPECT_EQ(base::utf8ToCp1252("\xF0\x9F\x98\x80"), "?");  // outside the BMP
}

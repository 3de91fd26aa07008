#include "base/case_fold.h"

#include <gtest/gtest.h>

TEST(CaseFold, FoldsEveryLetterOfTheCodePageBothWays) {
    // Each upper-case letter and its lower-case partner, including the accented ones.
    const std::string upper = "AZ\xC0\xC4\xD6\xDC\xDE\x8A\x8C\x8E\x9F";
    const std::string lower = "az\xE0\xE4\xF6\xFC\xFE\x9A\x9C\x9E\xFF";
    EXPECT_EQ(base::lowerCase1252(upper), lower);
    EXPECT_EQ(base::upperCase1252(lower), upper);
    // Signs between the letters stay: multiplication, division, sharp s, micro.
    EXPECT_EQ(base::lowerCase1252("\xD7\xDF\xB5"), "\xD7\xDF\xB5");
    EXPECT_EQ(base::upperCase1252("\xF7\xDF\xB5"), "\xF7\xDF\xB5");
    for (int c = 0; c < 256; ++c) {
        char ch = static_cast<char>(c);
        EXPECT_EQ(base::toLower1252(base::toUpper1252(ch)), base::toLower1252(ch)) << c;
    }
}

TEST(CaseFold, ComparesIgnoringCaseOverTheWholeCodePage) {
    EXPECT_TRUE(base::equalIgnoringCase("\xC4RGER", "\xE4rger"));  // ÄRGER, ärger
    EXPECT_TRUE(base::startsWithIgnoringCase("\xD6se", "\xF6"));   // Öse starts with ö
    EXPECT_FALSE(base::equalIgnoringCase("\xC4rger", "Arger"));
    EXPECT_FALSE(base::equalIgnoringCase("ab", "abc"));
    EXPECT_LT(base::compareIgnoringCase("ab", "ABC"), 0);
    EXPECT_GT(base::compareIgnoringCase("b", "A"), 0);
    // Lower-case bytes are compared: '_' sorts before the letters.
    EXPECT_LT(base::compareIgnoringCase("_", "Z"), 0);
}

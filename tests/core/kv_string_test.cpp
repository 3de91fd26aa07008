#include "core/kv_string.h"

#include <gtest/gtest.h>

TEST(KvString, BuildsFromNumbers) {
    EXPECT_EQ(Kv_String(-42), "-42");
    EXPECT_EQ(Kv_String(2.345, 2), "2.35");
    EXPECT_EQ(Kv_String(2.0, 0), "2");
    EXPECT_EQ(Kv_String(0.1, -1), "0.1");
}

TEST(KvString, ValueRoundingToZeroHasNoMinusSign) {
    EXPECT_EQ(Kv_String(-0.001, 2), "0.00");
    EXPECT_EQ(Kv_String(-0.006, 2), "-0.01");
}

TEST(KvString, FlagIgnoresCaseIncludingAccentedLetters) {
    Kv_String a(
        "Stra\xC4"
        "e");  // A-umlaut capital
    Kv_String b(
        "stra\xE4"
        "E");
    EXPECT_FALSE(a.equal(b));
    EXPECT_TRUE(a.equal(b, true));
    EXPECT_TRUE(Kv_String("\x8A"
                          "x")
                    .equal("\x9A"
                           "X",
                           true));  // S-caron pair of the 0x80 block
    // The multiplication and division signs sit between the accented letters but are no letters.
    EXPECT_FALSE(Kv_String("\xD7").equal("\xF7", true));
}

TEST(KvString, SearchesWithAndWithoutCase) {
    Kv_String text("Dialog Templates\\Dialog Design\\");
    EXPECT_TRUE(text.startsWith("dialog", true));
    EXPECT_FALSE(text.startsWith("dialog"));
    EXPECT_TRUE(text.endsWith("DESIGN\\", true));
    EXPECT_TRUE(text.hasSubString("Templates"));
    EXPECT_FALSE(text.hasSubString("templates"));
    EXPECT_EQ(text.findFirst("Dialog", false, 1), 17);
    EXPECT_EQ(text.findLast("dialog", true), 17);
    EXPECT_EQ(text.findFirst("missing"), -1);
    EXPECT_EQ(text.findFirst("Dialog", false, 99), -1);
    EXPECT_FALSE(Kv_String("ab").startsWith("abc"));
}

TEST(KvString, EditingRejectsPositionsOutsideAndLeavesTextAlone) {
    Kv_String text("abc");
    EXPECT_FALSE(text.insertAt(4, "x"));
    EXPECT_FALSE(text.insertAt(-1, "x"));
    EXPECT_FALSE(text.removeAt(3));
    EXPECT_EQ(text, "abc");
    EXPECT_TRUE(text.insertAt(3, "d"));
    EXPECT_TRUE(text.insertAt(0, ">"));
    EXPECT_EQ(text, ">abcd");
    EXPECT_TRUE(text.removeAt(1, 100));
    EXPECT_EQ(text, ">");
}

TEST(KvString, SubStringClipsToText) {
    Kv_String text("HEA 200");
    EXPECT_EQ(text.getSubStringAt(4), "200");
    EXPECT_EQ(text.getSubStringAt(4, 99), "200");
    EXPECT_EQ(text.getSubStringAt(0, 3), "HEA");
    EXPECT_EQ(text.getSubStringAt(7), "");
    EXPECT_EQ(text.getSubStringAt(-1, 2), "");
}

TEST(KvString, ReplacesEveryOccurrenceWithoutRescanning) {
    Kv_String text("aXbxc");
    EXPECT_EQ(text.replaceSubString("x", "xx", true), 2);
    EXPECT_EQ(text, "axxbxxc");
    Kv_String same("aaa");
    EXPECT_EQ(same.replaceSubString("", "b"), 0);
    EXPECT_EQ(same.replaceSubString("aa", "a"), 1);
    EXPECT_EQ(same, "aa");
}

TEST(KvString, NumbersReadLikeTheCLibrary) {
    EXPECT_EQ(Kv_String("  12abc").toInt(), 12);
    EXPECT_EQ(Kv_String("x12").toInt(), 0);
    EXPECT_EQ(Kv_String("99999999999").toInt(), 2147483647);
    EXPECT_DOUBLE_EQ(Kv_String("2.5e1mm").toDouble(), 25.0);
    EXPECT_TRUE(Kv_String(" -1.5e3 ").isNumber());
    EXPECT_FALSE(Kv_String("1.5mm").isNumber());
    EXPECT_FALSE(Kv_String("inf").isNumber());
    EXPECT_FALSE(Kv_String("").isNumber());
}

TEST(KvString, FindsFirstDigit) {
    EXPECT_EQ(Kv_String("HEA 200").findFirstNumbers(), 4);
    EXPECT_EQ(Kv_String("HEA").findFirstNumbers(), -1);
}

TEST(KvString, AppendWithNumberPutsABlankBetween) { EXPECT_EQ(append(Kv_String("Column"), 2), "Column 2"); }

TEST(KvString, CaseConversionCoversTheCodePage) {
    EXPECT_EQ(Kv_String("\xE9t\xE9 \xFF").toUpper(), "\xC9T\xC9 \x9F");
    EXPECT_EQ(Kv_String("\xC9T\xC9").toLower(), "\xE9t\xE9");
    EXPECT_EQ(Kv_String("\xDF").toUpper(), "\xDF");  // sharp s has no single-byte capital
}

TEST(KvString, TrimRemovesBlanksAndLineEnds) {
    Kv_String text(" \t a b\r\n");
    EXPECT_EQ(text.trim(), "a b");
}

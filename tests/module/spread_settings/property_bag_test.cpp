// PropertyBag: the text form shared by settings files and sheet tags, typed access, and what
// it does with damaged or unstorable input.
#include "core/property_bag.h"

#include <gtest/gtest.h>

#include "sheet_test_world.h"

using sheet_test::entry;

namespace {

TEST(PropertyBag, ReadsTypedEntriesAndMatchesNamesIgnoringCase) {
    PropertyBag bag;
    ASSERT_TRUE(bag.parse(entry("defaultFont", 4, "Arial") + entry("MARGINTOP", 2, "7") + entry("ratio", 1, "2.5") +
                          entry("big", 3, "123456789012")));
    Kv_String font;
    int top = 0;
    EXPECT_TRUE(bag.getString("DEFAULTFONT", font));
    EXPECT_EQ(font, "Arial");
    EXPECT_TRUE(bag.getInt("marginTop", top));
    EXPECT_EQ(top, 7);
    // Getters ask for one type only: a string is no int, a double or long is no int.
    EXPECT_FALSE(bag.getInt("defaultFont", top));
    EXPECT_FALSE(bag.getInt("ratio", top));
    EXPECT_FALSE(bag.getInt("big", top));
    EXPECT_FALSE(bag.getString("marginTop", font));
    EXPECT_EQ(top, 7);
    EXPECT_EQ(bag.entries()[3].longValue, 123456789012LL);
}

TEST(PropertyBag, ALaterEntryOfTheSameNameReplacesTheValueInPlace) {
    PropertyBag bag;
    ASSERT_TRUE(bag.parse(entry("a", 2, "1") + entry("b", 4, "x") + entry("A", 4, "now text")));
    ASSERT_EQ(bag.entries().size(), 2u);
    Kv_String text;
    EXPECT_TRUE(bag.getString("a", text));
    EXPECT_EQ(text, "now text");
    EXPECT_EQ(bag.entries()[0].name, "a");
}

TEST(PropertyBag, DamagedTextNeverFailsTheRestOfTheBag) {
    PropertyBag bag;
    // A type code that is no number counts as 0 (no value); an unknown code keeps the name
    // without a value; the trailing half entry is dropped.
    ASSERT_TRUE(bag.parse(entry("noNumber", 0, "1").replace(9, 1, "x") + entry("weird", 9, "5") +
                          entry("kept", 2, "3") +
                          "half\xA4"
                          "2\xA4"));
    ASSERT_EQ(bag.entries().size(), 3u);
    int value = 0;
    EXPECT_FALSE(bag.getInt("noNumber", value));
    EXPECT_FALSE(bag.getInt("weird", value));
    EXPECT_TRUE(bag.getInt("kept", value));
    EXPECT_EQ(value, 3);
    EXPECT_FALSE(bag.getInt("half", value));
    EXPECT_FALSE(bag.parse(""));
}

TEST(PropertyBag, WritesTheTextFormWithTypeCodesAndTwoDecimalDoubles) {
    PropertyBag bag;
    bag.setBool("colors", false);
    bag.setInt("marginLeft", -3);
    bag.setString("defaultFont", "Arial");
    bag.setFromFields("scale", "1", "0.126");
    Kv_String text;
    EXPECT_TRUE(bag.serialise(text));
    EXPECT_EQ(text.str(), entry("colors", 2, "0") + entry("marginLeft", 2, "-3") + entry("defaultFont", 4, "Arial") +
                              entry("scale", 1, "0.13"));
    PropertyBag again;
    ASSERT_TRUE(again.parse(text.view()));
    Kv_String back;
    EXPECT_TRUE(again.serialise(back));
    EXPECT_EQ(back, text);
}

TEST(PropertyBag, HugeDoublesAreWrittenWhole) {
    PropertyBag bag;
    bag.setFromFields("far", "1", "1e300");
    Kv_String text;
    bag.serialise(text);
    PropertyBag again;
    ASSERT_TRUE(again.parse(text.view()));
    EXPECT_EQ(again.entries()[0].doubleValue, 1e300);
}

TEST(PropertyBag, SettingAStringOverAnIntClearsTheOldValue) {
    PropertyBag bag;
    bag.setInt("x", 5);
    bag.setString("x", "five");
    bag.setInt("x", 6);
    Kv_String text;
    bag.serialise(text);
    EXPECT_EQ(text.str(), entry("x", 2, "6"));
}

TEST(PropertyBag, RefusesTheFieldEndByteAndKeepsTheRest) {
    PropertyBag bag;
    EXPECT_TRUE(bag.setString("before", "ok"));
    EXPECT_FALSE(bag.setString("value",
                               "a\xA4"
                               "b"));
    EXPECT_FALSE(bag.setInt("na\xA4me", 1));
    EXPECT_TRUE(bag.setString("after", "fine"));
    EXPECT_EQ(bag.entries().size(), 2u);
    // An entry that slipped in through its fields is left out of the text, the others stay
    // whole and aligned.
    bag.setFromFields("bad\xA4name", "2", "1");
    Kv_String text;
    EXPECT_FALSE(bag.serialise(text));
    EXPECT_EQ(text.str(), entry("before", 4, "ok") + entry("after", 4, "fine"));
}

TEST(PropertyBag, ReadsFilesAsTextAndFailsOnlyForMissingOnes) {
    TempFolder folder;
    sheet_test::writeBytes(folder.file("a.twd"), entry("defaultFont", 4, "Arial") + "\r\n" + entry("x", 2, "1"));
    PropertyBag bag;
    ASSERT_TRUE(bag.readFile(folder.file("a.twd")));
    int x = 0;
    EXPECT_TRUE(bag.getInt("\nx", x));
    EXPECT_EQ(x, 1);
    EXPECT_FALSE(bag.readFile(folder.file("missing.twd")));
    sheet_test::writeBytes(folder.file("empty.twd"), "");
    EXPECT_TRUE(bag.readFile(folder.file("empty.twd")));
    EXPECT_TRUE(bag.entries().empty());
}

}  // namespace

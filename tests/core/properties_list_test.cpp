#include "core/kv_properties_list.h"

#include <cmath>
#include <cstring>
#include <limits>

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace {

Kv_PropertiesList sampleList() {
    Kv_PropertiesList list;
    list.setProperty("nrOfControls", 2);
    list.setProperty("topLeftX0", 0.1);
    list.setProperty("topLeftY0", 1.0 / 3.0);
    list.setProperty("tiny", 4.9406564584124654e-324);
    list.setProperty("negativeZero", -0.0);
    list.setProperty("huge", std::numeric_limits<double>::infinity());
    list.setProperty("contents0", Kv_String("Width\tof\\plate\r\n0\xB0 \x01"));
    list.setProperty("name with blanks = and ;", "");
    return list;
}

}  // namespace

TEST(KvPropertiesList, FileRoundTripsEveryValueExactly) {
    TempFolder dir;
    Kv_PropertiesList written = sampleList();
    written.setProperty("nan", std::nan("0x5"));
    Kv_String path = Kv_String(dir.text()) + "template.txt";
    ASSERT_TRUE(written.writeToFile(path));
    Kv_PropertiesList read;
    ASSERT_TRUE(read.readFromFile(path));
    EXPECT_EQ(read, written);
    double nan = 0;
    ASSERT_EQ(read.getProperty("nan", nan), Acad::eOk);
    double expected = std::nan("0x5");
    EXPECT_EQ(std::memcmp(&nan, &expected, sizeof nan), 0);
    EXPECT_EQ(read.names(), written.names());  // order survives
}

TEST(KvPropertiesList, MissingNameLeavesCallerValue) {
    Kv_PropertiesList list = sampleList();
    int count = 77;
    double x = 7.5;
    Kv_String text("kept");
    EXPECT_EQ(list.getProperty("absent", count), Acad::eKeyNotFound);
    EXPECT_EQ(list.getProperty("absent", x), Acad::eKeyNotFound);
    EXPECT_EQ(list.getProperty("absent", text), Acad::eKeyNotFound);
    EXPECT_EQ(count, 77);
    EXPECT_EQ(x, 7.5);
    EXPECT_EQ(text, "kept");
}

TEST(KvPropertiesList, TypeMismatchLeavesCallerValueButIntWidensToDouble) {
    Kv_PropertiesList list = sampleList();
    int count = 5;
    Kv_String text("kept");
    EXPECT_EQ(list.getProperty("topLeftX0", count), Acad::eWrongDataType);
    EXPECT_EQ(list.getProperty("nrOfControls", text), Acad::eWrongDataType);
    EXPECT_EQ(count, 5);
    EXPECT_EQ(text, "kept");
    double widened = 0;
    EXPECT_EQ(list.getProperty("nrOfControls", widened), Acad::eOk);
    EXPECT_EQ(widened, 2.0);
}

TEST(KvPropertiesList, SettingAgainReplacesValueAndTypeInPlace) {
    Kv_PropertiesList list;
    list.setProperty("a", 1);
    list.setProperty("b", 2);
    list.setProperty("a", "text");
    EXPECT_EQ(list.names(), (Kv_StringArray{"a", "b"}));
    Kv_String value;
    EXPECT_EQ(list.getProperty("a", value), Acad::eOk);
    EXPECT_EQ(value, "text");
    EXPECT_EQ(list.setProperty("", 1), Acad::eInvalidInput);
    EXPECT_EQ(list.count(), 2);
    EXPECT_TRUE(list.removeProperty("a"));
    int b = 0;
    EXPECT_EQ(list.getProperty("b", b), Acad::eOk);
    EXPECT_EQ(b, 2);
}

TEST(KvPropertiesList, MalformedTextReadsAsFarAsValid) {
    struct Case {
        const char* text;
        int readBefore;
        int faultLine;
    };
    const Case cases[] = {
        {"KvPropertiesList 1\nint\ta\t1\nint\tb\t1x\nint\tc\t3\n", 1, 3},
        {"KvPropertiesList 1\nint\ta\t1\ndouble\tb\tnan\n", 1, 3},
        {"KvPropertiesList 1\nint\ta\t1\nint\ta\t2\n", 1, 3},  // duplicate name
        {"KvPropertiesList 1\nstring\ta\tbad\\q\n", 0, 2},     // unknown escape
        {"KvPropertiesList 1\nstring\ta\t\\x4\n", 0, 2},       // short hex escape
        {"KvPropertiesList 1\nint\t\t1\n", 0, 2},              // empty name
        {"KvPropertiesList 1\nlong\ta\t1\n", 0, 2},            // unknown type
        {"KvPropertiesList 1\nint\ta\n", 0, 2},                // missing value
        {"KvPropertiesList 1\nint\ta\t99999999999\n", 0, 2},   // out of range
        {"KvPropertiesList 1\ndouble\ta\t1e999\n", 0, 2},
        {"KvPropertiesList 1\nstring\ta\tx\ty\n", 0, 2},  // raw tab in value
        {"int\ta\t1\n", 0, 1},                            // no header
        {"", 0, 1},
    };
    for (const Case& c : cases) {
        Kv_PropertiesList list;
        list.setProperty("stale", 1);
        int faultLine = 0;
        EXPECT_FALSE(list.readFromText(c.text, &faultLine)) << c.text;
        EXPECT_EQ(list.count(), c.readBefore) << c.text;
        EXPECT_EQ(faultLine, c.faultLine) << c.text;
        EXPECT_FALSE(list.hasProperty("stale"));
    }
}

TEST(KvPropertiesList, CommentsBlankLinesAndUnixEndsAreAccepted) {
    Kv_PropertiesList list;
    ASSERT_TRUE(list.readFromText("KvPropertiesList 1\n# note\n\nint\tn\t-4\r\ndouble\td\t-1.5e-3"));
    int n = 0;
    double d = 0;
    EXPECT_EQ(list.getProperty("n", n), Acad::eOk);
    EXPECT_EQ(list.getProperty("d", d), Acad::eOk);
    EXPECT_EQ(n, -4);
    EXPECT_EQ(d, -1.5e-3);
}

TEST(KvPropertiesList, MissingFileEmptiesListAndFails) {
    TempFolder dir;
    Kv_PropertiesList list = sampleList();
    EXPECT_FALSE(list.readFromFile(Kv_String(dir.text()) + "absent.txt"));
    EXPECT_EQ(list.count(), 0);
}

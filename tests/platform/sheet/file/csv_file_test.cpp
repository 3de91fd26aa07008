#include <gtest/gtest.h>

#include "sheet/sheet.h"
#include "sheet/sheet_file.h"

namespace {

using sheet::Sheet;

TEST(CsvFile, ReadsQuotedFieldsAndComputesFormulas) {
    Sheet s;
    auto r = sheet::readCsvText(s, "1,\"a,b\",\"say \"\"hi\"\"\"\r\n=A1+1,\"two\nlines\",\r\n\"=SUM(A1:A2)\"\n");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(s.maxRows(), 3);
    EXPECT_EQ(s.maxCols(), 3);
    EXPECT_EQ(s.data({2, 1}), "a,b");
    EXPECT_EQ(s.data({3, 1}), "say \"hi\"");
    EXPECT_EQ(s.data({2, 2}), "two\nlines");
    EXPECT_EQ(s.valueText({1, 2}), "2");
    EXPECT_EQ(s.valueText({1, 3}), "3");
}

TEST(CsvFile, WritesValuesAndQuotesWhatNeedsIt) {
    Sheet s;
    s.setData({1, 1}, "2");
    s.setData({2, 1}, "=A1/4");
    s.setData({3, 1}, "x,y");
    s.setData({1, 2}, " padded");
    s.setData({2, 3}, "say \"hi\"");
    s.setData({4, 3}, "caf\xE9");
    EXPECT_EQ(sheet::writeCsvText(s), "2,0.5,\"x,y\"\n\" padded\"\n,\"say \"\"hi\"\"\",,caf\xE9\n");
}

TEST(CsvFile, RoundTripKeepsTexts) {
    Sheet s;
    s.setData({1, 1}, "a\nb");
    s.setData({2, 2}, "\"");
    s.setData({3, 1}, "1.50");
    Sheet back;
    ASSERT_TRUE(sheet::readCsvText(back, sheet::writeCsvText(s)).ok);
    EXPECT_EQ(back.data({1, 1}), "a\nb");
    EXPECT_EQ(back.data({2, 2}), "\"");
    EXPECT_EQ(back.data({3, 1}), "1.50");
}

TEST(CsvFile, MalformedTextFailsAndLeavesTheSheet) {
    Sheet s;
    s.setData({1, 1}, "kept");
    EXPECT_FALSE(sheet::readCsvText(s, "1,\"open\n2,3\n").ok);
    EXPECT_FALSE(sheet::readCsvText(s, "\"closed\"x,1\n").ok);
    EXPECT_EQ(s.data({1, 1}), "kept");
}

// A field longer than a cell can hold would be lost: the file is refused with the field's line.
TEST(CsvFile, FieldLongerThanACellIsRefusedWithItsLine) {
    Sheet s;
    s.setData({1, 1}, "keep");
    const std::string tooLong(sheet::kMaxTextLength + 1, 'x');
    for (const std::string& field : {tooLong, "\"" + tooLong + "\""}) {
        auto r = sheet::readCsvText(s, "a,b\n1," + field + "\n");
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.line, 2);
        EXPECT_EQ(s.data({1, 1}), "keep");
    }
    // At the limit the text is kept whole; doubled quotes count once.
    const std::string atLimit(sheet::kMaxTextLength, 'y');
    ASSERT_TRUE(sheet::readCsvText(s, atLimit + "\n\"" + std::string(sheet::kMaxTextLength - 1, 'z') + "\"\"\"\n").ok);
    EXPECT_EQ(s.data({1, 1}), atLimit);
    EXPECT_EQ(s.data({1, 2}).size(), sheet::kMaxTextLength);
}

TEST(CsvFile, ByteOrderMarkIsNoPartOfTheFirstField) {
    Sheet s;
    ASSERT_TRUE(sheet::readCsvText(s,
                                   "\xEF\xBB\xBF"
                                   "1,=A1+1\r\n")
                    .ok);
    EXPECT_EQ(s.data({1, 1}), "1");
    EXPECT_EQ(s.valueText({2, 1}), "2");
}

// Rows and columns far apart write only what is between the cells written.
TEST(CsvFile, SparseSheetWritesItsCellsInPlace) {
    Sheet s;
    ASSERT_TRUE(s.setMaxCols(30) && s.setMaxRows(600));
    s.setData({1, 1}, "x");
    s.setData({3, 3}, "y");
    s.setData({28, 3}, "z");
    s.setData({2, 600}, "w");
    std::string expected = "x\n\n,,y" + std::string(25, ',') + "z\n" + std::string(596, '\n') + ",w\n";
    EXPECT_EQ(sheet::writeCsvText(s), expected);
}

}  // namespace

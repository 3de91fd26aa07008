#include <gtest/gtest.h>

#include "sheet/sheet.h"
#include "sheet/sheet_file.h"

namespace {

using sheet::Sheet;

TEST(CsvFile, ReadsQuotedFieldsAndComputesFormulas) {
  Sheet s;
  auto r = sheet::readCsvText(
      s, "1,\"a,b\",\"say \"\"hi\"\"\"\r\n=A1+1,\"two\nlines\",\r\n\"=SUM(A1:A2)\"\n");
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

}  // namespace

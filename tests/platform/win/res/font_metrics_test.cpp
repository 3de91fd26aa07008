#include "win/font.h"

#include <gtest/gtest.h>

namespace {

win::FontSpec font(int height, int weight = 400, const char* face = "Tahoma") {
    win::FontSpec f;
    f.face = face;
    f.height = height;
    f.weight = weight;
    return f;
}

}  // namespace

// Layout code positions controls from these numbers; a change here moves every dialog, so
// the values themselves are pinned.
TEST(FontMetrics, KnownWidthsAtDefaultHeight) {
    EXPECT_EQ(win::measureText(font(13), "").cx, 0);
    EXPECT_EQ(win::measureText(font(13), "").cy, 13);
    // "OK": 650 + 650 thousandths of 13 px = 16.9
    EXPECT_EQ(win::measureText(font(13), "OK").cx, 17);
    // "1234567890": ten digits of 550 = 5500 thousandths of 13 px = 71.5
    EXPECT_EQ(win::measureText(font(13), "1234567890").cx, 72);
    // The 52 letters add up to 29760 thousandths: 386.88 px at 13 px, 7.44 px each.
    EXPECT_EQ(win::averageCharWidth(font(13)), 7);
}

TEST(FontMetrics, DigitsAreTabularAndNarrowLettersNarrower) {
    win::FontSpec f = font(20);
    EXPECT_EQ(win::measureText(f, "1111").cx, win::measureText(f, "8888").cx);
    EXPECT_LT(win::measureText(f, "iiii").cx, win::measureText(f, "nnnn").cx);
    EXPECT_LT(win::measureText(f, "nnnn").cx, win::measureText(f, "WWWW").cx);
}

TEST(FontMetrics, ScalesWithHeightAndBoldIsWider) {
    const std::string text = "Section library";
    int small = win::measureText(font(10), text).cx;
    int large = win::measureText(font(20), text).cx;
    EXPECT_NEAR(large, 2 * small, 1);
    EXPECT_EQ(win::measureText(font(-20), text).cx, large);  // a LOGFONT character height
    int bold = win::measureText(font(20, 700), text).cx;
    EXPECT_GT(bold, large);
    EXPECT_LT(bold, large * 12 / 10);
    EXPECT_GT(win::averageCharWidth(font(20, 700)), win::averageCharWidth(font(20)) - 1);
}

TEST(FontMetrics, LinesMeasureAsWidestTimesCount) {
    win::FontSpec f = font(13);
    win::TextSize size = win::measureText(f, "short\r\nmuch longer line\nmid");
    EXPECT_EQ(size.cx, win::measureText(f, "much longer line").cx);
    EXPECT_EQ(size.cy, 39);
}

TEST(FontMetrics, Cp1252LettersAndTabs) {
    win::FontSpec f = font(13);
    EXPECT_EQ(win::measureText(f, "\xC4").cx, win::measureText(f, "A").cx);  // A with diaeresis
    EXPECT_EQ(win::measureText(f, "\xE4").cx, win::measureText(f, "a").cx);
    EXPECT_GT(win::measureText(f, "\xB0").cx, 0);  // degree sign
    EXPECT_EQ(win::measureText(f, "a\tb").cx, win::measureText(f, "a    b").cx);
    EXPECT_EQ(win::measureText(f,
                               "a\x01"
                               "b")
                  .cx,
              win::measureText(f, "ab").cx);
}

TEST(FontMetrics, MonospaceFacesGiveEqualAdvances) {
    win::FontSpec f = font(13, 400, "Courier New");
    EXPECT_EQ(win::measureText(f, "iiii").cx, win::measureText(f, "WWWW").cx);
    EXPECT_NE(win::measureText(font(13), "iiii").cx, win::measureText(font(13), "WWWW").cx);
}

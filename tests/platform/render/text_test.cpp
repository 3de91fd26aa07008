#include <gtest/gtest.h>

#include "render/output.h"
#include "render/palette.h"
#include "scene_probe.h"

using namespace render;
using render::probe::inkBounds;

namespace {

Rect textInk(const Text& text, int width = 200, int height = 60) {
    Scene scene;
    scene.width = width;
    scene.height = height;
    scene.background = palette::window;
    scene.add(text);
    return inkBounds(rasterize(scene), {0, 0, width, height}, palette::window);
}

Text label(const char* s, Rect r, HAlign align) {
    Text t;
    t.text = s;
    t.rect = r;
    t.align = align;
    t.clip = false;
    return t;
}

}  // namespace

TEST(TextPainter, AlignsInsideTheBox) {
    Rect box{20, 10, 180, 30};
    Rect left = textInk(label("Length", box, HAlign::Left));
    Rect right = textInk(label("Length", box, HAlign::Right));
    Rect center = textInk(label("Length", box, HAlign::Center));
    ASSERT_FALSE(left.empty());
    EXPECT_LE(left.left, box.left + 2);
    EXPECT_GE(right.right, box.right - 2);
    EXPECT_LE(right.right, box.right);
    int middle = (center.left + center.right) / 2;
    EXPECT_NEAR(middle, (box.left + box.right) / 2, 2);
}

TEST(TextPainter, LabelTooWideForItsBoxIsFittedNotCutOff) {
    // A label laid out for a narrow font: it must stay inside its box even unclipped.
    Rect box{10, 10, 10 + 60, 30};
    Text t = label("Thickness of", box, HAlign::Left);
    Rect ink = textInk(t);
    ASSERT_FALSE(ink.empty());
    EXPECT_GE(ink.left, box.left - 1);
    EXPECT_LE(ink.right, box.right + 1);
}

TEST(TextPainter, WrapsAtWordsAndStaysInsideTheWidth) {
    Rect box{10, 5, 90, 58};
    Text t = label("Distance from the flange edge", box, HAlign::Left);
    t.wrap = true;
    Rect ink = textInk(t);
    ASSERT_FALSE(ink.empty());
    EXPECT_LE(ink.right, box.right + 1);
    EXPECT_GT(ink.height(), 2 * t.font.height);  // three lines at least
}

TEST(TextPainter, LineBreaksStartNewLines) {
    Text one = label("Bolt", {10, 5, 190, 58}, HAlign::Left);
    Text two = label("Bolt\r\nNut", {10, 5, 190, 58}, HAlign::Left);
    EXPECT_GT(textInk(two).height(), textInk(one).height() + one.font.height / 2);
}

TEST(TextPainter, DrawsInTheRequestedColour) {
    Scene scene;
    scene.width = 100;
    scene.height = 30;
    scene.background = palette::window;
    Text t = label("IIII", {5, 5, 95, 25}, HAlign::Left);
    t.color = rgb(0xC0, 0, 0);
    t.font.height = 20;
    scene.add(t);
    EXPECT_TRUE(probe::hasColor(rasterize(scene), {0, 0, 100, 30}, rgb(0xC0, 0, 0)));
}

TEST(TextPainter, MnemonicAmpersandIsNotShownButADoubledOneIs) {
    Scene withPrefix, without;
    for (Scene* s : {&withPrefix, &without}) {
        s->width = 200;
        s->height = 30;
        s->background = palette::face;
    }
    StaticText st;
    st.rect = {5, 5, 195, 25};
    st.text = "&Save";
    withPrefix.add(st);
    st.text = "Save";
    without.add(st);
    Rect a = inkBounds(rasterize(withPrefix), {0, 0, 200, 30}, palette::face);
    Rect b = inkBounds(rasterize(without), {0, 0, 200, 30}, palette::face);
    EXPECT_EQ(a, b);
    StaticText literal = st;
    literal.text = "A && B";
    Scene amp;
    amp.width = 200;
    amp.height = 30;
    amp.background = palette::face;
    amp.add(literal);
    literal.text = "A  B";
    Scene gap = amp;
    gap.elements.clear();
    gap.add(literal);
    EXPECT_NE(rasterize(amp).pixels, rasterize(gap).pixels);
}

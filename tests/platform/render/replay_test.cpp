#include <gtest/gtest.h>

#include "record_replay.h"
#include "render/output.h"
#include "render/palette.h"
#include "scene_probe.h"
#include "win/constants.h"
#include "win/wingdi.h"

using namespace render;
using render::probe::colorAt;
using render::probe::hasColor;
using Kind = win::DrawRecord::Kind;

namespace {

Image replayed(const std::vector<win::DrawRecord>& records, int dx = 0, int dy = 0, int w = 100, int h = 60) {
    Scene scene;
    scene.width = w;
    scene.height = h;
    scene.background = palette::face;
    detail::replayRecords(scene, records, dx, dy);
    return rasterize(scene);
}

win::DrawRecord record(Kind kind, RECT r, COLORREF color = 0) {
    win::DrawRecord rec;
    rec.kind = kind;
    rec.rect = r;
    rec.color = color;
    return rec;
}

std::shared_ptr<const win::Bitmap> checker(uint32_t a, uint32_t b, int size) {
    auto bmp = std::make_shared<win::Bitmap>();
    bmp->width = bmp->height = size;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) bmp->pixels.push_back((x < size / 2) ? a : b);
    return bmp;
}

}  // namespace

TEST(RecordReplay, FillsAreOffsetToTheClientOrigin) {
    Image image = replayed({record(Kind::FillRect, {0, 0, 10, 10}, RGB(255, 0, 0))}, 20, 30);
    EXPECT_EQ(colorAt(image, 20, 30), rgb(255, 0, 0));
    EXPECT_EQ(colorAt(image, 29, 39), rgb(255, 0, 0));
    EXPECT_EQ(colorAt(image, 5, 5), palette::face);
    EXPECT_EQ(colorAt(image, 30, 40), palette::face);
}

TEST(RecordReplay, SystemColoursAreResolved) {
    Image image = replayed({record(Kind::FillRect, {0, 0, 10, 10}, KV_SYSCOLOR_FLAG | COLOR_WINDOW)});
    EXPECT_EQ(colorAt(image, 5, 5), palette::window);
}

TEST(RecordReplay, BitmapLeavesTransparentColourAndCropsItsSource) {
    win::DrawRecord bmp = record(Kind::Bitmap, {10, 10, 18, 18});
    bmp.bitmap = checker(0xFFFF00FF, 0xFF00FF00, 8);  // magenta left half, green right half
    bmp.src = {0, 0, 8, 8};
    bmp.hasTransparent = true;
    bmp.transparent = RGB(255, 0, 255);
    win::DrawRecord part = record(Kind::Bitmap, {40, 10, 44, 14});
    part.bitmap = bmp.bitmap;
    part.src = {4, 0, 8, 4};  // the green quarter only
    Image image = replayed({bmp, part});
    EXPECT_EQ(colorAt(image, 11, 12), palette::face);
    EXPECT_EQ(colorAt(image, 16, 12), rgb(0, 255, 0));
    EXPECT_EQ(colorAt(image, 40, 10), rgb(0, 255, 0));
    EXPECT_EQ(colorAt(image, 43, 13), rgb(0, 255, 0));
}

TEST(RecordReplay, MaskedBitmapHidesWhereTheMaskIsWhite) {
    win::DrawRecord bmp = record(Kind::Bitmap, {0, 0, 8, 8});
    bmp.bitmap = checker(0xFF0000FF, 0xFF0000FF, 8);
    bmp.mask = checker(0xFFFFFFFF, 0xFF000000, 8);
    Image image = replayed({bmp});
    EXPECT_EQ(colorAt(image, 1, 1), palette::face);
    EXPECT_EQ(colorAt(image, 6, 1), rgb(0, 0, 255));
}

TEST(RecordReplay, TrackerFrameAndHandles) {
    win::DrawRecord frame = record(Kind::TrackerFrame, {10, 10, 60, 50});
    frame.flags = 1;  // solid line
    std::vector<win::DrawRecord> records{frame};
    for (RECT h : {RECT{7, 7, 13, 13}, RECT{57, 47, 63, 53}})
        records.push_back(record(Kind::TrackerHandle, h, RGB(0, 0, 0)));
    Image image = replayed(records);
    EXPECT_EQ(colorAt(image, 35, 10), palette::windowText);
    EXPECT_EQ(colorAt(image, 59, 30), palette::windowText);
    EXPECT_EQ(colorAt(image, 8, 8), palette::windowText);
    EXPECT_EQ(colorAt(image, 62, 52), palette::windowText);
    EXPECT_EQ(colorAt(image, 35, 30), palette::face);
}

TEST(RecordReplay, TextFollowsItsFormat) {
    win::DrawRecord right = record(Kind::Text, {0, 0, 100, 20}, RGB(0, 0, 0));
    right.text = "Go";
    right.format = DT_RIGHT | DT_SINGLELINE | DT_VCENTER;
    Image image = replayed({right});
    Rect ink = probe::inkBounds(image, {0, 0, 100, 20}, palette::face);
    EXPECT_GT(ink.left, 70);

    win::DrawRecord opaque = record(Kind::Text, {0, 30, 100, 50}, RGB(0, 0, 0));
    opaque.text = "x";
    opaque.opaque = true;
    opaque.background = RGB(255, 255, 0);
    EXPECT_EQ(colorAt(replayed({opaque}), 90, 40), rgb(255, 255, 0));
}

TEST(RecordReplay, RectangleWithNullPenAndHollowBrush) {
    win::DrawRecord filled = record(Kind::Rectangle, {0, 0, 20, 20}, RGB(255, 0, 0));
    filled.fill = RGB(0, 0, 255);
    win::DrawRecord hollow = record(Kind::Rectangle, {30, 0, 50, 20}, RGB(255, 0, 0));
    hollow.hollow = true;
    win::DrawRecord noPen = record(Kind::Rectangle, {60, 0, 80, 20}, RGB(255, 0, 0));
    noPen.fill = RGB(0, 255, 0);
    noPen.penStyle = PS_NULL;
    Image image = replayed({filled, hollow, noPen});
    EXPECT_EQ(colorAt(image, 0, 10), rgb(255, 0, 0));
    EXPECT_EQ(colorAt(image, 10, 10), rgb(0, 0, 255));
    EXPECT_EQ(colorAt(image, 30, 10), rgb(255, 0, 0));
    EXPECT_EQ(colorAt(image, 40, 10), palette::face);
    EXPECT_EQ(colorAt(image, 60, 10), rgb(0, 255, 0));
}

TEST(RecordReplay, EdgeAndInvert) {
    win::DrawRecord edge = record(Kind::Edge, {0, 0, 30, 30});
    edge.edge = EDGE_SUNKEN;
    edge.flags = BF_RECT;
    win::DrawRecord white = record(Kind::FillRect, {40, 0, 60, 20}, RGB(255, 255, 255));
    win::DrawRecord invert = record(Kind::InvertRect, {40, 0, 50, 20});
    Image image = replayed({edge, white, invert});
    EXPECT_EQ(colorAt(image, 15, 0), palette::shadow3d);
    EXPECT_EQ(colorAt(image, 15, 29), palette::highlight3d);
    EXPECT_EQ(colorAt(image, 45, 10), rgb(0, 0, 0));
    EXPECT_EQ(colorAt(image, 55, 10), rgb(255, 255, 255));
}

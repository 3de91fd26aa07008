#include <gtest/gtest.h>

#include "render/output.h"
#include "render/palette.h"
#include "scene_probe.h"

using namespace render;
using render::probe::borderIs;
using render::probe::colorAt;
using render::probe::countColor;
using render::probe::hasColor;
using render::probe::inkBounds;

namespace {

Scene faceScene(int w, int h) {
    Scene scene;
    scene.width = w;
    scene.height = h;
    scene.background = palette::face;
    return scene;
}

PushButton button(Rect r, const char* text) {
    PushButton b;
    b.rect = r;
    b.text = text;
    return b;
}

}  // namespace

TEST(Painter, PictureHasTheSceneSize) {
    Scene scene = faceScene(123, 45);
    Image image = rasterize(scene);
    EXPECT_EQ(image.width, 123);
    EXPECT_EQ(image.height, 45);
    EXPECT_EQ(colorAt(image, 122, 44), palette::face);
    EXPECT_TRUE(rasterize(faceScene(0, 10)).empty());
}

TEST(Painter, DefaultButtonHasDarkFrameOnItsOutline) {
    Scene scene = faceScene(200, 60);
    PushButton ok = button({10, 10, 85, 33}, "OK");
    ok.isDefault = true;
    PushButton cancel = button({100, 10, 175, 33}, "Cancel");
    scene.add(ok);
    scene.add(cancel);
    Image image = rasterize(scene);
    EXPECT_TRUE(borderIs(image, ok.rect, palette::frame));
    // The plain button starts with its lit edge, and the dark frame is nowhere near it.
    EXPECT_EQ(colorAt(image, cancel.rect.left, cancel.rect.top + 5), palette::highlight3d);
    EXPECT_FALSE(borderIs(image, cancel.rect, palette::frame));
    // Nothing outside the default button is dark.
    EXPECT_FALSE(hasColor(image, {0, 0, 200, 9}, palette::frame));
}

TEST(Painter, DisabledButtonTextIsGreyAndEnabledIsBlack) {
    Scene scene = faceScene(200, 40);
    PushButton on = button({5, 5, 95, 30}, "Apply");
    PushButton off = button({105, 5, 195, 30}, "Apply");
    off.enabled = false;
    scene.add(on);
    scene.add(off);
    Image image = rasterize(scene);
    Rect onContent = on.rect.inflate(-3), offContent = off.rect.inflate(-3);
    EXPECT_TRUE(hasColor(image, offContent, palette::grayText));
    EXPECT_FALSE(hasColor(image, offContent, palette::buttonText));
    EXPECT_TRUE(hasColor(image, onContent, palette::buttonText));
    EXPECT_FALSE(hasColor(image, onContent, palette::grayText));
}

TEST(Painter, CheckBoxStatesDifferInsideTheBox) {
    Scene scene = faceScene(120, 70);
    CheckBox box;
    box.text = "Fixed";
    box.rect = {5, 5, 115, 22};
    scene.add(box);
    box.rect = {5, 25, 115, 42};
    box.state = CheckState::Checked;
    scene.add(box);
    box.rect = {5, 45, 115, 62};
    box.state = CheckState::Indeterminate;
    scene.add(box);
    Image image = rasterize(scene);
    // The 13-pixel box sits at the left, centred vertically; its inside is 9x9.
    auto inside = [](int top) { return Rect{7, top + 2 + 2, 16, top + 2 + 11}; };
    EXPECT_EQ(countColor(image, inside(5), palette::window), 81);
    EXPECT_GT(countColor(image, inside(25), palette::windowText), 10);
    EXPECT_GT(countColor(image, inside(45), palette::grayText), 10);
    EXPECT_FALSE(hasColor(image, inside(45), palette::windowText));
}

TEST(Painter, RadioButtonDotOnlyWhenChecked) {
    Scene scene = faceScene(120, 40);
    CheckBox radio;
    radio.radio = true;
    radio.text = "Left";
    radio.rect = {5, 2, 115, 18};
    scene.add(radio);
    radio.rect = {5, 20, 115, 36};
    radio.state = CheckState::Checked;
    scene.add(radio);
    Image image = rasterize(scene);
    EXPECT_FALSE(hasColor(image, {9, 6, 14, 14}, palette::windowText));
    EXPECT_TRUE(hasColor(image, {9, 24, 14, 32}, palette::windowText));
}

TEST(Painter, GroupCaptionInterruptsTheFrameLine) {
    Scene scene = faceScene(200, 100);
    GroupBox group;
    group.rect = {10, 10, 190, 90};
    group.text = "Profile";
    scene.add(group);
    Image image = rasterize(scene);
    int frameTop = 10 + group.font.height / 2;
    EXPECT_EQ(colorAt(image, 12, frameTop), palette::shadow3d);   // line before the caption
    EXPECT_EQ(colorAt(image, 180, frameTop), palette::shadow3d);  // line after it
    EXPECT_NE(colorAt(image, 17, frameTop), palette::shadow3d);   // gap left for the caption
    EXPECT_TRUE(hasColor(image, {18, 10, 80, 10 + group.font.height}, palette::windowText));
}

TEST(Painter, EditFieldFaceWhenDisabledOrReadOnly) {
    Scene scene = faceScene(120, 80);
    EditField edit;
    edit.rect = {5, 5, 115, 26};
    scene.add(edit);
    edit.rect = {5, 30, 115, 51};
    edit.enabled = false;
    edit.text = "100";
    scene.add(edit);
    edit.rect = {5, 55, 115, 76};
    edit.enabled = true;
    edit.readOnly = true;
    scene.add(edit);
    Image image = rasterize(scene);
    EXPECT_EQ(colorAt(image, 100, 15), palette::window);
    EXPECT_EQ(colorAt(image, 100, 40), palette::face);
    EXPECT_TRUE(hasColor(image, {7, 32, 60, 49}, palette::grayText));
    EXPECT_EQ(colorAt(image, 100, 65), palette::face);
    // The sunken edge: shadow at the top-left, highlight at the bottom-right.
    EXPECT_EQ(colorAt(image, 50, 5), palette::shadow3d);
    EXPECT_EQ(colorAt(image, 50, 25), palette::highlight3d);
}

TEST(Painter, FocusedEditShowsItsSelectionOnlyOverTheSelectedCharacters) {
    Scene scene = faceScene(220, 60);
    EditField edit;
    edit.rect = {5, 5, 215, 26};
    edit.text = "Beam Beam Beam";
    edit.focused = true;
    edit.selStart = 0;
    edit.selEnd = 4;
    scene.add(edit);
    edit.rect = {5, 32, 215, 53};
    edit.focused = false;  // a field without focus hides its selection
    scene.add(edit);
    Image image = rasterize(scene);
    Rect selected = render::probe::inkBounds(image, {7, 7, 213, 24}, palette::window);
    ASSERT_FALSE(selected.empty());
    EXPECT_TRUE(hasColor(image, {7, 7, 50, 24}, palette::selection));
    EXPECT_TRUE(hasColor(image, {7, 7, 50, 24}, palette::selectionText));
    // The rest of the text is on white: no selection colour from the second word on.
    EXPECT_FALSE(hasColor(image, {60, 7, 213, 24}, palette::selection));
    EXPECT_FALSE(hasColor(image, {7, 34, 213, 51}, palette::selection));
}

TEST(Painter, PasswordFieldHidesItsText) {
    Scene plain = faceScene(120, 30), hidden = faceScene(120, 30);
    EditField edit;
    edit.rect = {5, 5, 115, 26};
    edit.text = "iiii";
    plain.add(edit);
    edit.password = true;
    hidden.add(edit);
    Rect plainInk = inkBounds(rasterize(plain), {8, 8, 112, 23}, palette::window);
    Rect hiddenInk = inkBounds(rasterize(hidden), {8, 8, 112, 23}, palette::window);
    EXPECT_GT(hiddenInk.width(), plainInk.width());  // stars are wider than the letter i
}

TEST(Painter, ListBoxMarksSelectionChecksAndScrollBar) {
    Scene scene = faceScene(160, 80);
    ListBox list;
    list.rect = {5, 5, 155, 75};
    for (int i = 0; i < 8; ++i) list.entries.push_back({"Entry " + std::to_string(i), i == 1, std::nullopt, true});
    list.entries[0].check = CheckState::Checked;
    list.entries[1].check = CheckState::Unchecked;
    scene.add(list);
    Image image = rasterize(scene);
    int itemHeight = list.font.height + 3;
    int rowTop = 7 + itemHeight;
    EXPECT_TRUE(hasColor(image, {30, rowTop, 100, rowTop + itemHeight}, palette::selection));
    EXPECT_FALSE(hasColor(image, {30, 7, 100, 7 + itemHeight}, palette::selection));
    // The first entry's box holds a tick, the second's is empty.
    EXPECT_TRUE(hasColor(image, {9, 9, 17, 7 + itemHeight - 2}, palette::windowText));
    EXPECT_FALSE(hasColor(image, {9, rowTop + 3, 17, rowTop + itemHeight - 3}, palette::windowText));
    // Eight entries do not fit: a scroll bar in face colour takes the right edge.
    EXPECT_GT(countColor(image, {137, 7, 153, 73}, palette::face), 16 * 66 / 3);
    list.entries.resize(3);
    Scene fitting = faceScene(160, 80);
    fitting.add(list);
    EXPECT_FALSE(hasColor(rasterize(fitting), {137, 7, 153, 73}, palette::face));
}

TEST(Painter, DroppedComboShowsFramedListWithSelection) {
    Scene scene = faceScene(160, 120);
    ComboBox combo;
    combo.rect = {5, 5, 155, 26};
    combo.items = {"IPE 100", "IPE 120", "HEA 200"};
    combo.selected = 2;
    combo.text = "HEA 200";
    combo.dropped = true;
    combo.listRect = {5, 26, 155, 80};
    scene.add(combo);
    Image image = rasterize(scene);
    EXPECT_TRUE(borderIs(image, combo.listRect, palette::frame));
    int itemHeight = combo.font.height + 3;
    int selectedTop = 27 + 2 * itemHeight;
    EXPECT_TRUE(hasColor(image, {10, selectedTop, 140, selectedTop + itemHeight}, palette::selection));
    // The arrow button at the right of the field.
    EXPECT_TRUE(hasColor(image, {137, 9, 153, 23}, palette::buttonText));
}

TEST(Painter, SelectedTabStandsHigherThanTheOthers) {
    Scene scene = faceScene(240, 80);
    TabControl tabs;
    tabs.rect = {5, 5, 235, 75};
    tabs.tabs = {"General", "Bolts", "Cuts"};
    tabs.selected = 1;
    scene.add(tabs);
    Image image = rasterize(scene);
    // The top edge row of the control carries only the selected tab's lit line.
    Rect topRow{5, 5, 235, 6};
    Rect ink = inkBounds(image, topRow, palette::face);
    ASSERT_FALSE(ink.empty());
    EXPECT_GT(ink.left, 40);                                 // not above the first tab
    EXPECT_EQ(colorAt(image, 12, 7), palette::highlight3d);  // the first tab's top, two lower
}

TEST(Painter, TransparentColourAndMaskLeaveBackgroundVisible) {
    Scene scene = faceScene(40, 20);
    Picture pic;
    pic.image.width = 4;
    pic.image.height = 4;
    pic.image.pixels.assign(16, 0xFFFF0000);
    pic.image.pixels[0] = 0xFFFFFFFF;
    pic.transparent = rgb(0xFF, 0xFF, 0xFF);
    pic.rect = {0, 0, 8, 8};  // stretched twofold
    scene.add(pic);
    Picture masked = pic;
    masked.transparent.reset();
    masked.mask = Image{4, 4, std::vector<uint32_t>(16, 0xFF000000)};
    masked.mask->pixels[15] = 0xFFFFFFFF;
    masked.rect = {20, 0, 24, 4};
    scene.add(masked);
    Image image = rasterize(scene);
    EXPECT_EQ(colorAt(image, 0, 0), palette::face);
    EXPECT_EQ(colorAt(image, 1, 1), palette::face);
    EXPECT_EQ(colorAt(image, 2, 0), rgb(0xFF, 0, 0));
    EXPECT_EQ(colorAt(image, 7, 7), rgb(0xFF, 0, 0));
    EXPECT_EQ(colorAt(image, 21, 0), rgb(0xFF, 0, 0));
    EXPECT_EQ(colorAt(image, 23, 3), palette::face);
}

TEST(Painter, TrackerHasEightHandles) {
    Scene scene = faceScene(100, 100);
    scene.add(TrackerFrame{{20, 20, 80, 70}, true, true, false, 7});
    Image image = rasterize(scene);
    int midX = 50, midY = 45;
    for (auto [x, y] :
         {std::pair{21, 21}, {midX, 21}, {78, 21}, {21, midY}, {78, midY}, {21, 68}, {midX, 68}, {78, 68}})
        EXPECT_EQ(colorAt(image, x, y), palette::windowText) << x << "," << y;
    EXPECT_EQ(colorAt(image, midX, midY), palette::face);
}

TEST(Painter, ClipKeepsDrawingInsideAndIsUndoneByPop) {
    Scene scene = faceScene(60, 20);
    scene.add(PushClip{{0, 0, 10, 20}});
    scene.add(FillRect{{0, 0, 60, 10}, rgb(0, 0xFF, 0)});
    scene.add(PopClip{});
    scene.add(FillRect{{0, 10, 60, 20}, rgb(0, 0, 0xFF)});
    Image image = rasterize(scene);
    EXPECT_EQ(colorAt(image, 5, 5), rgb(0, 0xFF, 0));
    EXPECT_EQ(colorAt(image, 30, 5), palette::face);
    EXPECT_EQ(colorAt(image, 50, 15), rgb(0, 0, 0xFF));
}

TEST(Painter, CaptionBarCarriesTheTitleInCaptionText) {
    Scene scene = faceScene(200, 100);
    WindowFrame frame;
    frame.rect = {0, 0, 200, 100};
    frame.client = {3, 22, 197, 97};
    frame.title = "Input";
    frame.clientColor = palette::face;
    scene.add(frame);
    Image image = rasterize(scene);
    auto near = [](Rgb a, Rgb b) {
        for (int shift : {0, 8, 16})
            if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 8) return false;
        return true;
    };
    EXPECT_TRUE(near(colorAt(image, 4, 10), palette::activeCaption));
    EXPECT_TRUE(near(colorAt(image, 195, 4), palette::activeCaptionEnd));
    EXPECT_TRUE(hasColor(image, {5, 4, 60, 20}, palette::captionText));
    EXPECT_EQ(colorAt(image, 100, 60), palette::face);
}

TEST(Painter, ShapeAfterTextDoesNotJoinTheText) {
    Scene scene = faceScene(200, 60);
    Text t;
    t.rect = {5, 5, 60, 20};
    t.text = "Label";
    scene.add(t);
    scene.add(Ellipse{{120, 25, 160, 55}, palette::window, palette::windowText, 1});
    scene.add(SystemIcon{{165, 25, 197, 57}, "question"});
    Image image = rasterize(scene);
    // Between the label and the shapes nothing is drawn.
    EXPECT_EQ(inkBounds(image, {5, 21, 118, 60}, palette::face), Rect{});
    EXPECT_EQ(inkBounds(image, {60, 0, 200, 24}, palette::face), Rect{});
    EXPECT_TRUE(hasColor(image, {130, 35, 150, 45}, palette::window));
}

TEST(Painter, EdgeSidesFollowTheirFlags) {
    Scene scene = faceScene(60, 60);
    Edge3D sunken{{10, 10, 50, 50}, -1, -1};
    sunken.right = false;
    scene.add(sunken);
    Image image = rasterize(scene);
    EXPECT_EQ(colorAt(image, 30, 10), palette::shadow3d);
    EXPECT_EQ(colorAt(image, 30, 11), palette::darkShadow3d);
    EXPECT_EQ(colorAt(image, 30, 49), palette::highlight3d);
    EXPECT_EQ(colorAt(image, 49, 30), palette::face);  // no right side
}

TEST(Painter, CheckComboShowsTheMarksInItsListAndTheSelectedOneInItsField) {
    Scene scene = faceScene(160, 120);
    ComboBox combo;
    combo.rect = {5, 5, 155, 26};
    combo.items = {"Drill points", "Weld points"};
    combo.checkMarks = {0, 1};
    combo.selected = 1;
    combo.text = "";  // so that any ink at the field's left comes from the box
    combo.dropped = true;
    combo.listRect = {5, 26, 155, 80};
    scene.add(combo);
    Image image = rasterize(scene);
    int itemHeight = combo.font.height + 3;
    int firstRow = 27, secondRow = 27 + itemHeight;
    // The field shows a ticked box before the text of the selected entry.
    EXPECT_TRUE(hasColor(image, {9, 10, 17, 21}, palette::windowText));
    // In the list, the first entry's box is empty, the second's holds a tick.
    EXPECT_FALSE(hasColor(image, {9, firstRow + 3, 17, firstRow + itemHeight - 3}, palette::windowText));
    EXPECT_TRUE(hasColor(image, {9, secondRow + 3, 17, secondRow + itemHeight - 3}, palette::windowText));
}

#include "core/bitmap_picker_combo.h"
#include "core/image_list_ctrl.h"

#include <gtest/gtest.h>

#include "temp_folder.h"
#include "win/bitmap.h"
#include "win/draw.h"
#include "win/testing.h"

namespace {

constexpr int kDialog = 9310, kPicker = 20, kThumbnails = 21;

win::ResourceTable makeTable() {
    win::ResourceTable table;
    table.name = "core-picture-controls-test";
    win::DialogTemplate tmpl;
    tmpl.id = kDialog;
    tmpl.caption = "Pictures";
    tmpl.style = WS_POPUP | WS_CAPTION | WS_VISIBLE;
    tmpl.cx = 400;
    tmpl.cy = 300;
    tmpl.controls = {
        {kPicker, "COMBOBOX",
         WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 0, 10, 10, 200,
         200, ""},
        {kThumbnails, "STATIC", WS_CHILD | WS_VISIBLE, 0, 220, 10, 170, 120, ""},
    };
    table.dialogs[kDialog] = tmpl;
    return table;
}

// Notes the parent's selection-change notifications.
class PictureDialog : public CDialog {
public:
    PictureDialog() : CDialog(kDialog) {}
    int pickerChanges = 0, thumbnailChanges = 0;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) == kPicker && HIWORD(wParam) == CBN_SELCHANGE) ++pickerChanges;
        if (LOWORD(wParam) == kThumbnails && HIWORD(wParam) == CImageListCtrl::ImageListSelChanged) ++thumbnailChanges;
        return CDialog::OnCommand(wParam, lParam);
    }
};

class PictureControlsTest : public win::testing::WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        win::registerResourceTable(&table_);
        ASSERT_TRUE(dialog_.Create(kDialog));
        ASSERT_TRUE(picker_.SubclassDlgItem(kPicker, &dialog_));
    }
    void TearDown() override {
        dialog_.DestroyWindow();
        win::resetWindowSystem();
        win::unregisterResourceTable(&table_);
        WindowSystemTest::TearDown();
    }
    std::string picture(const std::string& name, int width, int height, uint32_t colour) {
        win::Bitmap bitmap;
        bitmap.width = width;
        bitmap.height = height;
        bitmap.pixels.assign(static_cast<size_t>(width) * height, colour);
        const std::string path = folder_.file(name);
        EXPECT_TRUE(win::savePng(bitmap, path));
        return path;
    }
    static int count(const std::vector<win::DrawRecord>& records, win::DrawRecord::Kind kind) {
        int n = 0;
        for (const win::DrawRecord& record : records) n += record.kind == kind;
        return n;
    }

    TempFolder folder_;
    win::ResourceTable table_ = makeTable();
    PictureDialog dialog_;
    CBitmapPickerCombo picker_;
};

}  // namespace

TEST_F(PictureControlsTest, PickerShowsAPictureBesideEachChosenEntry) {
    Kv_StringArray files, texts;
    files.append(Kv_String(picture("plate.png", 80, 40, 0xFFFF0000u)));
    files.append(Kv_String(picture("profile.png", 20, 20, 0xFF00FF00u)));
    files.append(Kv_String(folder_.file("missing.png")));
    texts.append("Plate");
    texts.append("Profile");
    texts.append("Missing");
    EXPECT_EQ(picker_.AddAllImages(files, texts), 2);
    ASSERT_EQ(picker_.GetCount(), 3);
    EXPECT_FALSE(picker_.hasPicture(2));
    // Entries and the closed field are as high as the tallest fitted picture (64 x 32) needs.
    const int entryHeight = picker_.GetItemHeight(0);
    EXPECT_EQ(entryHeight, 32 + 8);
    CRect field;
    picker_.GetWindowRect(&field);
    EXPECT_EQ(field.Height(), entryHeight + 6);

    win::testing::TestScript script;
    script.choose(kDialog, kPicker, 1);
    script.runModeless();
    EXPECT_EQ(picker_.GetCurSel(), 1);
    EXPECT_EQ(dialog_.pickerChanges, 1);

    win::updateAllWindows();
    auto records = win::paintRecords(picker_.m_hWnd);
    ASSERT_EQ(count(records, win::DrawRecord::Kind::Bitmap), 1);
    bool textShown = false;
    for (const win::DrawRecord& record : records) {
        if (record.kind == win::DrawRecord::Kind::Bitmap) EXPECT_EQ(record.bitmap->at(0, 0), 0xFF00FF00u);
        textShown |= record.kind == win::DrawRecord::Kind::Text && record.text == "Profile";
    }
    EXPECT_TRUE(textShown);

    // Opened, every entry is drawn below the field; the one without a picture shows its text.
    picker_.ShowDropDown(TRUE);
    win::updateAllWindows();
    records = win::paintRecords(picker_.m_hWnd);
    EXPECT_EQ(count(records, win::DrawRecord::Kind::Bitmap), 1 + 2);
    int below = 0;
    for (const win::DrawRecord& record : records)
        if (record.kind == win::DrawRecord::Kind::Text && record.rect.top >= field.Height()) ++below;
    EXPECT_EQ(below, 3);
}

TEST_F(PictureControlsTest, PickerEmptiedAndRefilledKeepsPicturesInStepWithEntries) {
    Kv_StringArray files, texts;
    files.append(Kv_String(folder_.file("none.bmp")));
    texts.append("No picture");
    picker_.AddAllImages(files, texts);
    picker_.ResetContent();
    EXPECT_EQ(picker_.GetCount(), 0);
    files = Kv_StringArray();
    files.append(Kv_String(picture("a.png", 10, 10, 0xFF0000FFu)));
    picker_.AddAllImages(files, Kv_StringArray());
    ASSERT_EQ(picker_.GetCount(), 1);
    EXPECT_TRUE(picker_.hasPicture(0));
}

TEST_F(PictureControlsTest, ThumbnailSelectionFollowsItsPictureWhenTheListChanges) {
    CImageListCtrl thumbnails;
    ASSERT_TRUE(thumbnails.replacePlaceholder(&dialog_, kThumbnails));
    Kv_StringArray files, names;
    for (const char* name : {"a", "b", "c"}) {
        files.append(Kv_String(picture(std::string(name) + ".png", 16, 16, 0xFF808080u)));
        names.append(name);
    }
    thumbnails.SetThumbnailSize(32, 32);
    thumbnails.SetImageFiles(files);
    thumbnails.SetDisplayNames(names);
    thumbnails.DrawThumbnails();

    win::testing::TestScript script;
    const RECT second = thumbnails.cellRect(1);
    script.clickAt(kDialog, kThumbnails, POINT{second.left + 10, second.top + 10});
    script.runModeless();
    EXPECT_EQ(thumbnails.selectedName(), Kv_String("b"));
    EXPECT_EQ(dialog_.thumbnailChanges, 1);

    // "a" filtered away: "b" is still the one selected, now first.
    files.removeAt(0);
    names.removeAt(0);
    thumbnails.SetImageFiles(files);
    thumbnails.SetDisplayNames(names);
    thumbnails.DrawThumbnails();
    EXPECT_EQ(thumbnails.selectedIndex(), 0);
    // "b" gone too: nothing is selected rather than whatever took its place.
    files.removeAt(0);
    names.removeAt(0);
    thumbnails.SetImageFiles(files);
    thumbnails.SetDisplayNames(names);
    thumbnails.DrawThumbnails();
    EXPECT_EQ(thumbnails.selectedIndex(), -1);
    EXPECT_TRUE(thumbnails.selectedName().isEmpty());
}

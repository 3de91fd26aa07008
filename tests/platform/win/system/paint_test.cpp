// The recording drawing context: what painting code draws, as records.

#include "kv_source_dir.h"
#include <gtest/gtest.h>

#include "sample_dialogs.h"
#include "win/draw.h"
#include "win/testing.h"

using win::DrawRecord;
using win::testing::TestScript;

class Painting : public win::testing::WindowSystemTest {};

namespace {

// A background picture drawn with white as the transparent colour over the button face, and
// a caption, as the designer's surface paints itself.
class PictureDialog : public CDialog {
public:
    PictureDialog() : CDialog(IDD_CANVAS) {}
    CBitmap picture;
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        picture.LoadBitmap(IDB_CHECKED);
        return TRUE;
    }
    BOOL OnEraseBkgnd(CDC* dc) override {
        CRect r;
        GetClientRect(&r);
        dc->FillSolidRect(&r, GetSysColor(COLOR_BTNFACE));
        CDC memory;
        memory.CreateCompatibleDC(dc);
        CBitmap* old = memory.SelectObject(&picture);
        dc->TransparentBlt(0, 0, 4, 2, &memory, 0, 0, 4, 2, RGB(255, 255, 255));
        memory.SelectObject(old);
        return TRUE;
    }
    void OnPaint() override {
        CPaintDC dc(this);
        CFont bold;
        bold.CreateFont(-15, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
        CFont* old = dc.SelectObject(&bold);
        dc.SetTextColor(RGB(0, 0, 128));
        dc.SetBkMode(TRANSPARENT);
        CRect r(10, 10, 200, 30);
        dc.DrawText("Base plate", &r, DT_LEFT | DT_SINGLELINE);
        dc.SelectObject(old);
    }
};

const DrawRecord* findKind(const std::vector<DrawRecord>& records, DrawRecord::Kind kind) {
    for (const DrawRecord& r : records)
        if (r.kind == kind) return &r;
    return nullptr;
}

}  // namespace

TEST_F(Painting, EraseAndPaintHandlersAreRecordedInOrder) {
    PictureDialog dlg;
    TestScript script;
    script.inspect([] {
        win::updateAllWindows();
        auto records = win::paintRecords(win::findOpenDialog(IDD_CANVAS));
        ASSERT_GE(records.size(), 3u);
        EXPECT_EQ(records[0].kind, DrawRecord::Kind::FillRect);
        EXPECT_EQ(records[0].color, GetSysColor(COLOR_BTNFACE));
        EXPECT_EQ(records[0].rect, (RECT{0, 0, 400, 300}));
        EXPECT_EQ(records[1].kind, DrawRecord::Kind::Bitmap);
        EXPECT_TRUE(records[1].hasTransparent);
        EXPECT_EQ(records[1].transparent, RGB(255, 255, 255));
        ASSERT_TRUE(records[1].bitmap);
        EXPECT_EQ(records[1].bitmap->width, 4);
        EXPECT_EQ(records[1].bitmap->at(0, 0) & 0xFFFFFFu, 0xFF0000u);  // red, from the BMP resource
        const DrawRecord* text = findKind(records, DrawRecord::Kind::Text);
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->text, "Base plate");
        EXPECT_EQ(text->font.weight, FW_BOLD);
        EXPECT_EQ(text->font.height, 15);
        EXPECT_EQ(text->color, RGB(0, 0, 128));
        EXPECT_FALSE(text->opaque);
    });
    script.click(IDD_CANVAS, IDOK);
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

TEST_F(Painting, MemoryDeviceContextDrawsIntoItsBitmap) {
    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(nullptr));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&memory, 10, 10));
    memory.SelectObject(&bitmap);
    memory.FillSolidRect(2, 2, 3, 3, RGB(255, 0, 0));
    EXPECT_EQ(memory.GetPixel(3, 3), RGB(255, 0, 0));
    EXPECT_EQ(memory.GetPixel(6, 6), RGB(0, 0, 0));
    EXPECT_EQ(bitmap.GetBitmapDimension(), CSize(10, 10));
    auto pixels = win::bitmapOf(bitmap);
    EXPECT_EQ(pixels->at(2, 2), 0xFFFF0000u);
}

TEST_F(Painting, RecordsKeepTheBitmapAsItWasWhenDrawn) {
    HWND wnd = CreateWindow("#32770", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&memory, 2, 2);
    memory.SelectObject(&bitmap);
    memory.FillSolidRect(0, 0, 2, 2, RGB(0, 255, 0));
    HDC dc = GetDC(wnd);
    BitBlt(dc, 5, 5, 2, 2, memory, 0, 0, SRCCOPY);
    memory.FillSolidRect(0, 0, 2, 2, RGB(0, 0, 255));
    ReleaseDC(wnd, dc);
    auto records = win::paintRecords(wnd);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].bitmap->at(0, 0), 0xFF00FF00u);
    EXPECT_EQ(records[0].rect, (RECT{5, 5, 7, 7}));
}

class OwnerDrawParent : public CWnd {
public:
    int drawn = 0;
    void OnDrawItem(int id, LPDRAWITEMSTRUCT item) override {
        ++drawn;
        CDC* dc = CDC::FromHandle(item->hDC);
        dc->FillSolidRect(&item->rcItem, (item->itemState & ODS_SELECTED) ? RGB(0, 0, 0) : RGB(200, 0, 0));
        EXPECT_EQ(id, 42);
    }
};

TEST_F(Painting, OwnerDrawnButtonIsDrawnByItsParentIntoTheButton) {
    OwnerDrawParent parent;
    ASSERT_TRUE(parent.CreateEx(0, "#32770", "parent", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 100), nullptr, 0));
    CButton button;
    ASSERT_TRUE(button.Create("", BS_OWNERDRAW | WS_VISIBLE, CRect(10, 10, 60, 40), &parent, 42));
    win::updateAllWindows();
    EXPECT_EQ(parent.drawn, 1);
    auto records = win::paintRecords(button);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].color, RGB(200, 0, 0));
    EXPECT_EQ(records[0].rect, (RECT{0, 0, 50, 30}));
}

TEST_F(Painting, PicturesLoadFromResourcesAndFilesAndBadFilesFail) {
    HBITMAP fromResource = LoadBitmap(nullptr, MAKEINTRESOURCE(IDB_CHECKED));
    ASSERT_NE(fromResource, nullptr);
    EXPECT_EQ(win::bitmapResourceId(fromResource), IDB_CHECKED);
    EXPECT_EQ(LoadBitmap(nullptr, MAKEINTRESOURCE(4711)), nullptr);
    std::string path = kvSourceDir() + "/tests/platform/win/system/check.bmp";
    HANDLE fromFile = LoadImage(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
    ASSERT_NE(fromFile, nullptr);
    EXPECT_EQ(win::bitmapOf(static_cast<HBITMAP>(fromFile))->width, 4);
    std::string bad = kvSourceDir() + "/tests/platform/win/system/test_dialogs.rc";
    EXPECT_EQ(LoadImage(nullptr, bad.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE), nullptr);
    CBitmap missing;
    EXPECT_FALSE(missing.LoadFromFile("/no/such/picture.png"));
}

TEST_F(Painting, TextExtentFollowsTheSelectedFont) {
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT big = CreateFont(-26, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Tahoma");
    SelectObject(dc, big);
    SIZE size;
    ASSERT_TRUE(GetTextExtentPoint32(dc, "Plate", 5, &size));
    win::FontSpec font = win::fontOf(big);
    EXPECT_EQ(font.height, 26);
    win::TextSize expected = win::measureText(font, "Plate");
    EXPECT_EQ(size.cx, expected.cx);
    EXPECT_EQ(size.cy, expected.cy);
    RECT r{0, 0, 1000, 0};
    EXPECT_EQ(DrawText(dc, "Plate", -1, &r, DT_CALCRECT | DT_SINGLELINE), expected.cy);
    EXPECT_EQ(r.right, expected.cx);
    DeleteDC(dc);
    DeleteObject(big);
}

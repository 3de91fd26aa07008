// Pictures of the module's real dialogs, checked for properties a person would see: the size
// of the window, the default button's frame, greyed text of a disabled control, the template
// picture behind its controls.
#include "kv_source_dir.h"
#include <gtest/gtest.h>

#include <strings.h>

#include <cstdlib>

#include "core/kv_texts.h"
#include "designer/kv_dlg_designer_data.h"
#include "frame/text_entry_launcher.h"
#include "frame_test_support.h"
#include "render/palette.h"
#include "render/window.h"
#include "frame/text_entry_ids.h"
#include "scene_probe.h"
#include "win/draw.h"
#include "win/readback.h"
#include "win/resource.h"
#include "win/wingdi.h"
#include "win/winuser.h"

using namespace render;
using render::probe::borderIs;
using render::probe::colorAt;
using render::probe::hasColor;

namespace {

// A child's rectangle in the coordinates of its top-level window's picture.
Rect pictureRect(HWND topLevel, HWND child) {
    RECT outer, inner;
    GetWindowRect(topLevel, &outer);
    GetWindowRect(child, &inner);
    return {inner.left - outer.left, inner.top - outer.top, inner.right - outer.left, inner.bottom - outer.top};
}

// Text is drawn smoothed, so its strokes are near the text colour rather than exactly on it.
bool hasNearColor(const Image& image, const Rect& area, Rgb color, int tolerance = 40) {
    auto channel = [](Rgb c, int shift) { return int((c >> shift) & 0xFF); };
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            const Rgb c = colorAt(image, x, y);
            if (std::abs(channel(c, 0) - channel(color, 0)) <= tolerance &&
                std::abs(channel(c, 8) - channel(color, 8)) <= tolerance &&
                std::abs(channel(c, 16) - channel(color, 16)) <= tolerance)
                return true;
        }
    return false;
}

// With KV_PICTURES_DIR set, the pictures are also written there for a person to look at.
void keepPicture(HWND window, const char* name) {
    if (const char* folder = std::getenv("KV_PICTURES_DIR"))
        renderWindowToPng(window, std::string(folder) + "/" + name);
}

POINT clientOrigin(HWND window) {
    RECT outer;
    GetWindowRect(window, &outer);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    return {origin.x - outer.left, origin.y - outer.top};
}

class TextEntryPicture : public FrameTest {};

TEST_F(TextEntryPicture, SizeDefaultFrameAndGreyedCancel) {
    frame::TextEntryRequest request;
    request.title = "New beam";
    request.prompt = "Name of the beam:";
    request.text = "Beam 12";
    script.inspect([&] {
        HWND dialog = win::findOpenDialog(IDD_TEXT_ENTRY);
        ASSERT_NE(dialog, nullptr);
        EnableWindow(GetDlgItem(dialog, IDCANCEL), FALSE);
        Image image = renderWindow(dialog);
        keepPicture(dialog, "module-text-entry.png");
        RECT window;
        GetWindowRect(dialog, &window);
        EXPECT_EQ(image.width, window.right - window.left);
        EXPECT_EQ(image.height, window.bottom - window.top);

        const Rect ok = pictureRect(dialog, GetDlgItem(dialog, IDOK));
        const Rect cancel = pictureRect(dialog, GetDlgItem(dialog, IDCANCEL));
        EXPECT_TRUE(borderIs(image, ok, palette::frame));
        EXPECT_FALSE(borderIs(image, cancel, palette::frame));
        EXPECT_TRUE(hasNearColor(image, cancel.inflate(-3), palette::grayText, 8));
        EXPECT_FALSE(hasNearColor(image, cancel.inflate(-3), palette::buttonText));
        EXPECT_TRUE(hasNearColor(image, ok.inflate(-3), palette::buttonText));

        // The proposal is shown in the white edit field, selected as the dialog opens.
        const Rect edit = pictureRect(dialog, GetDlgItem(dialog, IDC_TEXT_ENTRY_EDIT));
        EXPECT_TRUE(hasColor(image, edit.inflate(-3), palette::selection));
        EXPECT_TRUE(hasColor(image, edit.inflate(-3), palette::window));
        // The prompt's text is drawn on the dialog face.
        const Rect prompt = pictureRect(dialog, GetDlgItem(dialog, IDC_TEXT_ENTRY_PROMPT));
        EXPECT_TRUE(hasNearColor(image, prompt, palette::windowText));
    });
    script.click(IDD_TEXT_ENTRY, IDOK);
    EXPECT_TRUE(frame::askForText(request));
}

// The bundled "Base Plate" template run on a dialog that paints the template's picture behind
// its controls, as the macro dialogs do.
HBITMAP templatePicture = nullptr;

INT_PTR templateHost(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
    if (msg == WM_INITDIALOG) return TRUE;
    if (msg == WM_ERASEBKGND && templatePicture) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        RECT client;
        GetClientRect(hwnd, &client);
        ::FillRect(dc, &client, GetSysColorBrush(COLOR_3DFACE));
        auto bitmap = win::bitmapOf(templatePicture);
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(memory, templatePicture);
        TransparentBlt(dc, 0, 0, bitmap->width, bitmap->height, memory, 0, 0, bitmap->width, bitmap->height,
                       RGB(255, 255, 255));
        SelectObject(memory, old);
        DeleteDC(memory);
        return TRUE;
    }
    return FALSE;
}

class TemplatePicture : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("KV_LIB_DIR", (kvSourceDir() + "/library/").c_str(), 1);
        setenv("KV_DIR", (kvSourceDir() + "/install/").c_str(), 1);
        Kv_Texts::reload();
        win::resetWindowSystem();
    }
    void TearDown() override {
        templatePicture = nullptr;
        win::resetWindowSystem();
    }
};

TEST_F(TemplatePicture, PictureShowsBehindTheTemplateControls) {
    Kv_DlgDesignerData data;
    data.setDynamicIdRange(33000, 33099);  // ids are given as controls are read
    ASSERT_TRUE(data.readFromFile(getDesignerRootFolder() + "Base Plate.txt", true));
    templatePicture = data.getPicture();
    ASSERT_NE(templatePicture, nullptr);
    auto bitmap = win::bitmapOf(templatePicture);
    ASSERT_TRUE(bitmap);

    win::DialogTemplate t;
    t.id = 9400;
    t.caption = "Base plate";
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
    t.cx = bitmap->width;
    t.cy = bitmap->height;
    HWND dialog = CreateDialogIndirectParam(win::instanceHandle(), &t, nullptr, templateHost, 0);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(data.initialize(dialog, 33000, 33099, 0, 0, 0, 0, 0, false));
    data.redrawAllControls();
    ASSERT_GT(data.getNrDrawnControls(), 0);

    Image image = renderWindow(dialog);
    keepPicture(dialog, "module-base-plate-template.png");
    RECT window;
    GetWindowRect(dialog, &window);
    ASSERT_EQ(image.width, window.right - window.left);

    // Picture pixels that no control covers appear where the picture puts them; white ones
    // let the dialog face show through.
    const POINT origin = clientOrigin(dialog);
    int checkedInk = 0, checkedWhite = 0;
    auto covered = [&](int x, int y) {
        for (int i = 0; i < data.getNrControls(); ++i) {
            RECT r = data.getPixelRect(*data.getControl(i));
            if (x >= r.left - 2 && x < r.right + 2 && y >= r.top - 2 && y < r.bottom + 2) return true;
        }
        return false;
    };
    for (int y = 0; y < bitmap->height; y += 7) {
        for (int x = 0; x < bitmap->width; x += 7) {
            if (covered(x, y)) continue;
            const Rgb source = bitmap->pixels[size_t(y) * size_t(bitmap->width) + size_t(x)] & 0xFFFFFF;
            const Rgb shown = colorAt(image, origin.x + x, origin.y + y);
            if (source == 0xFFFFFF) {
                EXPECT_EQ(shown, palette::face) << x << "," << y;
                ++checkedWhite;
            } else {
                EXPECT_EQ(shown, source) << x << "," << y;
                ++checkedInk;
            }
        }
    }
    EXPECT_GT(checkedInk, 10);
    EXPECT_GT(checkedWhite, 10);

    // Every variable field is a white edit field over the picture, drawn where the template
    // places it.
    int fields = 0;
    for (int i = 0; i < data.getNrControls(); ++i) {
        const Kv_DesignerControl* control = data.getControl(i);
        HWND field = GetDlgItem(dialog, control->resId);
        if (!field || strcasecmp(win::describeWindow(field).className.c_str(), "Edit") != 0) continue;
        const Rect r = pictureRect(dialog, field);
        RECT expected = data.getPixelRect(*control);
        EXPECT_EQ(r.left - origin.x, expected.left);
        EXPECT_EQ(r.top - origin.y, expected.top);
        EXPECT_EQ(colorAt(image, (r.left + r.right) / 2, r.top + 3), palette::window);
        ++fields;
    }
    EXPECT_GT(fields, 0);
    data.removeAllDrawnCtrls();
    DestroyWindow(dialog);
}

}  // namespace

#include <gtest/gtest.h>

#include <filesystem>

#include "render/palette.h"
#include "render/window.h"
#include "scene_probe.h"
#include "win/draw.h"
#include "win/input.h"
#include "win/readback.h"
#include "win/resource.h"
#include "win/system.h"
#include "win/wingdi.h"
#include "win/winuser.h"

using namespace render;
using render::probe::borderIs;
using render::probe::colorAt;
using render::probe::countColor;
using render::probe::hasColor;

namespace {

constexpr int kPrompt = 100, kEdit = 101, kCheck = 102, kCombo = 103, kList = 104, kOwnerDrawn = 105, kPicture = 106;

win::ControlTemplate control(int id, const char* cls, uint32_t style, int x, int y, int cx, int cy, const char* text) {
    win::ControlTemplate c;
    c.id = id;
    c.className = cls;
    c.style = style | WS_CHILD | WS_VISIBLE;
    c.x = x;
    c.y = y;
    c.cx = cx;
    c.cy = cy;
    c.text = text;
    return c;
}

// A dialog shaped like the module's text entry dialog, plus a few controls of each kind.
win::DialogTemplate entryDialog() {
    win::DialogTemplate t;
    t.id = 9001;
    t.caption = "Enter a name";
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
    t.cx = 320;
    t.cy = 200;
    t.controls = {
        control(kPrompt, "STATIC", SS_LEFT, 10, 10, 200, 16, "Section name:"),
        control(kEdit, "EDIT", WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP, 10, 30, 200, 22, "HEA 200"),
        control(kCheck, "BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 10, 60, 150, 18, "Mirror"),
        control(kCombo, "COMBOBOX", CBS_DROPDOWNLIST | WS_TABSTOP, 10, 85, 150, 120, ""),
        control(kList, "LISTBOX", WS_BORDER | LBS_NOTIFY, 170, 60, 120, 60, ""),
        control(IDOK, "BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, 140, 140, 75, 23, "OK"),
        control(IDCANCEL, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 225, 140, 75, 23, "Cancel"),
    };
    return t;
}

INT_PTR plainDialog(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG ? TRUE : FALSE; }

class WindowPicture : public ::testing::Test {
protected:
    void SetUp() override { win::resetWindowSystem(); }
    void TearDown() override { win::resetWindowSystem(); }

    HWND open(const win::DialogTemplate& t, DLGPROC proc = plainDialog) {
        tmpl_ = t;
        HWND dialog = CreateDialogIndirectParam(win::instanceHandle(), &tmpl_, nullptr, proc, 0);
        EXPECT_NE(dialog, nullptr);
        win::pumpMessages();
        return dialog;
    }

    // A window's rectangle in the dialog's picture.
    static Rect placeOf(HWND dialog, HWND window) {
        RECT outer = win::describeWindow(dialog).windowRect, r = win::describeWindow(window).windowRect;
        return {r.left - outer.left, r.top - outer.top, r.right - outer.left, r.bottom - outer.top};
    }

    win::DialogTemplate tmpl_;
};

}  // namespace

TEST_F(WindowPicture, PictureHasTheWindowSize) {
    HWND dialog = open(entryDialog());
    RECT r;
    GetWindowRect(dialog, &r);
    Image image = renderWindow(dialog);
    EXPECT_EQ(image.width, r.right - r.left);
    EXPECT_EQ(image.height, r.bottom - r.top);
    // The caption bar runs along the top in the active caption colour.
    EXPECT_TRUE(hasColor(image, {0, 0, image.width / 4, 20}, palette::activeCaption));
    EXPECT_TRUE(hasColor(image, {0, 0, image.width / 2, 20}, palette::captionText));
}

TEST_F(WindowPicture, DefaultButtonFrameIsWhereTheDefaultButtonIs) {
    HWND dialog = open(entryDialog());
    HWND ok = win::defaultButton(dialog);
    ASSERT_EQ(ok, GetDlgItem(dialog, IDOK));
    Image image = renderWindow(dialog);
    Rect okRect = placeOf(dialog, ok);
    EXPECT_TRUE(borderIs(image, okRect, palette::frame));
    EXPECT_FALSE(borderIs(image, placeOf(dialog, GetDlgItem(dialog, IDCANCEL)), palette::frame));
}

TEST_F(WindowPicture, DisabledControlTextIsGrey) {
    HWND dialog = open(entryDialog());
    Rect check = placeOf(dialog, GetDlgItem(dialog, kCheck));
    Rect label{check.left + 16, check.top, check.right, check.bottom};
    Image before = renderWindow(dialog);
    EXPECT_TRUE(hasColor(before, label, palette::buttonText));
    EXPECT_FALSE(hasColor(before, label, palette::grayText));
    EnableWindow(GetDlgItem(dialog, kCheck), FALSE);
    Image after = renderWindow(dialog);
    EXPECT_TRUE(hasColor(after, label, palette::grayText));
    EXPECT_FALSE(hasColor(after, label, palette::buttonText));
}

TEST_F(WindowPicture, CheckStateAndHiddenControlsFollowTheWindows) {
    HWND dialog = open(entryDialog());
    Rect check = placeOf(dialog, GetDlgItem(dialog, kCheck));
    int boxTop = check.top + (check.height() - 13) / 2;
    Rect inside{check.left + 2, boxTop + 2, check.left + 11, boxTop + 11};
    EXPECT_FALSE(hasColor(renderWindow(dialog), inside, palette::windowText));
    CheckDlgButton(dialog, kCheck, BST_CHECKED);
    EXPECT_TRUE(hasColor(renderWindow(dialog), inside, palette::windowText));

    Rect cancel = placeOf(dialog, GetDlgItem(dialog, IDCANCEL));
    ShowWindow(GetDlgItem(dialog, IDCANCEL), SW_HIDE);
    Image hidden = renderWindow(dialog);
    EXPECT_EQ(countColor(hidden, cancel, palette::face), cancel.width() * cancel.height());
}

TEST_F(WindowPicture, ListAndComboShowTheirEntries) {
    HWND dialog = open(entryDialog());
    HWND combo = GetDlgItem(dialog, kCombo), list = GetDlgItem(dialog, kList);
    for (const char* s : {"IPE 100", "IPE 120", "HEA 200"}) {
        SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
        SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    }
    SendMessage(list, LB_SETCURSEL, 1, 0);
    SendMessage(combo, CB_SETCURSEL, 2, 0);
    Rect listRect = placeOf(dialog, list);
    Image image = renderWindow(dialog);
    EXPECT_TRUE(hasColor(image, listRect, palette::selection));
    Rect comboRect = placeOf(dialog, combo);
    EXPECT_TRUE(hasColor(image, comboRect, palette::windowText));  // the chosen entry's text

    SendMessage(combo, CB_SHOWDROPDOWN, TRUE, 0);
    Image dropped = renderWindow(dialog);
    Rect below{comboRect.left, comboRect.bottom, comboRect.right, comboRect.bottom + 3 * 16 + 2};
    EXPECT_TRUE(hasColor(dropped, below, palette::selection));
    EXPECT_TRUE(hasColor(dropped, {below.left, below.top, below.left + 1, below.bottom}, palette::frame));
}

namespace {

LRESULT redPainterProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT r{0, 0, 1000, 1000};
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        ::FillRect(dc, &r, red);
        DeleteObject(red);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

INT_PTR ownerDrawDialog(HWND, UINT msg, WPARAM, LPARAM lParam) {
    if (msg == WM_INITDIALOG) return TRUE;
    if (msg == WM_DRAWITEM) {
        auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
        ::FillRect(dis->hDC, &dis->rcItem, green);
        DeleteObject(green);
        return TRUE;
    }
    return FALSE;
}

int paintedClient = 0;
void markClient(Scene& scene, HWND, const Rect& client) {
    ++paintedClient;
    scene.add(render::FillRect{client, rgb(0, 0, 255)});
}

}  // namespace

TEST_F(WindowPicture, RecordedDrawingIsReplayedAndClippedToTheParent) {
    WNDCLASS wc;
    wc.lpfnWndProc = redPainterProc;
    wc.lpszClassName = "RenderTestPainter";
    wc.hInstance = win::instanceHandle();
    RegisterClass(&wc);
    win::DialogTemplate t = entryDialog();
    // Reaches past the dialog's right edge: the picture must cut it at the client area.
    t.controls.push_back(control(200, "RenderTestPainter", 0, 250, 10, 200, 30, ""));
    HWND dialog = open(t);
    Image image = renderWindow(dialog);
    Rect painted = placeOf(dialog, GetDlgItem(dialog, 200));
    EXPECT_EQ(colorAt(image, painted.left + 5, painted.top + 5), rgb(255, 0, 0));
    // The dialog's frame, right of its client area, keeps its own colours.
    for (int x = image.width - 4; x < image.width; ++x)
        EXPECT_NE(colorAt(image, x, painted.top + 5), rgb(255, 0, 0)) << x;
}

TEST_F(WindowPicture, OwnerDrawnButtonShowsWhatItsOwnerDrew) {
    win::DialogTemplate t = entryDialog();
    t.controls.push_back(control(kOwnerDrawn, "BUTTON", BS_OWNERDRAW, 10, 140, 60, 23, "Own"));
    HWND dialog = open(t, ownerDrawDialog);
    Rect own = placeOf(dialog, GetDlgItem(dialog, kOwnerDrawn));
    Image image = renderWindow(dialog);
    EXPECT_EQ(countColor(image, own, rgb(0, 255, 0)), own.width() * own.height());
}

TEST_F(WindowPicture, OwnerDrawnComboShowsWhatItsOwnerDrewInTheFieldAndTheOpenedList) {
    win::DialogTemplate t = entryDialog();
    t.cy = 300;
    t.controls.push_back(control(kOwnerDrawn, "COMBOBOX", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 170,
                                 180, 120, 150, ""));
    HWND dialog = open(t, ownerDrawDialog);
    HWND combo = GetDlgItem(dialog, kOwnerDrawn);
    for (const char* s : {"Plate", "Profile"}) SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    SendMessage(combo, CB_SETITEMHEIGHT, 0, 30);
    SendMessage(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 30);
    SendMessage(combo, CB_SETCURSEL, 0, 0);
    Rect field = placeOf(dialog, combo);
    EXPECT_EQ(field.height(), 36);
    Image image = renderWindow(dialog);
    EXPECT_TRUE(hasColor(image, field, rgb(0, 255, 0)));
    // The entry's text is the owner's to draw, not the combo box's (the arrow is on the right).
    EXPECT_FALSE(
        hasColor(image, {field.left + 3, field.top + 3, field.right - 20, field.bottom - 3}, palette::windowText));

    SendMessage(combo, CB_SHOWDROPDOWN, TRUE, 0);
    Image dropped = renderWindow(dialog);
    Rect list{field.left + 2, field.bottom + 2, field.right - 2, field.bottom + 2 * 30};
    EXPECT_EQ(countColor(dropped, list, rgb(0, 255, 0)), list.width() * list.height());
    EXPECT_TRUE(hasColor(dropped, field, rgb(0, 255, 0)));
}

TEST_F(WindowPicture, StaticPictureShowsItsBitmap) {
    win::DialogTemplate t = entryDialog();
    t.controls.push_back(control(kPicture, "STATIC", SS_BITMAP, 250, 10, 40, 40, ""));
    HWND dialog = open(t);
    win::Bitmap bitmap;
    bitmap.width = bitmap.height = 8;
    bitmap.pixels.assign(64, 0xFF00FFFFu);
    HBITMAP handle = win::createBitmapHandle(bitmap);
    SendMessage(GetDlgItem(dialog, kPicture), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(handle));
    Rect place = placeOf(dialog, GetDlgItem(dialog, kPicture));
    EXPECT_EQ(countColor(renderWindow(dialog), place, rgb(0, 255, 255)), 64);
}

TEST_F(WindowPicture, RegisteredPainterDrawsItsClass) {
    WNDCLASS wc;
    wc.lpfnWndProc = DefWindowProc;
    wc.lpszClassName = "RenderTestGrid";
    wc.hInstance = win::instanceHandle();
    RegisterClass(&wc);
    win::DialogTemplate t = entryDialog();
    t.controls.push_back(control(201, "RenderTestGrid", WS_BORDER, 250, 10, 40, 40, ""));
    HWND dialog = open(t);
    registerWindowPainter("rendertestgrid", markClient);
    paintedClient = 0;
    Image image = renderWindow(dialog);
    registerWindowPainter("RenderTestGrid", nullptr);
    EXPECT_EQ(paintedClient, 1);
    Rect place = placeOf(dialog, GetDlgItem(dialog, 201));
    EXPECT_EQ(colorAt(image, place.left + 20, place.top + 20), rgb(0, 0, 255));
    EXPECT_EQ(colorAt(image, place.left, place.top), palette::frame);  // the border stays
}

TEST_F(WindowPicture, FilesForValidAndInvalidWindows) {
    HWND dialog = open(entryDialog());
    auto dir = std::filesystem::temp_directory_path() / "kvrender_window_test";
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(renderWindowToPng(dialog, (dir / "entry.png").string()).ok);
    EXPECT_TRUE(renderWindowToSvg(dialog, (dir / "entry.svg").string()).ok);
    EXPECT_GT(std::filesystem::file_size(dir / "entry.png"), 500u);
    DestroyWindow(dialog);
    WriteResult gone = renderWindowToPng(dialog, (dir / "gone.png").string());
    EXPECT_FALSE(gone.ok);
    EXPECT_FALSE(std::filesystem::exists(dir / "gone.png"));
    EXPECT_EQ(renderWindow(dialog).width, 0);
    std::filesystem::remove_all(dir);
}

// A popup menu is a window above its owner: the owner's picture shows it where it lies, the
// item under the keyboard's highlight in the selection colour.
TEST_F(WindowPicture, OpenPopupMenuShowsInItsOwnersPicture) {
    HWND dialog = open(entryDialog());
    HMENU menu = CreatePopupMenu();
    AppendMenu(menu, MF_STRING, 501, "&Copy");
    AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenu(menu, MF_STRING | MF_GRAYED, 502, "&Paste");
    RECT frame = win::describeWindow(dialog).windowRect;
    POINT at{frame.left + 40, frame.top + 60};
    Image closed = renderWindow(dialog), opened, highlighted;
    Rect menuArea;
    win::ScriptedInput script;
    win::setInputSource(&script);
    script
        .inspect([&] {
            HWND popup = win::openPopupMenu();
            ASSERT_NE(popup, nullptr);
            menuArea = placeOf(dialog, popup);
            opened = renderWindow(dialog);
        })
        .key(0, VK_DOWN)
        .inspect([&] { highlighted = renderWindow(dialog); })
        .dismissMenu();
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, at.x, at.y, 0, dialog, nullptr), 0);
    win::setInputSource(nullptr);
    EXPECT_FALSE(script.failed()) << script.failure();
    ASSERT_FALSE(menuArea.empty());
    EXPECT_EQ(menuArea.left, 40);
    EXPECT_EQ(menuArea.top, 60);
    const Rect inside = menuArea.inflate(-4);
    int changed = 0;
    for (int y = inside.top; y < inside.bottom; ++y)
        for (int x = inside.left; x < inside.right; ++x) changed += colorAt(opened, x, y) != colorAt(closed, x, y);
    EXPECT_GT(changed, 100);                                         // the menu's box and items cover what lay below
    EXPECT_FALSE(hasColor(opened, inside, palette::selection));      // nothing highlighted yet; the edit is covered
    EXPECT_TRUE(hasColor(highlighted, inside, palette::selection));  // Copy highlighted
    DestroyMenu(menu);
}

// A rich edit ends its lines at LF CR as well: drawn, it shows the same three lines as an edit
// whose lines end at CR LF, with no empty line between them.
TEST_F(WindowPicture, RichEditDrawsLineFeedCarriageReturnAsOneLineBreak) {
    win::DialogTemplate t = entryDialog();
    constexpr int kRich = 110, kPlain = 111;
    t.cy = 300;
    t.controls.push_back(control(kRich, "RichEdit20A", WS_BORDER | ES_MULTILINE, 10, 180, 140, 100, "x\n\ry\n\rz"));
    t.controls.push_back(control(kPlain, "EDIT", WS_BORDER | ES_MULTILINE, 160, 180, 140, 100, "x\r\ny\r\nz"));
    HWND dialog = open(t);
    Image image = renderWindow(dialog);
    const Rect rich = placeOf(dialog, GetDlgItem(dialog, kRich)), plain = placeOf(dialog, GetDlgItem(dialog, kPlain));
    auto inner = [](Rect r) { return Rect{r.left + 3, r.top + 3, r.right - 3, r.bottom - 3}; };
    const Rect richInk = render::probe::inkBounds(image, inner(rich), palette::window);
    const Rect plainInk = render::probe::inkBounds(image, inner(plain), palette::window);
    ASSERT_FALSE(richInk.empty());
    EXPECT_EQ(richInk.top - rich.top, plainInk.top - plain.top);
    EXPECT_EQ(richInk.bottom - rich.top, plainInk.bottom - plain.top);
}

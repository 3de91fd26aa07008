// Writes the sample pictures of docs/images from live dialogs of the window system:
//   render_samples <folder>
// A person looks at them to judge the classic look; tests check properties instead.

#include <cmath>
#include <cstdio>
#include <string>

#include "render/window.h"
#include "win/draw.h"
#include "win/readback.h"
#include "win/resource.h"
#include "win/system.h"
#include "win/wingdi.h"
#include "win/winuser.h"
#ifdef KV_SAMPLES_WITH_SHEET
#include "sheet/ss_api.h"
#endif

namespace {

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

INT_PTR plainDialog(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG ? TRUE : FALSE; }

win::DialogTemplate textEntry() {
    win::DialogTemplate t;
    t.id = 9101;
    t.caption = "Profile length";
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
    t.cx = 300;
    t.cy = 130;
    t.controls = {
        control(100, "STATIC", SS_LEFT, 12, 12, 270, 16, "Length of the stiffener in mm (0\xB0 to 90\xB0 cut):"),
        control(101, "EDIT", WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP, 12, 32, 270, 22, "1250"),
        control(IDOK, "BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, 124, 70, 75, 23, "OK"),
        control(IDCANCEL, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 207, 70, 75, 23, "Cancel"),
    };
    return t;
}

// A sketch of an end plate connection: what a designed template shows behind its controls.
win::Bitmap connectionSketch(int w, int h) {
    win::Bitmap b;
    b.width = w;
    b.height = h;
    b.pixels.assign(size_t(w) * size_t(h), 0xFFFFFFFFu);
    auto fill = [&](int x0, int y0, int x1, int y1, uint32_t c) {
        for (int y = std::max(0, y0); y < std::min(h, y1); ++y)
            for (int x = std::max(0, x0); x < std::min(w, x1); ++x) b.pixels[size_t(y) * size_t(w) + size_t(x)] = c;
    };
    const uint32_t steel = 0xFF8FA3B8u, edge = 0xFF203040u, bolt = 0xFF404040u, dim = 0xFFC00000u;
    // Column flange and web, beam with end plate.
    fill(20, 10, 44, h - 10, steel);
    fill(20, 10, 21, h - 10, edge);
    fill(43, 10, 44, h - 10, edge);
    fill(44, 40, 54, h - 40, steel);
    fill(54, 50, w - 20, 62, steel);
    fill(54, h - 62, w - 20, h - 50, steel);
    fill(54, 62, w - 20, h - 62, 0xFFB8C8D8u);
    fill(54, 50, w - 20, 51, edge);
    fill(54, h - 51, w - 20, h - 50, edge);
    for (int i = 0; i < 4; ++i) {
        int y = 55 + i * (h - 110) / 3;
        fill(45, y - 3, 53, y + 3, bolt);
    }
    // Dimension line.
    fill(60, h - 25, w - 20, h - 24, dim);
    fill(60, h - 30, 61, h - 19, dim);
    fill(w - 21, h - 30, w - 20, h - 19, dim);
    return b;
}

HBITMAP sketchHandle = nullptr;

INT_PTR designedDialog(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
    if (msg == WM_INITDIALOG) return TRUE;
    if (msg == WM_ERASEBKGND) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(dc, &client, GetSysColorBrush(COLOR_3DFACE));
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(memory, sketchHandle);
        // White is the template picture's transparent colour.
        TransparentBlt(dc, 12, 12, 220, 200, memory, 0, 0, 220, 200, RGB(255, 255, 255));
        SelectObject(memory, old);
        DeleteDC(memory);
        return TRUE;
    }
    return FALSE;
}

win::DialogTemplate designed() {
    win::DialogTemplate t;
    t.id = 9102;
    t.caption = "End plate connection";
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
    t.cx = 520;
    t.cy = 300;
    t.controls = {
        control(301, "STATIC", SS_RIGHT, 245, 16, 110, 16, "Plate thickness:"),
        control(302, "EDIT", WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP, 360, 13, 70, 22, "15"),
        control(303, "STATIC", SS_RIGHT, 245, 44, 110, 16, "Bolt size:"),
        control(304, "COMBOBOX", CBS_DROPDOWNLIST | WS_TABSTOP, 360, 41, 130, 160, ""),
        control(305, "BUTTON", BS_GROUPBOX, 245, 72, 250, 90, "Options"),
        control(306, "BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 255, 92, 230, 18, "Stiffeners on both sides"),
        control(307, "BUTTON", BS_AUTO3STATE | WS_TABSTOP, 255, 114, 230, 18, "Weld all around"),
        control(308, "BUTTON", BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP, 255, 136, 110, 18, "Shop bolts"),
        control(309, "BUTTON", BS_AUTORADIOBUTTON, 370, 136, 110, 18, "Site bolts"),
        control(310, "LISTBOX", WS_BORDER | LBS_NOTIFY | WS_VSCROLL, 245, 170, 250, 52, ""),
        control(311, "STATIC", SS_LEFT, 12, 240, 220, 16, "Changes apply to the drawing at once."),
        control(IDOK, "BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, 262, 236, 75, 23, "OK"),
        control(IDCANCEL, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 345, 236, 75, 23, "Cancel"),
        control(312, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED, 428, 236, 75, 23, "&Apply"),
    };
    return t;
}

#ifdef KV_SAMPLES_WITH_SHEET
// The two 13-pixel check-box pictures the module's tables use: an empty box and a ticked one.
HBITMAP checkPicture(bool ticked) {
    win::Bitmap b;
    b.width = b.height = 13;
    b.pixels.assign(169, 0xFFFFFFFFu);
    for (int i = 0; i < 13; ++i) {
        for (int edge : {0, 12}) {
            b.pixels[size_t(edge * 13 + i)] = 0xFF808080u;
            b.pixels[size_t(i * 13 + edge)] = 0xFF808080u;
        }
    }
    if (ticked) {
        static const char* const rows[7] = {"......X", ".....XX", "X...XXX", "XX.XXX.",
                                            "XXXXX..", ".XXX...", "..X...."};
        for (int r = 0; r < 7; ++r)
            for (int c = 0; c < 7; ++c)
                if (rows[r][c] == 'X') b.pixels[size_t((r + 3) * 13 + c + 3)] = 0xFF000000u;
    }
    return win::createBitmapHandle(b);
}

HWND sheetDialog() {
    static win::DialogTemplate t;
    t.id = 9103;
    t.caption = "Bolt rows";
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
    t.cx = 430;
    t.cy = 250;
    t.controls = {
        control(1196, kSpreadClassName, WS_BORDER | WS_TABSTOP, 10, 10, 404, 160, ""),
        control(IDOK, "BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, 256, 182, 75, 23, "OK"),
        control(IDCANCEL, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 339, 182, 75, 23, "Cancel"),
    };
    SSRegisterClass();
    HWND dialog = CreateDialogIndirectParam(win::instanceHandle(), &t, nullptr, plainDialog, 0);
    HWND s = GetDlgItem(dialog, 1196);
    SSSetMaxCols(s, 5);
    SSSetMaxRows(s, 12);
    SSSetColWidthInPixels(s, 0, 30);
    SSSetColWidthInPixels(s, 1, 110);
    SSSetColWidthInPixels(s, 2, 50);
    SSSetColWidthInPixels(s, 3, 80);
    SSSetColWidthInPixels(s, 4, 70);
    SSSetColWidthInPixels(s, 5, 40);
    const char* headers[] = {"Name", "Active", "Distance", "Bolt", ""};
    for (int c = 1; c <= 5; ++c) SSSetData(s, c, SS_HEADER, headers[c - 1]);
    HBITMAP empty = checkPicture(false), ticked = checkPicture(true);
    SS_CELLTYPE check, combo, button;
    SSSetTypeCheckBox(s, &check, 768, "", empty, 6, ticked, 6, empty, 6, ticked, 6);
    SSSetCellTypeRange(s, 2, 1, 2, 12, &check);
    SSSetTypeComboBox(s, &combo, 0x400000, "M16\tM20\tM24");
    SSSetCellTypeRange(s, 4, 1, 4, 12, &combo);
    SSSetTypeButton(s, &button, 0, "...");
    SSSetCellTypeRange(s, 5, 1, 5, 12, &button);
    SSSetLockColor(s, RGB(0xE6, 0xE6, 0xE6), KV_SYSCOLOR_FLAG | COLOR_WINDOWTEXT);
    SSSetBool(s, 18, TRUE);
    for (int r = 1; r <= 12; ++r) {
        std::string name = "Row " + std::to_string(r);
        SSSetData(s, 1, r, name.c_str());
        SSSetLock(s, 1, r, TRUE);
        SSSetData(s, 2, r, r % 3 == 0 ? "0" : "1");
        SSSetData(s, 3, r, std::to_string(60 + 80 * (r - 1)).c_str());
        SSSetData(s, 4, r, r < 5 ? "M20" : "M24");
    }
    SSSetActiveCell(s, 3, 9);
    SS_CELLCOORD first{3, 8}, last{4, 10};
    SSSetSelectBlock(s, &first, &last);
    win::pumpMessages();
    SetFocus(s);
    return dialog;
}
#endif

bool write(HWND hwnd, const std::string& path) {
    render::WriteResult r = render::renderWindowToPng(hwnd, path);
    std::printf("%s %s\n", r.ok ? "wrote" : "failed", r.ok ? path.c_str() : r.error.c_str());
    return r.ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_samples <folder>\n");
        return 2;
    }
    std::string folder = argv[1];
    bool ok = true;

    win::DialogTemplate entry = textEntry();
    HWND entryDialog = CreateDialogIndirectParam(win::instanceHandle(), &entry, nullptr, plainDialog, 0);
    win::pumpMessages();
    SetFocus(GetDlgItem(entryDialog, 101));
    ok &= write(entryDialog, folder + "/text-entry.png");
    DestroyWindow(entryDialog);

    sketchHandle = win::createBitmapHandle(connectionSketch(220, 200));
    win::DialogTemplate plate = designed();
    HWND plateDialog = CreateDialogIndirectParam(win::instanceHandle(), &plate, nullptr, designedDialog, 0);
    HWND combo = GetDlgItem(plateDialog, 304);
    for (const char* s : {"M12", "M16", "M20", "M24", "M27", "M30"})
        SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    SendMessage(combo, CB_SETCURSEL, 2, 0);
    CheckDlgButton(plateDialog, 306, BST_CHECKED);
    CheckDlgButton(plateDialog, 307, BST_INDETERMINATE);
    CheckDlgButton(plateDialog, 308, BST_CHECKED);
    HWND list = GetDlgItem(plateDialog, 310);
    for (const char* s :
         {"Row 1: 2 bolts, 60 mm", "Row 2: 2 bolts, 140 mm", "Row 3: 2 bolts, 220 mm", "Row 4: 2 bolts, 300 mm"})
        SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    SendMessage(list, LB_SETCURSEL, 1, 0);
    win::pumpMessages();
    SetFocus(GetDlgItem(plateDialog, 302));
    ok &= write(plateDialog, folder + "/designed-dialog.png");
    SetFocus(combo);
    SendMessage(combo, CB_SHOWDROPDOWN, TRUE, 0);
    ok &= write(plateDialog, folder + "/designed-dialog-combo-open.png");
    DestroyWindow(plateDialog);
#ifdef KV_SAMPLES_WITH_SHEET
    HWND sheets = sheetDialog();
    ok &= write(sheets, folder + "/sheet-dialog.png");
    DestroyWindow(sheets);
#endif
    return ok ? 0 : 1;
}

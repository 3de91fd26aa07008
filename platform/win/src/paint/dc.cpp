// Device contexts.  A window's device context records what is drawn (win::DrawRecord); a
// memory device context draws fills and copies into its selected bitmap's pixels and keeps the
// rest (text, lines) as an overlay that travels with the bitmap when it is copied to a window.

#include <algorithm>
#include <cstring>
#include <map>
#include <utility>

#include "kernel/kernel.h"
#include "paint/gdi.h"
#include "win/wingdi.h"

namespace win::detail {

namespace {

struct State {
    HBITMAP bitmap = nullptr;
    HFONT font = nullptr;
    HBRUSH brush = nullptr;
    HPEN pen = nullptr;
    COLORREF text = 0;
    COLORREF background = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    POINT pos;
};

struct DeviceContext {
    enum class Target { Paint, Later, Memory, Screen };
    Target target = Target::Screen;
    HWND hwnd = nullptr;
    State state;
    std::vector<State> saved;
};

std::map<uintptr_t, DeviceContext>& dcs() {
    static std::map<uintptr_t, DeviceContext> table;
    return table;
}
uintptr_t nextDc = 0x20000;

DeviceContext* dcOf(HDC dc) {
    auto it = dcs().find(reinterpret_cast<uintptr_t>(dc));
    return it == dcs().end() ? nullptr : &it->second;
}

HDC newDc(DeviceContext::Target target, HWND hwnd) {
    uintptr_t key = nextDc;
    nextDc += 8;
    DeviceContext d;
    d.target = target;
    d.hwnd = hwnd;
    d.state.brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    d.state.pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
    dcs()[key] = d;
    return reinterpret_cast<HDC>(key);
}

GdiObject* selectedBitmap(DeviceContext& d) {
    if (d.target != DeviceContext::Target::Memory) return nullptr;
    GdiObject* o = gdiObject(d.state.bitmap);
    return o && o->kind == GdiKind::Bitmap && o->bitmap ? o : nullptr;
}

FontSpec fontIn(const DeviceContext& d) { return win::fontOf(d.state.font); }

void record(DeviceContext& d, DrawRecord r) {
    if (d.target == DeviceContext::Target::Memory) {
        if (GdiObject* b = selectedBitmap(d)) b->overlay.push_back(std::move(r));
        return;
    }
    Window* w = window(d.hwnd);
    if (!w) return;
    (d.target == DeviceContext::Target::Paint ? w->paint : w->later).push_back(std::move(r));
}

uint32_t argb(COLORREF c) {
    c = win::resolveColor(c);
    return 0xFF000000u | (static_cast<uint32_t>(GetRValue(c)) << 16) | (static_cast<uint32_t>(GetGValue(c)) << 8) |
           GetBValue(c);
}

COLORREF colorref(uint32_t p) { return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF); }

void fillPixels(Bitmap& b, RECT r, uint32_t color) {
    r.left = std::max<LONG>(r.left, 0);
    r.top = std::max<LONG>(r.top, 0);
    r.right = std::min<LONG>(r.right, b.width);
    r.bottom = std::min<LONG>(r.bottom, b.height);
    for (LONG y = r.top; y < r.bottom; ++y)
        for (LONG x = r.left; x < r.right; ++x)
            b.pixels[static_cast<size_t>(y) * static_cast<size_t>(b.width) + static_cast<size_t>(x)] = color;
}

void framePixels(Bitmap& b, RECT r, uint32_t color, int width) {
    fillPixels(b, RECT{r.left, r.top, r.right, r.top + width}, color);
    fillPixels(b, RECT{r.left, r.bottom - width, r.right, r.bottom}, color);
    fillPixels(b, RECT{r.left, r.top, r.left + width, r.bottom}, color);
    fillPixels(b, RECT{r.right - width, r.top, r.right, r.bottom}, color);
}

struct PenInfo {
    COLORREF color = 0;
    int style = PS_SOLID;
    int width = 1;
};
PenInfo penIn(const DeviceContext& d) {
    PenInfo p;
    if (GdiObject* o = gdiObject(d.state.pen); o && o->kind == GdiKind::Pen) {
        p.color = win::resolveColor(o->color);
        p.style = o->penStyle;
        p.width = o->penWidth;
    }
    return p;
}

// Copies (part of) a memory device context's bitmap onto another device context.
BOOL blit(HDC dst, int x, int y, int cx, int cy, HDC src, int sx, int sy, int scx, int scy, bool hasTransparent,
          COLORREF transparent, HBITMAP mask) {
    DeviceContext* d = dcOf(dst);
    DeviceContext* s = dcOf(src);
    if (!d || !s) return FALSE;
    GdiObject* sb = selectedBitmap(*s);
    if (!sb) return FALSE;
    std::shared_ptr<const Bitmap> maskBitmap = mask ? win::bitmapOf(mask) : nullptr;
    if (GdiObject* db = selectedBitmap(*d)) {
        std::shared_ptr<const Bitmap> from = sb->bitmap;  // keeps the source alive if it is the target
        Bitmap& to = writableBitmap(*db);
        uint32_t key = argb(transparent) & 0x00FFFFFFu;
        for (int j = 0; j < cy; ++j)
            for (int i = 0; i < cx; ++i) {
                int fx = sx + (cx ? i * scx / cx : 0), fy = sy + (cy ? j * scy / cy : 0);
                int tx = x + i, ty = y + j;
                if (fx < 0 || fy < 0 || fx >= from->width || fy >= from->height) continue;
                if (tx < 0 || ty < 0 || tx >= to.width || ty >= to.height) continue;
                uint32_t p =
                    from->pixels[static_cast<size_t>(fy) * static_cast<size_t>(from->width) + static_cast<size_t>(fx)];
                if (hasTransparent && (p & 0x00FFFFFFu) == key) continue;
                if (maskBitmap && (maskBitmap->at(fx, fy) & 0x00FFFFFFu) == 0x00FFFFFFu) continue;
                to.pixels[static_cast<size_t>(ty) * static_cast<size_t>(to.width) + static_cast<size_t>(tx)] = p;
            }
        return TRUE;
    }
    DrawRecord r;
    r.kind = DrawRecord::Kind::Bitmap;
    r.rect = RECT{x, y, x + cx, y + cy};
    r.src = RECT{sx, sy, sx + scx, sy + scy};
    r.bitmap = sb->bitmap;
    r.hasTransparent = hasTransparent;
    r.transparent = win::resolveColor(transparent);
    r.mask = maskBitmap;
    record(*d, r);
    if (cx == scx && cy == scy) {
        for (DrawRecord o : sb->overlay) {
            OffsetRect(&o.rect, x - sx, y - sy);
            o.from.x += x - sx;
            o.from.y += y - sy;
            o.to.x += x - sx;
            o.to.y += y - sy;
            record(*d, o);
        }
    }
    return TRUE;
}

}  // namespace

void recordInto(HDC dc, DrawRecord r) {
    if (DeviceContext* d = dcOf(dc)) record(*d, std::move(r));
}

bool isDeviceContext(HDC dc) { return dcOf(dc) != nullptr; }

}  // namespace win::detail

using namespace win::detail;
using namespace win;

namespace win {

std::vector<DrawRecord> paintRecords(HWND hwnd) {
    Window* w = window(hwnd);
    if (!w) return {};
    std::vector<DrawRecord> all = w->paint;
    all.insert(all.end(), w->later.begin(), w->later.end());
    return all;
}

void updateAllWindows() {
    MSG msg;
    for (int guard = 0; guard < 100000 && takeMessage(msg, nullptr, WM_PAINT, WM_PAINT, true); ++guard)
        DispatchMessage(&msg);
}

}  // namespace win

HDC CreateCompatibleDC(HDC) { return newDc(DeviceContext::Target::Memory, nullptr); }

BOOL DeleteDC(HDC dc) { return dcs().erase(reinterpret_cast<uintptr_t>(dc)) ? TRUE : FALSE; }

int SaveDC(HDC dc) {
    DeviceContext* d = dcOf(dc);
    if (!d) return 0;
    d->saved.push_back(d->state);
    return static_cast<int>(d->saved.size());
}

BOOL RestoreDC(HDC dc, int saved) {
    DeviceContext* d = dcOf(dc);
    if (!d || d->saved.empty()) return FALSE;
    size_t level = saved < 0
                       ? d->saved.size() - static_cast<size_t>(std::min<int>(-saved, static_cast<int>(d->saved.size())))
                       : static_cast<size_t>(saved - 1);
    if (level >= d->saved.size()) return FALSE;
    d->state = d->saved[level];
    d->saved.resize(level);
    return TRUE;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    DeviceContext* d = dcOf(dc);
    GdiObject* o = gdiObject(object);
    if (!d || !o) return nullptr;
    HGDIOBJ old = nullptr;
    switch (o->kind) {
    case GdiKind::Brush:
        old = d->state.brush;
        d->state.brush = static_cast<HBRUSH>(object);
        break;
    case GdiKind::Pen:
        old = d->state.pen;
        d->state.pen = static_cast<HPEN>(object);
        break;
    case GdiKind::Font:
        old = d->state.font;
        d->state.font = static_cast<HFONT>(object);
        break;
    case GdiKind::Bitmap:
        if (d->target != DeviceContext::Target::Memory) return nullptr;
        old = d->state.bitmap;
        d->state.bitmap = static_cast<HBITMAP>(object);
        // A memory DC's first default bitmap is 1 by 1; restoring "nothing" must still succeed.
        if (!old) old = CreateCompatibleBitmap(nullptr, 1, 1);
        break;
    }
    return old;
}

COLORREF SetTextColor(HDC dc, COLORREF c) {
    DeviceContext* d = dcOf(dc);
    if (!d) return 0xFFFFFFFF;
    return std::exchange(d->state.text, c);
}
COLORREF GetTextColor(HDC dc) {
    DeviceContext* d = dcOf(dc);
    return d ? d->state.text : 0;
}
COLORREF SetBkColor(HDC dc, COLORREF c) {
    DeviceContext* d = dcOf(dc);
    if (!d) return 0xFFFFFFFF;
    return std::exchange(d->state.background, c);
}
COLORREF GetBkColor(HDC dc) {
    DeviceContext* d = dcOf(dc);
    return d ? d->state.background : 0;
}
int SetBkMode(HDC dc, int mode) {
    DeviceContext* d = dcOf(dc);
    if (!d) return 0;
    return std::exchange(d->state.bkMode, mode);
}
int GetBkMode(HDC dc) {
    DeviceContext* d = dcOf(dc);
    return d ? d->state.bkMode : 0;
}

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
    DeviceContext* d = dcOf(dc);
    if (!d || !rect) return 0;
    if (win::isHollowBrush(brush)) return 1;
    COLORREF color = win::brushColor(brush);
    if (GdiObject* b = selectedBitmap(*d)) {
        fillPixels(writableBitmap(*b), *rect, argb(color));
        return 1;
    }
    DrawRecord r;
    r.kind = DrawRecord::Kind::FillRect;
    r.rect = *rect;
    r.color = color;
    record(*d, r);
    return 1;
}

int FrameRect(HDC dc, const RECT* rect, HBRUSH brush) {
    DeviceContext* d = dcOf(dc);
    if (!d || !rect) return 0;
    COLORREF color = win::brushColor(brush);
    if (GdiObject* b = selectedBitmap(*d)) {
        framePixels(writableBitmap(*b), *rect, argb(color), 1);
        return 1;
    }
    DrawRecord r;
    r.kind = DrawRecord::Kind::FrameRect;
    r.rect = *rect;
    r.color = color;
    record(*d, r);
    return 1;
}

BOOL InvertRect(HDC dc, const RECT* rect) {
    DeviceContext* d = dcOf(dc);
    if (!d || !rect) return FALSE;
    if (GdiObject* b = selectedBitmap(*d)) {
        Bitmap& bm = writableBitmap(*b);
        for (LONG y = std::max<LONG>(0, rect->top); y < std::min<LONG>(bm.height, rect->bottom); ++y)
            for (LONG x = std::max<LONG>(0, rect->left); x < std::min<LONG>(bm.width, rect->right); ++x)
                bm.pixels[static_cast<size_t>(y) * static_cast<size_t>(bm.width) + static_cast<size_t>(x)] ^=
                    0x00FFFFFFu;
        return TRUE;
    }
    DrawRecord r;
    r.kind = DrawRecord::Kind::InvertRect;
    r.rect = *rect;
    record(*d, r);
    return TRUE;
}

static BOOL shape(HDC dc, DrawRecord::Kind kind, int l, int t, int r, int b) {
    DeviceContext* d = dcOf(dc);
    if (!d) return FALSE;
    PenInfo pen = penIn(*d);
    bool hollow = win::isHollowBrush(d->state.brush);
    COLORREF fill = win::brushColor(d->state.brush);
    GdiObject* bmp = selectedBitmap(*d);
    if (bmp && kind == DrawRecord::Kind::Rectangle) {
        Bitmap& bm = writableBitmap(*bmp);
        if (!hollow) fillPixels(bm, RECT{l, t, r, b}, argb(fill));
        if (pen.style != PS_NULL) framePixels(bm, RECT{l, t, r, b}, argb(pen.color), pen.width);
        return TRUE;
    }
    DrawRecord rec;
    rec.kind = kind;
    rec.rect = RECT{l, t, r, b};
    rec.color = pen.color;
    rec.penStyle = pen.style;
    rec.penWidth = pen.width;
    rec.fill = fill;
    rec.hollow = hollow;
    record(*d, rec);
    return TRUE;
}

BOOL Rectangle(HDC dc, int l, int t, int r, int b) { return shape(dc, DrawRecord::Kind::Rectangle, l, t, r, b); }
BOOL Ellipse(HDC dc, int l, int t, int r, int b) { return shape(dc, DrawRecord::Kind::Ellipse, l, t, r, b); }

BOOL MoveToEx(HDC dc, int x, int y, LPPOINT previous) {
    DeviceContext* d = dcOf(dc);
    if (!d) return FALSE;
    if (previous) *previous = d->state.pos;
    d->state.pos = POINT{x, y};
    return TRUE;
}

BOOL LineTo(HDC dc, int x, int y) {
    DeviceContext* d = dcOf(dc);
    if (!d) return FALSE;
    PenInfo pen = penIn(*d);
    DrawRecord r;
    r.kind = DrawRecord::Kind::Line;
    r.from = d->state.pos;
    r.to = POINT{x, y};
    r.rect = RECT{std::min<LONG>(r.from.x, x), std::min<LONG>(r.from.y, y), std::max<LONG>(r.from.x, x) + 1,
                  std::max<LONG>(r.from.y, y) + 1};
    r.color = pen.color;
    r.penStyle = pen.style;
    r.penWidth = pen.width;
    if (pen.style != PS_NULL) record(*d, r);
    d->state.pos = POINT{x, y};
    return TRUE;
}

BOOL DrawFocusRect(HDC dc, const RECT* rect) {
    DeviceContext* d = dcOf(dc);
    if (!d || !rect) return FALSE;
    DrawRecord r;
    r.kind = DrawRecord::Kind::FocusRect;
    r.rect = *rect;
    record(*d, r);
    return TRUE;
}

BOOL DrawEdge(HDC dc, LPRECT rect, UINT edge, UINT flags) {
    DeviceContext* d = dcOf(dc);
    if (!d || !rect) return FALSE;
    DrawRecord r;
    r.kind = DrawRecord::Kind::Edge;
    r.rect = *rect;
    r.edge = edge;
    r.flags = flags;
    record(*d, r);
    return TRUE;
}

static int wrappedHeight(const FontSpec& font, const std::string& text, int width, int* widest) {
    int lineHeight = measureText(font, "Xg").cy;
    int lines = 0;
    *widest = 0;
    size_t start = 0;
    while (start <= text.size()) {
        size_t nl = text.find('\n', start);
        std::string para = text.substr(start, nl == std::string::npos ? std::string::npos : nl - start);
        if (!para.empty() && para.back() == '\r') para.pop_back();
        std::string line;
        size_t pos = 0;
        auto flush = [&] {
            *widest = std::max(*widest, measureText(font, line).cx);
            ++lines;
            line.clear();
        };
        while (pos < para.size()) {
            size_t sp = para.find(' ', pos);
            std::string word = para.substr(pos, sp == std::string::npos ? std::string::npos : sp - pos);
            std::string candidate = line.empty() ? word : line + " " + word;
            if (!line.empty() && measureText(font, candidate).cx > width) {
                flush();
                line = word;
            } else {
                line = candidate;
            }
            if (sp == std::string::npos) break;
            pos = sp + 1;
        }
        flush();
        if (nl == std::string::npos) break;
        start = nl + 1;
    }
    return lines * lineHeight;
}

int DrawText(HDC dc, LPCSTR text, int count, LPRECT rect, UINT format) {
    DeviceContext* d = dcOf(dc);
    if (!d || !text || !rect) return 0;
    std::string s(text, count < 0 ? std::strlen(text) : static_cast<size_t>(count));
    FontSpec font = fontIn(*d);
    int height;
    int width;
    if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE)) {
        height = wrappedHeight(font, s, std::max<int>(1, rect->right - rect->left), &width);
    } else {
        TextSize size = measureText(font, s);
        height = size.cy;
        width = size.cx;
    }
    if (format & DT_CALCRECT) {
        rect->right = rect->left + width;
        rect->bottom = rect->top + height;
        return height;
    }
    DrawRecord r;
    r.kind = DrawRecord::Kind::Text;
    r.rect = *rect;
    r.text = s;
    r.format = format;
    r.font = font;
    r.color = win::resolveColor(d->state.text);
    r.opaque = d->state.bkMode == OPAQUE;
    r.background = win::resolveColor(d->state.background);
    record(*d, r);
    return height;
}

BOOL TextOut(HDC dc, int x, int y, LPCSTR text, int count) {
    DeviceContext* d = dcOf(dc);
    if (!d || !text) return FALSE;
    std::string s(text, count < 0 ? std::strlen(text) : static_cast<size_t>(count));
    TextSize size = measureText(fontIn(*d), s);
    RECT r{x, y, x + size.cx, y + size.cy};
    DrawText(dc, s.c_str(), static_cast<int>(s.size()), &r, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOCLIP);
    return TRUE;
}

BOOL GetTextExtentPoint32(HDC dc, LPCSTR text, int count, SIZE* size) {
    DeviceContext* d = dcOf(dc);
    if (!d || !text || !size) return FALSE;
    TextSize t =
        measureText(fontIn(*d), std::string_view(text, count < 0 ? std::strlen(text) : static_cast<size_t>(count)));
    size->cx = t.cx;
    size->cy = t.cy;
    return TRUE;
}

BOOL GetTextMetrics(HDC dc, TEXTMETRIC* tm) {
    DeviceContext* d = dcOf(dc);
    if (!d || !tm) return FALSE;
    FontSpec f = fontIn(*d);
    *tm = TEXTMETRIC{};
    tm->tmHeight = measureText(f, "Xg").cy;
    tm->tmAscent = tm->tmHeight * 4 / 5;
    tm->tmDescent = tm->tmHeight - tm->tmAscent;
    tm->tmAveCharWidth = averageCharWidth(f);
    tm->tmMaxCharWidth = measureText(f, "W").cx;
    tm->tmWeight = f.weight;
    return TRUE;
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color) {
    DeviceContext* d = dcOf(dc);
    if (!d) return 0xFFFFFFFF;
    if (GdiObject* b = selectedBitmap(*d)) {
        fillPixels(writableBitmap(*b), RECT{x, y, x + 1, y + 1}, argb(color));
        return win::resolveColor(color);
    }
    DrawRecord r;
    r.kind = DrawRecord::Kind::Pixel;
    r.rect = RECT{x, y, x + 1, y + 1};
    r.color = win::resolveColor(color);
    record(*d, r);
    return r.color;
}

COLORREF GetPixel(HDC dc, int x, int y) {
    DeviceContext* d = dcOf(dc);
    if (!d) return 0xFFFFFFFF;
    GdiObject* b = selectedBitmap(*d);
    if (!b || x < 0 || y < 0 || x >= b->bitmap->width || y >= b->bitmap->height) return 0xFFFFFFFF;
    return colorref(b->bitmap->at(x, y));
}

BOOL BitBlt(HDC dst, int x, int y, int cx, int cy, HDC src, int sx, int sy, DWORD rop) {
    if (rop == BLACKNESS || rop == WHITENESS || rop == PATCOPY) return PatBlt(dst, x, y, cx, cy, rop);
    return blit(dst, x, y, cx, cy, src, sx, sy, cx, cy, false, 0, nullptr);
}

BOOL StretchBlt(HDC dst, int x, int y, int cx, int cy, HDC src, int sx, int sy, int scx, int scy, DWORD) {
    return blit(dst, x, y, cx, cy, src, sx, sy, scx, scy, false, 0, nullptr);
}

BOOL TransparentBlt(HDC dst, int x, int y, int cx, int cy, HDC src, int sx, int sy, int scx, int scy,
                    UINT transparent) {
    return blit(dst, x, y, cx, cy, src, sx, sy, scx, scy, true, transparent, nullptr);
}

BOOL MaskBlt(HDC dst, int x, int y, int cx, int cy, HDC src, int sx, int sy, HBITMAP mask, int, int, DWORD) {
    return blit(dst, x, y, cx, cy, src, sx, sy, cx, cy, false, 0, mask);
}

BOOL PatBlt(HDC dc, int x, int y, int cx, int cy, DWORD rop) {
    DeviceContext* d = dcOf(dc);
    if (!d) return FALSE;
    RECT r{x, y, x + cx, y + cy};
    if (rop == BLACKNESS || rop == WHITENESS) {
        HBRUSH b = static_cast<HBRUSH>(GetStockObject(rop == BLACKNESS ? BLACK_BRUSH : WHITE_BRUSH));
        return FillRect(dc, &r, b) ? TRUE : FALSE;
    }
    return FillRect(dc, &r, d->state.brush) ? TRUE : FALSE;
}

BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int cx, int cy, UINT, HBRUSH, UINT) {
    DeviceContext* d = dcOf(dc);
    IconObject* i = iconObject(icon);
    if (!d || !i || !i->bitmap) return FALSE;
    int w = cx > 0 ? cx : i->bitmap->width;
    int h = cy > 0 ? cy : i->bitmap->height;
    DrawRecord r;
    r.kind = DrawRecord::Kind::Bitmap;
    r.rect = RECT{x, y, x + w, y + h};
    r.src = RECT{0, 0, i->bitmap->width, i->bitmap->height};
    r.bitmap = i->bitmap;
    record(*d, r);
    return TRUE;
}

BOOL DrawIcon(HDC dc, int x, int y, HICON icon) { return DrawIconEx(dc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL); }

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps) {
    Window* w = window(hwnd);
    if (!w) return nullptr;
    HDC dc = newDc(DeviceContext::Target::Paint, hwnd);
    w->paint.clear();
    w->later.clear();
    bool erase = w->needsErase;
    w->needsPaint = false;
    w->needsErase = false;
    PAINTSTRUCT local;
    PAINTSTRUCT& p = ps ? *ps : local;
    p = PAINTSTRUCT{};
    p.hdc = dc;
    GetClientRect(hwnd, &p.rcPaint);
    if (erase) p.fErase = SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) ? FALSE : TRUE;
    return dc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT* ps) {
    if (!ps) return FALSE;
    DeleteDC(ps->hdc);
    return TRUE;
}

HDC GetDC(HWND hwnd) {
    if (hwnd && !window(hwnd)) return nullptr;
    return newDc(hwnd ? DeviceContext::Target::Later : DeviceContext::Target::Screen, hwnd);
}

HDC GetWindowDC(HWND hwnd) { return GetDC(hwnd); }

int ReleaseDC(HWND, HDC dc) { return DeleteDC(dc); }

BOOL InvalidateRect(HWND hwnd, const RECT*, BOOL erase) {
    if (!hwnd) {
        for (auto& [k, w] : sys().windows) {
            w->needsPaint = true;
            w->needsErase = w->needsErase || erase;
        }
        return TRUE;
    }
    Window* w = window(hwnd);
    if (!w) return FALSE;
    w->needsPaint = true;
    w->needsErase = w->needsErase || erase;
    return TRUE;
}

BOOL ValidateRect(HWND hwnd, const RECT*) {
    Window* w = window(hwnd);
    if (!w) return FALSE;
    w->needsPaint = w->needsErase = false;
    return TRUE;
}

BOOL UpdateWindow(HWND hwnd) {
    Window* w = window(hwnd);
    if (!w) return FALSE;
    if (w->needsPaint && IsWindowVisible(hwnd)) {
        SendMessage(hwnd, WM_PAINT, 0, 0);
        if (Window* again = window(hwnd)) again->needsPaint = again->needsErase = false;
    }
    return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL) {
    Window* w = window(hwnd);
    if (!w) return FALSE;
    if (rect) {
        if (w->needsPaint)
            GetClientRect(hwnd, rect);
        else
            *rect = RECT{};
    }
    return w->needsPaint ? TRUE : FALSE;
}

static void updateTree(HWND hwnd) {
    UpdateWindow(hwnd);
    Window* w = window(hwnd);
    if (!w) return;
    std::vector<HWND> children = w->children;
    for (HWND c : children) updateTree(c);
}

BOOL RedrawWindow(HWND hwnd, const RECT*, HRGN, UINT flags) {
    if (!window(hwnd)) return FALSE;
    if (flags & RDW_INVALIDATE) {
        if (flags & RDW_ALLCHILDREN)
            invalidateTree(hwnd, (flags & RDW_ERASE) != 0);
        else
            InvalidateRect(hwnd, nullptr, (flags & RDW_ERASE) != 0);
    }
    if (flags & RDW_UPDATENOW) {
        if (flags & RDW_ALLCHILDREN)
            updateTree(hwnd);
        else
            UpdateWindow(hwnd);
    }
    return TRUE;
}

// Brushes, pens, fonts, bitmaps and icons behind their handles, and loading pictures from the
// resource tables and from files.

#include <algorithm>
#include <cstring>
#include <map>

#include "kernel/kernel.h"
#include "paint/gdi.h"
#include "win/resource.h"
#include "win/wingdi.h"

namespace win::detail {

namespace {

struct Tables {
    std::map<uintptr_t, GdiObject> objects;
    std::map<uintptr_t, IconObject> icons;
    uintptr_t next = 0x10000;
    std::map<int, HGDIOBJ> stock;
    std::map<int, HBRUSH> sysBrushes;
    std::map<std::string, HICON> systemIcons;
    std::map<int, HICON> cursors;
};

Tables& tables() {
    static Tables t;
    return t;
}

uintptr_t nextKey() {
    uintptr_t k = tables().next;
    tables().next += 8;
    return k;
}

// A system icon drawn as a coloured disc or triangle with a white mark, 32 by 32.
std::shared_ptr<const Bitmap> drawSystemIcon(const std::string& name) {
    auto bmp = std::make_shared<Bitmap>();
    bmp->width = bmp->height = 32;
    bmp->pixels.assign(32 * 32, 0x00000000u);
    uint32_t color = name == "error" ? 0xFFD03020u : name == "warning" ? 0xFFF0C020u : 0xFF2060C0u;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            bool in;
            if (name == "warning") {
                in = y >= 2 && y <= 29 && std::abs(x - 16) * 2 <= (y - 2);
            } else {
                int dx = x - 16, dy = y - 16;
                in = dx * dx + dy * dy <= 14 * 14;
            }
            if (in) bmp->pixels[static_cast<size_t>(y * 32 + x)] = color;
        }
    auto mark = [&](int x0, int y0, int x1, int y1) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) bmp->pixels[static_cast<size_t>(y * 32 + x)] = 0xFFFFFFFFu;
    };
    if (name == "information") {
        mark(15, 8, 18, 11);
        mark(15, 13, 18, 24);
    } else if (name == "warning") {
        mark(15, 11, 18, 22);
        mark(15, 24, 18, 27);
    } else if (name == "question") {
        mark(12, 8, 20, 11);
        mark(18, 10, 21, 15);
        mark(15, 14, 19, 17);
        mark(15, 16, 18, 20);
        mark(15, 22, 18, 25);
    } else if (name == "error") {
        for (int i = 9; i < 23; ++i) {
            mark(i, i, i + 2, i + 2);
            mark(31 - i - 2, i, 31 - i, i + 2);
        }
    } else {
        mark(10, 10, 22, 22);
    }
    return bmp;
}

const char* systemIconName(int id) {
    switch (id) {
    case 32512: return "application";
    case 32513: return "error";
    case 32514: return "question";
    case 32515: return "warning";
    case 32516: return "information";
    default: return nullptr;
    }
}

HICON systemIcon(const std::string& name) {
    auto& t = tables();
    auto it = t.systemIcons.find(name);
    if (it != t.systemIcons.end()) return it->second;
    uintptr_t key = nextKey();
    IconObject icon;
    icon.bitmap = drawSystemIcon(name);
    icon.systemName = name;
    icon.shared = true;
    t.icons[key] = icon;
    auto h = reinterpret_cast<HICON>(key);
    t.systemIcons[name] = h;
    return h;
}

int resourceIdOf(LPCSTR name) {
    if (!name) return 0;
    if (IS_INTRESOURCE(name)) return static_cast<int>(reinterpret_cast<uintptr_t>(name));
    if (name[0] == '#') return std::atoi(name + 1);
    return 0;
}

}  // namespace

GdiObject* gdiObject(HGDIOBJ handle) {
    auto& o = tables().objects;
    auto it = o.find(reinterpret_cast<uintptr_t>(handle));
    return it == o.end() ? nullptr : &it->second;
}

IconObject* iconObject(HICON icon) {
    auto& i = tables().icons;
    auto it = i.find(reinterpret_cast<uintptr_t>(icon));
    return it == i.end() ? nullptr : &it->second;
}

HGDIOBJ newGdiObject(GdiObject object) {
    uintptr_t key = nextKey();
    tables().objects[key] = std::move(object);
    return reinterpret_cast<HGDIOBJ>(key);
}

Bitmap& writableBitmap(GdiObject& object) {
    if (!object.bitmap) object.bitmap = std::make_shared<Bitmap>();
    if (object.bitmap.use_count() > 1) object.bitmap = std::make_shared<Bitmap>(*object.bitmap);
    return *object.bitmap;
}

HICON loadIconResource(int id) {
    // Icons from resources are shared, like LR_SHARED icons: one handle per resource number.
    auto& t = tables();
    for (auto& [key, icon] : t.icons)
        if (icon.resourceId == id && icon.shared && icon.systemName.empty()) return reinterpret_cast<HICON>(key);
    const std::vector<uint8_t>* bytes = findIconResource(id);
    if (!bytes) bytes = findBitmapResource(id);
    if (!bytes) return nullptr;
    LoadResult r = decodeImage(bytes->data(), bytes->size());
    if (!r.ok) return nullptr;
    uintptr_t key = nextKey();
    IconObject icon;
    icon.bitmap = std::make_shared<Bitmap>(std::move(r.bitmap));
    icon.resourceId = id;
    icon.shared = true;
    t.icons[key] = icon;
    return reinterpret_cast<HICON>(key);
}

HBITMAP loadBitmapResource(int id) {
    const std::vector<uint8_t>* bytes = findBitmapResource(id);
    if (!bytes) return nullptr;
    LoadResult r = decodeImage(bytes->data(), bytes->size());
    if (!r.ok) return nullptr;
    GdiObject o;
    o.kind = GdiKind::Bitmap;
    o.bitmap = std::make_shared<Bitmap>(std::move(r.bitmap));
    o.resourceId = id;
    return static_cast<HBITMAP>(newGdiObject(std::move(o)));
}

}  // namespace win::detail

using namespace win::detail;
using namespace win;

namespace win {

std::shared_ptr<const Bitmap> bitmapOf(HBITMAP bitmap) {
    GdiObject* o = gdiObject(bitmap);
    return o && o->kind == GdiKind::Bitmap ? o->bitmap : nullptr;
}

std::shared_ptr<const Bitmap> iconOf(HICON icon) {
    IconObject* i = iconObject(icon);
    return i ? i->bitmap : nullptr;
}

std::string systemIconName(HICON icon) {
    IconObject* i = iconObject(icon);
    return i ? i->systemName : std::string();
}

int iconResourceId(HICON icon) {
    IconObject* i = iconObject(icon);
    return i ? i->resourceId : 0;
}

int bitmapResourceId(HBITMAP bitmap) {
    GdiObject* o = gdiObject(bitmap);
    return o ? o->resourceId : 0;
}

FontSpec fontOf(HFONT font) {
    GdiObject* o = gdiObject(font);
    if (o && o->kind == GdiKind::Font) return o->font;
    return FontSpec{};
}

COLORREF resolveColor(COLORREF color) {
    if (color & KV_SYSCOLOR_FLAG) return GetSysColor(static_cast<int>(color & 0xFF));
    return color & 0x00FFFFFFu;
}

COLORREF brushColor(HBRUSH brush) {
    auto raw = reinterpret_cast<uintptr_t>(brush);
    if (raw > 0 && raw <= 31) return GetSysColor(static_cast<int>(raw - 1));
    GdiObject* o = gdiObject(brush);
    return o ? resolveColor(o->color) : 0;
}

bool isHollowBrush(HBRUSH brush) {
    GdiObject* o = gdiObject(brush);
    return o && o->hollow;
}

HBITMAP createBitmapHandle(const Bitmap& bitmap) {
    GdiObject o;
    o.kind = GdiKind::Bitmap;
    o.bitmap = std::make_shared<Bitmap>(bitmap);
    return static_cast<HBITMAP>(newGdiObject(std::move(o)));
}

HICON createIconHandle(const Bitmap& bitmap) {
    uintptr_t key = nextKey();
    IconObject icon;
    icon.bitmap = std::make_shared<Bitmap>(bitmap);
    tables().icons[key] = icon;
    return reinterpret_cast<HICON>(key);
}

}  // namespace win

HGDIOBJ GetStockObject(int index) {
    auto& t = tables();
    auto it = t.stock.find(index);
    if (it != t.stock.end()) return it->second;
    GdiObject o;
    o.stock = true;
    switch (index) {
    case WHITE_BRUSH: o.color = RGB(255, 255, 255); break;
    case LTGRAY_BRUSH: o.color = RGB(192, 192, 192); break;
    case GRAY_BRUSH: o.color = RGB(128, 128, 128); break;
    case DKGRAY_BRUSH: o.color = RGB(64, 64, 64); break;
    case BLACK_BRUSH: o.color = RGB(0, 0, 0); break;
    case NULL_BRUSH: o.hollow = true; break;
    case WHITE_PEN:
        o.kind = GdiKind::Pen;
        o.color = RGB(255, 255, 255);
        break;
    case BLACK_PEN:
        o.kind = GdiKind::Pen;
        o.color = RGB(0, 0, 0);
        break;
    case NULL_PEN:
        o.kind = GdiKind::Pen;
        o.penStyle = PS_NULL;
        break;
    case ANSI_VAR_FONT:
    case SYSTEM_FONT:
    case DEFAULT_GUI_FONT: o.kind = GdiKind::Font; break;
    default: return nullptr;
    }
    HGDIOBJ h = newGdiObject(std::move(o));
    t.stock[index] = h;
    return h;
}

HBRUSH GetSysColorBrush(int index) {
    auto& t = tables();
    auto it = t.sysBrushes.find(index);
    if (it != t.sysBrushes.end()) return it->second;
    GdiObject o;
    o.stock = true;
    o.color = KV_SYSCOLOR_FLAG | static_cast<COLORREF>(index);
    auto h = static_cast<HBRUSH>(newGdiObject(std::move(o)));
    t.sysBrushes[index] = h;
    return h;
}

HBRUSH CreateSolidBrush(COLORREF color) {
    GdiObject o;
    o.color = color;
    return static_cast<HBRUSH>(newGdiObject(std::move(o)));
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* brush) {
    if (!brush) return nullptr;
    GdiObject o;
    o.color = brush->lbColor;
    o.hollow = brush->lbStyle == BS_NULL;
    return static_cast<HBRUSH>(newGdiObject(std::move(o)));
}

HPEN CreatePen(int style, int width, COLORREF color) {
    GdiObject o;
    o.kind = GdiKind::Pen;
    o.penStyle = style;
    o.penWidth = std::max(1, width);
    o.color = color;
    return static_cast<HPEN>(newGdiObject(std::move(o)));
}

HFONT CreateFont(int height, int, int, int, int weight, DWORD italic, DWORD underline, DWORD, DWORD, DWORD, DWORD,
                 DWORD, DWORD, LPCSTR face) {
    GdiObject o;
    o.kind = GdiKind::Font;
    // Negative heights are character heights, positive ones cell heights; both map to the
    // deterministic metrics' height.
    o.font.height = height == 0 ? 13 : std::abs(height);
    o.font.weight = weight == 0 ? FW_NORMAL : weight;
    o.font.italic = italic != 0;
    o.font.underline = underline != 0;
    if (face && *face) o.font.face = face;
    return static_cast<HFONT>(newGdiObject(std::move(o)));
}

HFONT CreateFontIndirect(const LOGFONT* lf) {
    if (!lf) return nullptr;
    char face[33] = {};
    std::memcpy(face, lf->lfFaceName, 32);
    return CreateFont(lf->lfHeight, lf->lfWidth, 0, 0, lf->lfWeight, lf->lfItalic, lf->lfUnderline, lf->lfStrikeOut, 0,
                      0, 0, 0, 0, face);
}

HBITMAP CreateCompatibleBitmap(HDC, int cx, int cy) {
    if (cx <= 0 || cy <= 0 || cx > 16384 || cy > 16384) return nullptr;
    Bitmap b;
    b.width = cx;
    b.height = cy;
    b.pixels.assign(static_cast<size_t>(cx) * static_cast<size_t>(cy), 0xFF000000u);
    return win::createBitmapHandle(b);
}

HBITMAP CreateBitmap(int cx, int cy, UINT, UINT bitsPerPixel, const void* bits) {
    HBITMAP h = CreateCompatibleBitmap(nullptr, cx, cy);
    if (!h || !bits || bitsPerPixel != 32) return h;
    Bitmap& b = writableBitmap(*gdiObject(h));
    const auto* src = static_cast<const uint32_t*>(bits);
    for (size_t i = 0; i < b.pixels.size(); ++i) b.pixels[i] = src[i] | 0xFF000000u;
    return h;
}

BOOL DeleteObject(HGDIOBJ object) {
    auto& o = tables().objects;
    auto it = o.find(reinterpret_cast<uintptr_t>(object));
    if (it == o.end() || it->second.stock) return FALSE;
    o.erase(it);
    return TRUE;
}

DWORD GetObjectType(HGDIOBJ object) {
    GdiObject* o = gdiObject(object);
    if (!o) return 0;
    switch (o->kind) {
    case GdiKind::Brush: return OBJ_BRUSH;
    case GdiKind::Pen: return OBJ_PEN;
    case GdiKind::Font: return OBJ_FONT;
    case GdiKind::Bitmap: return OBJ_BITMAP;
    }
    return 0;
}

int GetObject(HGDIOBJ object, int size, LPVOID out) {
    GdiObject* o = gdiObject(object);
    if (!o) return 0;
    if (o->kind == GdiKind::Bitmap) {
        if (!out) return sizeof(BITMAP);
        if (size < static_cast<int>(sizeof(BITMAP))) return 0;
        BITMAP bm;
        bm.bmWidth = o->bitmap ? o->bitmap->width : 0;
        bm.bmHeight = o->bitmap ? o->bitmap->height : 0;
        bm.bmWidthBytes = bm.bmWidth * 4;
        std::memcpy(out, &bm, sizeof bm);
        return sizeof(BITMAP);
    }
    if (o->kind == GdiKind::Font) {
        if (!out) return sizeof(LOGFONT);
        if (size < static_cast<int>(sizeof(LOGFONT))) return 0;
        LOGFONT lf;
        lf.lfHeight = -o->font.height;
        lf.lfWeight = o->font.weight;
        lf.lfItalic = o->font.italic;
        lf.lfUnderline = o->font.underline;
        std::strncpy(lf.lfFaceName, o->font.face.c_str(), sizeof lf.lfFaceName - 1);
        std::memcpy(out, &lf, sizeof lf);
        return sizeof(LOGFONT);
    }
    if (o->kind == GdiKind::Brush) {
        if (!out) return sizeof(LOGBRUSH);
        if (size < static_cast<int>(sizeof(LOGBRUSH))) return 0;
        LOGBRUSH lb;
        lb.lbStyle = o->hollow ? BS_NULL : BS_SOLID;
        lb.lbColor = win::resolveColor(o->color);
        std::memcpy(out, &lb, sizeof lb);
        return sizeof(LOGBRUSH);
    }
    return 0;
}

HBITMAP LoadBitmap(HINSTANCE, LPCSTR name) {
    int id = resourceIdOf(name);
    return id ? loadBitmapResource(id) : nullptr;
}

HICON LoadIcon(HINSTANCE instance, LPCSTR name) {
    int id = resourceIdOf(name);
    if (!instance && IS_INTRESOURCE(name))
        if (const char* sys = systemIconName(id)) return systemIcon(sys);
    return id ? loadIconResource(id) : nullptr;
}

HCURSOR LoadCursor(HINSTANCE, LPCSTR name) {
    int id = resourceIdOf(name);
    auto& t = tables();
    auto it = t.cursors.find(id);
    if (it != t.cursors.end()) return it->second;
    uintptr_t key = nextKey();
    IconObject cursor;
    cursor.resourceId = id;
    cursor.shared = true;
    t.icons[key] = cursor;
    auto h = reinterpret_cast<HCURSOR>(key);
    t.cursors[id] = h;
    return h;
}

HANDLE LoadImage(HINSTANCE instance, LPCSTR name, UINT type, int, int, UINT flags) {
    if (flags & LR_LOADFROMFILE) {
        if (!name || IS_INTRESOURCE(name)) return nullptr;
        LoadResult r = loadImageFile(name);
        if (!r.ok) return nullptr;
        if (type == IMAGE_BITMAP) return win::createBitmapHandle(r.bitmap);
        return win::createIconHandle(r.bitmap);
    }
    if (type == IMAGE_BITMAP) return LoadBitmap(instance, name);
    if (type == IMAGE_CURSOR) return LoadCursor(instance, name);
    return LoadIcon(instance, name);
}

BOOL DestroyIcon(HICON icon) {
    auto& i = tables().icons;
    auto it = i.find(reinterpret_cast<uintptr_t>(icon));
    if (it == i.end()) return FALSE;
    if (!it->second.shared) i.erase(it);
    return TRUE;
}

BOOL DestroyCursor(HCURSOR cursor) { return DestroyIcon(cursor); }

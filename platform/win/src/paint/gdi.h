#pragma once
// GDI objects behind handles and the device contexts that record drawing.

#include <memory>
#include <string>
#include <vector>

#include "win/bitmap.h"
#include "win/draw.h"
#include "win/font.h"
#include "win/types.h"

namespace win::detail {

enum class GdiKind { Brush, Pen, Font, Bitmap };

struct GdiObject {
    GdiKind kind = GdiKind::Brush;
    bool stock = false;
    COLORREF color = 0;  // may carry KV_SYSCOLOR_FLAG
    bool hollow = false;
    int penStyle = PS_SOLID;
    int penWidth = 1;
    FontSpec font;
    std::shared_ptr<Bitmap> bitmap;
    int resourceId = 0;
    // Drawing into a memory device context that pixels cannot express (text, lines), replayed
    // when the bitmap is copied onto a window.
    std::vector<DrawRecord> overlay;
};

struct IconObject {
    std::shared_ptr<const Bitmap> bitmap;
    std::string systemName;
    int resourceId = 0;
    bool shared = false;  // system and resource icons are never freed
};

GdiObject* gdiObject(HGDIOBJ handle);
IconObject* iconObject(HICON icon);
HICON loadIconResource(int id);
HBITMAP loadBitmapResource(int id);
HGDIOBJ newGdiObject(GdiObject object);

// Copy-on-write: a bitmap about to be drawn into is cloned when records still share it.
Bitmap& writableBitmap(GdiObject& object);

// Adds a record to what a device context draws (the tracker draws its frame and handles so).
void recordInto(HDC dc, DrawRecord record);
bool isDeviceContext(HDC dc);

}  // namespace win::detail

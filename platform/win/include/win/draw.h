#pragma once
// What windows drew: the recorded drawing context, and the objects behind GDI handles.
//
// Each window keeps the records of its last paint (WM_ERASEBKGND and WM_PAINT, including the
// WM_DRAWITEM of an owner-drawn control) plus whatever was drawn through GetDC since.  Record
// coordinates are the window's client coordinates.  The renderer replays them over the
// standard look of the window; tests inspect them to check painting code.

#include <memory>
#include <string>
#include <vector>

#include "win/bitmap.h"
#include "win/font.h"
#include "win/types.h"

namespace win {

struct DrawRecord {
    enum class Kind {
        FillRect,      // rect filled with color
        FrameRect,     // one-pixel frame in color
        Rectangle,     // frame with the pen (color, penWidth; none when penStyle is PS_NULL), filled
                       // with fill unless hollow
        Ellipse,       // like Rectangle
        Line,          // from `from` to `to` with the pen
        Text,          // text in rect with format (DT_*), font, color; opaque background when
                       // opaque is true
        Bitmap,        // bitmap (part src) stretched to rect; see transparent / mask
        FocusRect,     // dotted focus frame
        InvertRect,    // colours inverted inside rect
        Edge,          // 3D edge (edge = EDGE_*, flags = BF_*)
        Pixel,         // one pixel at rect.left, rect.top
        TrackerFrame,  // a selection tracker's frame (style in flags, see CRectTracker)
        TrackerHandle  // one square resize handle of a tracker
    };
    Kind kind = Kind::FillRect;
    RECT rect;
    COLORREF color = 0;  // resolved to an RGB value (system colours already looked up)
    COLORREF fill = 0;
    bool hollow = false;
    int penStyle = 0;
    int penWidth = 1;
    POINT from, to;
    std::string text;  // code page 1252
    UINT format = 0;
    FontSpec font;
    bool opaque = false;
    COLORREF background = 0;
    std::shared_ptr<const Bitmap> bitmap;
    RECT src;
    bool hasTransparent = false;
    COLORREF transparent = 0;            // source pixels of this colour are not drawn
    std::shared_ptr<const Bitmap> mask;  // source pixels where the mask is white are not drawn
    UINT edge = 0;
    UINT flags = 0;
};

// Records of the window's last paint plus later GetDC drawing; empty for an invalid handle.
std::vector<DrawRecord> paintRecords(HWND hwnd);
// Delivers every pending WM_PAINT now (children after parents), so that records are current.
void updateAllWindows();

// Objects behind GDI handles; nullptr / defaults for unknown handles.
std::shared_ptr<const Bitmap> bitmapOf(HBITMAP bitmap);
std::shared_ptr<const Bitmap> iconOf(HICON icon);
// The name of a system icon ("question", "warning", "error", "information", "application"),
// empty for icons loaded from resources or files.
std::string systemIconName(HICON icon);
int iconResourceId(HICON icon);        // 0 when not loaded from an icon resource
int bitmapResourceId(HBITMAP bitmap);  // 0 when not loaded from a bitmap resource
FontSpec fontOf(HFONT font);           // the default GUI font for nullptr or unknown handles
COLORREF brushColor(HBRUSH brush);     // resolved RGB; black for unknown handles
bool isHollowBrush(HBRUSH brush);
HBITMAP createBitmapHandle(const Bitmap& bitmap);
HICON createIconHandle(const Bitmap& bitmap);
// A colour that may name a system colour (KV_SYSCOLOR_FLAG | index) resolved to RGB.
COLORREF resolveColor(COLORREF color);

}  // namespace win

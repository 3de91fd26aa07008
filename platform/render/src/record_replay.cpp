#include "record_replay.h"

#include <algorithm>

#include "text_painter.h"
#include "win/constants.h"
#include "win/wingdi.h"

namespace render::detail {

namespace {

// Tracker styles as the class layer records them in DrawRecord::flags.
constexpr UINT kTrackerSolidLine = 1;
constexpr UINT kTrackerDottedLine = 2;
constexpr UINT kTrackerHatchedBorder = 4;

constexpr UINT kEdgeMiddle = 0x0800;

Rect toRect(const RECT& r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

// The part `src` of a bitmap; the whole bitmap when src is empty or reaches outside it.
Image cropped(const win::Bitmap& bitmap, const RECT& src) {
    Image whole = imageOf(bitmap);
    int left = std::clamp<int>(src.left, 0, whole.width), top = std::clamp<int>(src.top, 0, whole.height);
    int right = std::clamp<int>(src.right, left, whole.width), bottom = std::clamp<int>(src.bottom, top, whole.height);
    if (right <= left || bottom <= top || (left == 0 && top == 0 && right == whole.width && bottom == whole.height))
        return whole;
    Image part;
    part.width = right - left;
    part.height = bottom - top;
    part.pixels.reserve(size_t(part.width) * size_t(part.height));
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) part.pixels.push_back(whole.at(x, y));
    return part;
}

void addText(Scene& scene, const win::DrawRecord& r, int dx, int dy) {
    Text t;
    t.rect = toRect(r.rect, dx, dy);
    t.text = (r.format & DT_NOPREFIX) ? r.text : stripMnemonic(r.text);
    t.font = fontOf(r.font);
    t.color = fromColorRef(r.color);
    if (r.opaque) t.background = fromColorRef(r.background);
    t.align = (r.format & DT_RIGHT) ? HAlign::Right : (r.format & DT_CENTER) ? HAlign::Center : HAlign::Left;
    if (r.format & DT_SINGLELINE)
        t.valign = (r.format & DT_BOTTOM) ? VAlign::Bottom : (r.format & DT_VCENTER) ? VAlign::Middle : VAlign::Top;
    t.wrap = (r.format & DT_WORDBREAK) != 0;
    t.clip = (r.format & DT_NOCLIP) == 0;
    if (!t.clip && t.rect.empty()) {
        // Text placed at a point: give it room to the right and below.
        t.rect.right = t.rect.left + 4096;
        t.rect.bottom = t.rect.top + 4096;
    }
    scene.add(std::move(t));
}

void addPenShape(Scene& scene, const win::DrawRecord& r, const Rect& rect) {
    if (!r.hollow) scene.add(FillRect{rect, fromColorRef(r.fill)});
    if (r.penStyle == PS_NULL) return;
    Rgb pen = fromColorRef(r.color);
    int w = std::max(1, r.penWidth);
    if (r.penStyle == PS_DOT || r.penStyle == PS_DASH) {
        scene.add(Line{rect.left, rect.top, rect.right, rect.top, pen, w, true});
        scene.add(Line{rect.left, rect.bottom - w, rect.right, rect.bottom - w, pen, w, true});
        scene.add(Line{rect.left, rect.top, rect.left, rect.bottom, pen, w, true});
        scene.add(Line{rect.right - w, rect.top, rect.right - w, rect.bottom, pen, w, true});
    } else {
        scene.add(FrameRect{rect, pen, w});
    }
}

}  // namespace

Rgb fromColorRef(COLORREF color) {
    COLORREF c = win::resolveColor(color);
    return rgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

Image imageOf(const win::Bitmap& bitmap) {
    Image image;
    if (bitmap.width <= 0 || bitmap.height <= 0 || bitmap.pixels.size() < size_t(bitmap.width) * size_t(bitmap.height))
        return image;
    image.width = bitmap.width;
    image.height = bitmap.height;
    image.pixels.assign(bitmap.pixels.begin(),
                        bitmap.pixels.begin() + ptrdiff_t(size_t(bitmap.width) * size_t(bitmap.height)));
    return image;
}

Font fontOf(const win::FontSpec& font) {
    Font f;
    f.face = font.face;
    f.height = font.height == 0 ? 13 : std::abs(font.height);
    f.weight = font.weight;
    f.italic = font.italic;
    f.underline = font.underline;
    return f;
}

void replayRecords(Scene& scene, const std::vector<win::DrawRecord>& records, int dx, int dy) {
    using Kind = win::DrawRecord::Kind;
    for (const win::DrawRecord& r : records) {
        Rect rect = toRect(r.rect, dx, dy);
        switch (r.kind) {
        case Kind::FillRect: scene.add(FillRect{rect, fromColorRef(r.color)}); break;
        case Kind::FrameRect: scene.add(FrameRect{rect, fromColorRef(r.color), 1}); break;
        case Kind::Rectangle: addPenShape(scene, r, rect); break;
        case Kind::Ellipse: {
            Ellipse e{rect, std::nullopt, std::nullopt, std::max(1, r.penWidth)};
            if (!r.hollow) e.fill = fromColorRef(r.fill);
            if (r.penStyle != PS_NULL) e.outline = fromColorRef(r.color);
            scene.add(e);
            break;
        }
        case Kind::Line:
            scene.add(Line{r.from.x + dx, r.from.y + dy, r.to.x + dx, r.to.y + dy, fromColorRef(r.color),
                           std::max(1, r.penWidth), r.penStyle == PS_DOT || r.penStyle == PS_DASH});
            break;
        case Kind::Text: addText(scene, r, dx, dy); break;
        case Kind::Bitmap: {
            if (!r.bitmap) break;
            Picture p;
            p.rect = rect;
            p.image = cropped(*r.bitmap, r.src);
            if (r.hasTransparent) p.transparent = fromColorRef(r.transparent);
            if (r.mask) p.mask = cropped(*r.mask, r.src);
            scene.add(std::move(p));
            break;
        }
        case Kind::FocusRect: scene.add(FocusRect{rect}); break;
        case Kind::InvertRect: scene.add(InvertRect{rect}); break;
        case Kind::Edge: {
            Edge3D e;
            e.rect = rect;
            e.outer = (r.edge & BDR_RAISEDOUTER) ? 1 : (r.edge & BDR_SUNKENOUTER) ? -1 : 0;
            e.inner = (r.edge & BDR_RAISEDINNER) ? 1 : (r.edge & BDR_SUNKENINNER) ? -1 : 0;
            e.left = (r.flags & BF_LEFT) != 0;
            e.top = (r.flags & BF_TOP) != 0;
            e.right = (r.flags & BF_RIGHT) != 0;
            e.bottom = (r.flags & BF_BOTTOM) != 0;
            e.fillMiddle = (r.flags & kEdgeMiddle) != 0;
            scene.add(e);
            break;
        }
        case Kind::Pixel:
            scene.add(FillRect{{rect.left, rect.top, rect.left + 1, rect.top + 1}, fromColorRef(r.color)});
            break;
        case Kind::TrackerFrame: {
            TrackerFrame t;
            t.rect = rect;
            t.handles = false;  // the handles come as records of their own
            t.hatched = (r.flags & kTrackerHatchedBorder) != 0;
            t.dotted = (r.flags & kTrackerDottedLine) != 0 && (r.flags & kTrackerSolidLine) == 0;
            if ((r.flags & (kTrackerSolidLine | kTrackerDottedLine | kTrackerHatchedBorder)) == 0) break;
            scene.add(t);
            break;
        }
        case Kind::TrackerHandle: scene.add(FillRect{rect, fromColorRef(r.color)}); break;
        }
    }
}

}  // namespace render::detail

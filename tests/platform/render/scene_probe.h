#pragma once
// Helpers for asking questions about a painted picture: which colours occur in an area and
// where, so that tests check properties of the image and never whole images.

#include <cstdint>

#include "render/scene.h"

namespace render::probe {

inline Rgb colorAt(const Image& image, int x, int y) { return image.at(x, y) & 0xFFFFFF; }

inline int countColor(const Image& image, const Rect& area, Rgb color) {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (colorAt(image, x, y) == color) ++n;
    return n;
}

inline bool hasColor(const Image& image, const Rect& area, Rgb color) { return countColor(image, area, color) > 0; }

// Pixels that differ from the given background: where something was drawn.
inline Rect inkBounds(const Image& image, const Rect& area, Rgb background) {
    Rect bounds{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (colorAt(image, x, y) != background) {
                if (x < bounds.left) bounds.left = x;
                if (y < bounds.top) bounds.top = y;
                if (x + 1 > bounds.right) bounds.right = x + 1;
                if (y + 1 > bounds.bottom) bounds.bottom = y + 1;
            }
    return bounds.empty() ? Rect{} : bounds;
}

// True when every pixel along the rectangle's one-pixel border has the colour.
inline bool borderIs(const Image& image, const Rect& r, Rgb color) {
    for (int x = r.left; x < r.right; ++x)
        if (colorAt(image, x, r.top) != color || colorAt(image, x, r.bottom - 1) != color) return false;
    for (int y = r.top; y < r.bottom; ++y)
        if (colorAt(image, r.left, y) != color || colorAt(image, r.right - 1, y) != color) return false;
    return true;
}

}  // namespace render::probe

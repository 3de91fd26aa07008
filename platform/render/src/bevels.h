#pragma once
// The pixel-exact building blocks of the classic look: solid fills, the two-tone 3D edges,
// the dotted focus frame, small glyphs (arrows, tick, radio dot) and scroll bars.  Everything
// is drawn on whole pixels without anti-aliasing, the way the classic desktop drew it.

#include <cairo.h>

#include "render/scene.h"

namespace render::detail {

enum class Edge { Raised, Sunken, Etched, Bump, ButtonRaised, ButtonPressed, WindowRaised };
enum class Arrow { Up, Down, Left, Right };

class Bevels {
public:
    explicit Bevels(cairo_t* cr) : cr_(cr) {}

    void fill(const Rect& r, Rgb color);
    void frame(const Rect& r, Rgb color, int thickness = 1);
    // One pixel frame whose top and left sides take one colour, bottom and right the other.
    void twoTone(const Rect& r, Rgb topLeft, Rgb bottomRight);
    // Two nested two-tone frames; returns the rectangle inside them.
    Rect edge(const Rect& r, Edge kind);
    void hline(int x1, int x2, int y, Rgb color);
    void vline(int x, int y1, int y2, Rgb color);
    void dottedFrame(const Rect& r, Rgb color);
    void dottedLine(int x1, int y1, int x2, int y2, Rgb color, int thickness);
    void line(int x1, int y1, int x2, int y2, Rgb color, int thickness);
    // A checkerboard of the two colours, used for scroll bar tracks and mixed check boxes.
    void dither(const Rect& r, Rgb a, Rgb b);

    void arrow(const Rect& box, Arrow direction, Rgb color);
    void tick(int x, int y, Rgb color);  // 7x7 check mark at (x, y)
    void checkBox(const Rect& box13, CheckState state, bool enabled, bool flat = false);
    void radioButton(const Rect& box12, bool checked, bool enabled);
    void closeGlyph(const Rect& box, Rgb color);
    void scrollBar(const ScrollBar& bar);

    cairo_t* context() const { return cr_; }

private:
    void setColor(Rgb color);
    cairo_t* cr_;
};

void setSourceRgb(cairo_t* cr, Rgb color);

}  // namespace render::detail

#pragma once
// Paints every element of a Scene in order onto a Cairo context, in the classic look.

#include <cairo.h>

#include "bevels.h"
#include "render/scene.h"
#include "text_painter.h"

namespace render::detail {

class ScenePainter {
public:
    explicit ScenePainter(cairo_t* cr);
    void paint(const Scene& scene);

    // One per element kind; std::visit dispatches here.
    void operator()(const FillRect& e);
    void operator()(const FrameRect& e);
    void operator()(const Line& e);
    void operator()(const Text& e);
    void operator()(const Picture& e);
    void operator()(const TrackerFrame& e);
    void operator()(const Ellipse& e);
    void operator()(const InvertRect& e);
    void operator()(const Edge3D& e);
    void operator()(const SystemIcon& e);
    void operator()(const PushClip& e);
    void operator()(const PopClip& e);
    void operator()(const WindowFrame& e);
    void operator()(const PushButton& e);
    void operator()(const CheckBox& e);
    void operator()(const GroupBox& e);
    void operator()(const EditField& e);
    void operator()(const ComboBox& e);
    void operator()(const ListBox& e);
    void operator()(const TabControl& e);
    void operator()(const StaticText& e);
    void operator()(const StaticFrame& e);
    void operator()(const StaticPicture& e);
    void operator()(const FocusRect& e);
    void operator()(const DropButton& e);
    void operator()(const ScrollBar& e);

private:
    // Draws the picture into dest, leaving out transparent and masked pixels.
    void drawImage(const Rect& dest, const Image& image, const std::optional<Rgb>& transparent, const Image* mask);
    // The rows of an opened or always-visible list below a combo box.
    void drawListRows(const Rect& inner, const Font& font, const std::vector<ListEntry>& entries, int topIndex,
                      int itemHeight, int caretIndex, bool enabled, bool focused,
                      const std::vector<int>& tabStops = {});
    Rect drawLabel(const Rect& r, const std::string& text, const Font& font, bool enabled, HAlign align, VAlign valign,
                   bool wrap, bool mnemonic = true);

    cairo_t* cr_;
    Bevels bevels_;
    TextPainter text_;
    int clipDepth_ = 0;
};

// The height of one entry of a list or combo box in the font.
int listItemHeight(const Font& font, int requested);

}  // namespace render::detail

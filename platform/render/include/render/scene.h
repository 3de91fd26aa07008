#pragma once
// A neutral description of one picture: what to draw, in picture pixels, in painting order.
// The window walker, the replay of recorded drawing and the sheet grid all produce a Scene;
// the classic painter turns it into pixels.  Nothing here knows about windows or Cairo, so a
// test can describe a control directly and check how it is painted.
//
// Text is code page 1252 bytes everywhere in a Scene; the painter converts it when drawing.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace render {

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    Rect offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    Rect inflate(int d) const { return {left - d, top - d, right + d, bottom + d}; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const Rect&) const = default;
};

// 0x00RRGGBB.
using Rgb = uint32_t;
constexpr Rgb rgb(unsigned r, unsigned g, unsigned b) { return (r << 16) | (g << 8) | b; }

// A window font as the window system knows it; the painter maps it onto DejaVu.
struct Font {
    std::string face = "Tahoma";
    int height = 13;  // cell height in pixels, as the window system measures it
    int weight = 400;
    bool italic = false;
    bool underline = false;
};

// Decoded pixels, 0xAARRGGBB, top-down rows.
struct Image {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
    uint32_t at(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= height) return 0;
        return pixels[size_t(y) * size_t(width) + size_t(x)];
    }
    bool empty() const { return width <= 0 || height <= 0; }
};

enum class HAlign { Left, Center, Right };
enum class VAlign { Top, Middle, Bottom };
enum class CheckState { Unchecked, Checked, Indeterminate };

// ---- primitives: what a window's own drawing and the sheet grid are made of ----

struct FillRect {
    Rect rect;
    Rgb color = 0;
};
struct FrameRect {
    Rect rect;
    Rgb color = 0;
    int thickness = 1;
};
struct Line {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Rgb color = 0;
    int thickness = 1;
    bool dotted = false;
};

struct Text {
    Rect rect;
    std::string text;
    Font font;
    Rgb color = 0;
    std::optional<Rgb> background;  // opaque background behind the glyphs only
    HAlign align = HAlign::Left;
    VAlign valign = VAlign::Top;
    bool wrap = false;  // break at word boundaries to fit the width
    bool clip = true;   // keep the glyphs inside rect
};

// A picture placed at rect (stretched to it when the sizes differ).  With a transparent
// colour, pixels of exactly that colour are left out; with a mask, pixels whose mask pixel is
// white are left out (the monochrome mask convention of the window system's bitmaps).
struct Picture {
    Rect rect;
    Image image;
    std::optional<Rgb> transparent;
    std::optional<Image> mask;
};

// The rubber frame of a selected object in an editor: a dotted or solid frame, with the
// eight square resize handles when the object can be sized.
struct TrackerFrame {
    Rect rect;
    bool dotted = true;
    bool handles = true;
    bool hatched = false;
    int handleSize = 7;
};

struct Ellipse {
    Rect rect;
    std::optional<Rgb> fill;
    std::optional<Rgb> outline;
    int thickness = 1;
};

// Inverts the colours inside rect (a selection drawn by exclusive-or).
struct InvertRect {
    Rect rect;
};

// A 3D edge of one or two one-pixel lines on the chosen sides: +1 raised, -1 sunken, 0 none.
struct Edge3D {
    Rect rect;
    int outer = 0, inner = 0;
    bool left = true, top = true, right = true, bottom = true;
    bool fillMiddle = false;
};

// The message box icons, drawn by the painter: "error", "warning", "question", "information".
struct SystemIcon {
    Rect rect;
    std::string name;
};

struct PushClip {
    Rect rect;
};  // intersected with the current clip
struct PopClip {};

// ---- controls in the classic desktop look ----

struct WindowFrame {
    Rect rect;    // the whole window
    Rect client;  // filled with the face colour
    std::string title;
    Font font;
    bool caption = true;
    bool active = true;
    bool closeBox = true;
    bool thickFrame = false;  // sizing border
    bool border = true;
    bool clientFill = true;
    Rgb clientColor = 0;  // when clientFill; defaults to the face colour in the walker
};

struct PushButton {
    Rect rect;
    std::string text;
    Font font;
    bool enabled = true;
    bool isDefault = false;
    bool pressed = false;
    bool focused = false;
    bool multiline = false;
    bool flat = false;
    HAlign align = HAlign::Center;
    std::optional<Image> image;  // icon or bitmap button: drawn centred instead of the text
};

struct CheckBox {
    Rect rect;
    std::string text;
    Font font;
    CheckState state = CheckState::Unchecked;
    bool radio = false;
    bool enabled = true;
    bool focused = false;
    bool textOnLeft = false;
    bool pushLike = false;  // drawn as a push button that stays pressed when checked
    bool multiline = false;
};

struct GroupBox {
    Rect rect;
    std::string text;
    Font font;
    bool enabled = true;
};

struct EditField {
    Rect rect;
    std::string text;
    Font font;
    bool enabled = true;
    bool readOnly = false;
    bool focused = false;
    bool sunken = true;  // client edge; otherwise a thin black border or none
    bool border = true;
    bool password = false;
    bool multiline = false;
    bool vscroll = false;
    HAlign align = HAlign::Left;
    int selStart = 0, selEnd = 0;  // selected characters, shown while focused (one line)
};

struct ComboBox {
    Rect rect;         // the closed field
    std::string text;  // what the field shows
    Font font;
    std::vector<std::string> items;
    int selected = -1;
    bool enabled = true;
    bool focused = false;
    bool dropDownList = true;  // no edit field: the selection is drawn as a list entry
    bool simple = false;       // list always visible below the field
    bool dropped = false;
    Rect listRect;       // where the opened list goes (when dropped)
    int itemHeight = 0;  // 0: from the font
    int topIndex = 0;
    std::vector<int> checkMarks;  // per item, for check combo boxes (BST_* values); empty: none
    bool ownerDrawn = false;      // entries drawn by the owner (replayed records), not as text
};

struct ListEntry {
    std::string text;
    bool selected = false;
    std::optional<CheckState> check;  // entries of a check list carry a box
    bool enabled = true;
};

struct ListBox {
    Rect rect;
    Font font;
    std::vector<ListEntry> entries;
    int topIndex = 0;
    int caretIndex = -1;  // the entry with the focus rectangle
    int itemHeight = 0;   // 0: from the font
    bool enabled = true;
    bool focused = false;
    bool sunken = true;
    bool border = true;
    bool vscroll = true;        // shown when the entries do not fit
    std::vector<int> tabStops;  // pixel offsets for '\t' in entries
};

struct TabControl {
    Rect rect;
    Font font;
    std::vector<std::string> tabs;
    int selected = -1;
    bool enabled = true;
    bool focused = false;
};

struct StaticText {
    Rect rect;
    std::string text;
    Font font;
    HAlign align = HAlign::Left;
    bool centerVertically = false;
    bool wrap = true;
    bool prefix = true;  // '&' marks a mnemonic and is not shown
    bool enabled = true;
    bool sunken = false;
    bool border = false;
    std::optional<Rgb> color;       // text colour set by the owner
    std::optional<Rgb> background;  // background filled first
};

enum class FrameKind { Black, Gray, White, Etched, EtchedHorizontal, EtchedVertical, Sunken, Raised };
struct StaticFrame {
    Rect rect;
    FrameKind kind = FrameKind::Etched;
    bool filled = false;  // black/grey/white rectangles may be solid
};

struct StaticPicture {
    Rect rect;
    Image image;
    bool center = false;  // centred in rect, else at its top-left
    bool stretch = false;
    bool sunken = false;
    std::optional<Rgb> transparent;
};

struct FocusRect {
    Rect rect;
};

// The raised button with a down arrow that opens a list (a combo cell's button).
struct DropButton {
    Rect rect;
    bool enabled = true;
};

// A scroll bar on its own (the sheet's and a scrolled window's).
struct ScrollBar {
    Rect rect;
    bool vertical = true;
    int range = 0;  // number of positions
    int page = 0;
    int position = 0;
    bool enabled = true;
};

using Element =
    std::variant<FillRect, FrameRect, Line, Text, Picture, TrackerFrame, Ellipse, InvertRect, Edge3D, SystemIcon,
                 PushClip, PopClip, WindowFrame, PushButton, CheckBox, GroupBox, EditField, ComboBox, ListBox,
                 TabControl, StaticText, StaticFrame, StaticPicture, FocusRect, DropButton, ScrollBar>;

struct Scene {
    int width = 0, height = 0;
    Rgb background = rgb(0xD4, 0xD0, 0xC8);
    std::vector<Element> elements;

    template <class T>
    void add(T element) {
        elements.emplace_back(std::move(element));
    }
};

}  // namespace render

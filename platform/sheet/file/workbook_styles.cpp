#include "file/workbook_styles.h"

#include <cmath>

#include "base/cp1252.h"

namespace sheet {

namespace os = orcus::spreadsheet;

namespace {

uint32_t colorRef(os::color_elem_t red, os::color_elem_t green, os::color_elem_t blue) {
    return uint32_t{red} | uint32_t{green} << 8 | uint32_t{blue} << 16;
}

// The engine's sides are left, right, top, bottom.
int sideIndex(os::border_direction_t dir) {
    switch (dir) {
    case os::border_direction_t::left: return 0;
    case os::border_direction_t::right: return 1;
    case os::border_direction_t::top: return 2;
    case os::border_direction_t::bottom: return 3;
    default: return -1;
    }
}

// The engine's line styles: 1 solid, 2 dashes, 3 dots, 4 dash-dot, 5 dash-dot-dot.
int16_t lineStyle(os::border_style_t style) {
    switch (style) {
    case os::border_style_t::unknown:
    case os::border_style_t::none: return 0;
    case os::border_style_t::dashed:
    case os::border_style_t::medium_dashed:
    case os::border_style_t::fine_dashed: return 2;
    case os::border_style_t::dotted:
    case os::border_style_t::hair: return 3;
    case os::border_style_t::dash_dot:
    case os::border_style_t::medium_dash_dot:
    case os::border_style_t::slant_dash_dot: return 4;
    case os::border_style_t::dash_dot_dot:
    case os::border_style_t::medium_dash_dot_dot: return 5;
    default: return 1;
    }
}

// Number formats every workbook of the common format knows by number without listing them.
const char* builtinNumberFormat(size_t id) {
    switch (id) {
    case 1: return "0";
    case 2: return "0.00";
    case 3: return "#,##0";
    case 4: return "#,##0.00";
    case 9: return "0%";
    case 10: return "0.00%";
    default: return "";
    }
}

}  // namespace

CellTypeRecord cellTypeOfNumberFormat(std::string_view code) {
    CellTypeRecord t;
    bool percent = code.ends_with('%');
    if (percent) code.remove_suffix(1);
    bool separator = code.starts_with("#,##");
    if (separator) code.remove_prefix(4);
    if (code.empty() || code.front() != '0') return t;
    code.remove_prefix(1);
    int decimals = 0;
    if (!code.empty() && code.front() == '.') {
        code.remove_prefix(1);
        while (!code.empty() && code.front() == '0') {
            ++decimals;
            code.remove_prefix(1);
        }
    }
    if (!code.empty()) return t;  // colours, sections, dates, texts: not the engine's
    t.kind = percent ? CellKind::Percent : CellKind::Number;
    t.decimals = decimals;
    t.flag = separator ? 1 : 0;
    return t;
}

void WorkbookStyles::set_font_name(std::string_view s) {
    font_.face = base::utf8ToCp1252(s);
    if (font_.face.size() > 255) font_.face.resize(255);
}

void WorkbookStyles::set_font_size(double point) {
    // The engine's fonts are measured in pixels (96 per inch).
    if (std::isfinite(point) && point > 0 && point < 1000)
        font_.height = static_cast<int32_t>(std::lround(point * 96.0 / 72.0));
}

void WorkbookStyles::set_font_underline(os::underline_t e) { font_.underline = e != os::underline_t::none; }

void WorkbookStyles::set_font_color(os::color_elem_t, os::color_elem_t red, os::color_elem_t green,
                                    os::color_elem_t blue) {
    fontColor_ = colorRef(red, green, blue);
}

size_t WorkbookStyles::commit_font() {
    fonts_.emplace_back(std::move(font_), fontColor_);
    font_ = {};
    fontColor_ = kDefaultColor;
    return fonts_.size() - 1;
}

void WorkbookStyles::set_fill_fg_color(os::color_elem_t, os::color_elem_t red, os::color_elem_t green,
                                       os::color_elem_t blue) {
    fill_.fore = colorRef(red, green, blue);
}

void WorkbookStyles::set_fill_bg_color(os::color_elem_t, os::color_elem_t red, os::color_elem_t green,
                                       os::color_elem_t blue) {
    fill_.back = colorRef(red, green, blue);
}

size_t WorkbookStyles::commit_fill() {
    fills_.push_back(fill_);
    fill_ = {};
    return fills_.size() - 1;
}

void WorkbookStyles::set_border_style(os::border_direction_t dir, os::border_style_t style) {
    int side = sideIndex(dir);
    if (side >= 0) border_[side].style = lineStyle(style);
}

void WorkbookStyles::set_border_color(os::border_direction_t dir, os::color_elem_t, os::color_elem_t red,
                                      os::color_elem_t green, os::color_elem_t blue) {
    int side = sideIndex(dir);
    if (side >= 0) border_[side].color = colorRef(red, green, blue);
}

size_t WorkbookStyles::commit_border() {
    borders_.push_back(border_);
    border_ = {};
    return borders_.size() - 1;
}

size_t WorkbookStyles::commit_number_format() {
    if (numberId_ != SIZE_MAX) numberCodeById_[numberId_] = numberCode_;
    numberCodes_.push_back(std::move(numberCode_));
    numberCode_.clear();
    numberId_ = SIZE_MAX;
    return numberCodes_.size() - 1;
}

CellTypeRecord WorkbookStyles::numberType(size_t index) const {
    // A format that names its formats by number (the identifier) refers to them by that number,
    // the built-in ones included; the others by the order they were listed in.
    if (!numberCodeById_.empty() || numberCodes_.empty()) {
        auto it = numberCodeById_.find(index);
        return cellTypeOfNumberFormat(it != numberCodeById_.end() ? std::string_view(it->second)
                                                                  : builtinNumberFormat(index));
    }
    return index < numberCodes_.size() ? cellTypeOfNumberFormat(numberCodes_[index]) : CellTypeRecord{};
}

size_t WorkbookStyles::commit_cell_xf() {
    CellFormat look;
    if (xf_.font < fonts_.size()) {
        const auto& [font, color] = fonts_[xf_.font];
        // The font of the first cell format is the workbook's default: the sheet's font.
        if (looks_.empty()) defaultFont_ = font;
        look.font = font;
        look.foreColor = color == 0 ? kDefaultColor : color;  // black is the default text
        if (look.font.face == defaultFont_.face) look.font.face.clear();
        if (look.font.height == defaultFont_.height) look.font.height = 0;
    }
    if (xf_.fill < fills_.size() && fills_[xf_.fill].solid) {
        const Fill& f = fills_[xf_.fill];
        look.backColor = f.fore != kDefaultColor ? f.fore : f.back;
    }
    if (xf_.border < borders_.size()) look.border = borders_[xf_.border];
    for (BorderSide& side : look.border)
        if (side.style == 0) side.color = 0;
    look.type = numberType(xf_.number);
    looks_.push_back(looks_.empty() ? CellFormat{} : look);
    xf_ = {};
    return looks_.size() - 1;
}

const CellFormat& WorkbookStyles::look(size_t xf) const {
    static const CellFormat kDefault;
    return xf < looks_.size() ? looks_[xf] : kDefault;
}

}  // namespace sheet

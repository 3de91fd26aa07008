// The styles of a workbook as liborcus reads them (fonts, fills, borders, protection, number
// formats, cell formats), turned into the engine's cell looks.  Cell format 0 is the
// workbook's default look and maps onto the engine's default; a font face or size equal to
// the default font's is left to the sheet's font.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include <orcus/spreadsheet/import_interface.hpp>

#include "sheet/cell_format.h"

namespace sheet {

class WorkbookStyles : public orcus::spreadsheet::iface::import_styles {
public:
    // The engine's look of a cell format index; the default look for unknown indexes.
    const CellFormat& look(size_t xf) const;

    void set_font_count(size_t) override {}
    void set_font_bold(bool b) override { font_.weight = b ? 700 : 400; }
    void set_font_italic(bool b) override { font_.italic = b; }
    void set_font_name(std::string_view s) override;
    void set_font_size(double point) override;
    void set_font_underline(orcus::spreadsheet::underline_t e) override;
    void set_font_underline_width(orcus::spreadsheet::underline_width_t) override {}
    void set_font_underline_mode(orcus::spreadsheet::underline_mode_t) override {}
    void set_font_underline_type(orcus::spreadsheet::underline_type_t) override {}
    void set_font_underline_color(orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t,
                                  orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t) override {}
    void set_font_color(orcus::spreadsheet::color_elem_t alpha, orcus::spreadsheet::color_elem_t red,
                        orcus::spreadsheet::color_elem_t green, orcus::spreadsheet::color_elem_t blue) override;
    void set_strikethrough_style(orcus::spreadsheet::strikethrough_style_t) override {}
    void set_strikethrough_type(orcus::spreadsheet::strikethrough_type_t) override {}
    void set_strikethrough_width(orcus::spreadsheet::strikethrough_width_t) override {}
    void set_strikethrough_text(orcus::spreadsheet::strikethrough_text_t) override {}
    size_t commit_font() override;

    void set_fill_count(size_t) override {}
    void set_fill_pattern_type(orcus::spreadsheet::fill_pattern_t fp) override {
        fill_.solid = fp != orcus::spreadsheet::fill_pattern_t::none;
    }
    void set_fill_fg_color(orcus::spreadsheet::color_elem_t alpha, orcus::spreadsheet::color_elem_t red,
                           orcus::spreadsheet::color_elem_t green, orcus::spreadsheet::color_elem_t blue) override;
    void set_fill_bg_color(orcus::spreadsheet::color_elem_t alpha, orcus::spreadsheet::color_elem_t red,
                           orcus::spreadsheet::color_elem_t green, orcus::spreadsheet::color_elem_t blue) override;
    size_t commit_fill() override;

    void set_border_count(size_t) override {}
    void set_border_style(orcus::spreadsheet::border_direction_t dir,
                          orcus::spreadsheet::border_style_t style) override;
    void set_border_color(orcus::spreadsheet::border_direction_t dir, orcus::spreadsheet::color_elem_t alpha,
                          orcus::spreadsheet::color_elem_t red, orcus::spreadsheet::color_elem_t green,
                          orcus::spreadsheet::color_elem_t blue) override;
    void set_border_width(orcus::spreadsheet::border_direction_t, double, orcus::length_unit_t) override {}
    size_t commit_border() override;

    void set_cell_hidden(bool) override {}
    // Locks are not read: workbooks lock every cell unless told otherwise, the engine none, and
    // locks matter only under protection, which the file does not switch on in the engine.
    void set_cell_locked(bool) override {}
    void set_cell_print_content(bool) override {}
    void set_cell_formula_hidden(bool) override {}
    size_t commit_cell_protection() override { return protections_++; }

    void set_number_format_count(size_t) override {}
    void set_number_format_identifier(size_t id) override { numberId_ = id; }
    void set_number_format_code(std::string_view s) override { numberCode_ = s; }
    size_t commit_number_format() override;

    void set_cell_xf_count(size_t) override {}
    void set_cell_style_xf_count(size_t) override {}
    void set_dxf_count(size_t) override {}
    void set_xf_font(size_t index) override { xf_.font = index; }
    void set_xf_fill(size_t index) override { xf_.fill = index; }
    void set_xf_border(size_t index) override { xf_.border = index; }
    void set_xf_protection(size_t) override {}
    void set_xf_number_format(size_t index) override { xf_.number = index; }
    void set_xf_style_xf(size_t) override {}
    void set_xf_apply_alignment(bool) override {}
    void set_xf_horizontal_alignment(orcus::spreadsheet::hor_alignment_t) override {}
    void set_xf_vertical_alignment(orcus::spreadsheet::ver_alignment_t) override {}
    size_t commit_cell_xf() override;
    size_t commit_cell_style_xf() override {
        xf_ = {};
        return styleXfs_++;
    }
    size_t commit_dxf() override {
        xf_ = {};
        return dxfs_++;
    }

    void set_cell_style_count(size_t) override {}
    void set_cell_style_name(std::string_view) override {}
    void set_cell_style_xf(size_t) override {}
    void set_cell_style_builtin(size_t) override {}
    void set_cell_style_parent_name(std::string_view) override {}
    size_t commit_cell_style() override { return cellStyles_++; }

private:
    struct Fill {
        bool solid = false;
        uint32_t fore = kDefaultColor, back = kDefaultColor;
    };
    struct Xf {
        size_t font = 0, fill = 0, border = 0, number = 0;
    };
    CellTypeRecord numberType(size_t index) const;

    CellFont font_;
    uint32_t fontColor_ = kDefaultColor;
    std::vector<std::pair<CellFont, uint32_t>> fonts_;
    Fill fill_;
    std::vector<Fill> fills_;
    std::array<BorderSide, 4> border_{};
    std::vector<std::array<BorderSide, 4>> borders_;
    size_t protections_ = 0;
    CellFont defaultFont_;
    size_t numberId_ = SIZE_MAX;
    std::string numberCode_;
    std::vector<std::string> numberCodes_;                    // by commit order
    std::unordered_map<size_t, std::string> numberCodeById_;  // by the file's own identifier
    Xf xf_;
    std::vector<CellFormat> looks_;
    size_t styleXfs_ = 0, dxfs_ = 0, cellStyles_ = 0;
};

// The engine's cell type for a number format code ("0.00" a number with 2 decimals, "0%" a
// percentage, "#,##0" with the separator flag); the general type for anything else.
CellTypeRecord cellTypeOfNumberFormat(std::string_view code);

}  // namespace sheet

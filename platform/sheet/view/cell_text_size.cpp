// Text extents of cells: the default font, a look's font and the measurer.
#include "view/cell_text_size.h"

#include <algorithm>
#include <cstdlib>

namespace sheet {

win::FontSpec defaultCellFont() { return win::FontSpec{"Tahoma", 13, 400}; }

int defaultCharWidth() {
    static const int width = std::max(win::averageCharWidth(defaultCellFont()), 1);
    return width;
}

win::FontSpec cellFont(const CellFormat& format) {
    const CellFont& f = format.font;
    win::FontSpec font = defaultCellFont();
    if (!f.face.empty()) font.face = f.face;
    if (f.height) font.height = std::abs(f.height);
    font.weight = f.weight;
    font.italic = f.italic;
    font.underline = f.underline;
    return font;
}

const win::TextMeasure& CellTextMeasurer::measureOf(const CellFormat& format) {
    for (const auto& [look, measure] : looks_)
        if (look == &format) return measure;
    return looks_.emplace_back(&format, win::TextMeasure(cellFont(format))).second;
}

win::TextSize CellTextMeasurer::size(std::string_view data, const CellFormat& look) {
    if (look.type.kind == CellKind::Picture) return {};
    return measureOf(look)(data);
}

win::TextSize CellTextMeasurer::size(CellRef cell) { return size(sheet_.data(cell), sheet_.format(cell)); }

}  // namespace sheet

#include "sheet_grid.h"

#include <algorithm>

#include "record_replay.h"
#include "win/bitmap.h"
#include "win/draw.h"

namespace render::detail {

namespace {

// Past this many rows the sizes of later rows are taken as the default: a scroll bar only
// needs to know that rows overflow, and a two-million-row sheet must not be walked per picture.
constexpr int32_t kRowsMeasured = 20000;

std::optional<Rgb> colorOf(uint32_t color) {
    if (color == sheet::kDefaultColor) return std::nullopt;
    return fromColorRef(color);
}

Font cellFont(const sheet::CellFont& f, const Font& fallback) {
    Font font = fallback;
    if (!f.face.empty()) font.face = f.face;
    if (f.height != 0) font.height = std::abs(f.height);
    font.weight = f.weight > 0 ? f.weight : fallback.weight;
    font.italic = f.italic;
    font.underline = f.underline;
    return font;
}

// A handle of a check or picture cell is a bitmap or an icon of the window system.
std::optional<Image> pictureOf(uint64_t handle) {
    if (handle == 0) return std::nullopt;
    std::shared_ptr<const win::Bitmap> bitmap =
        win::bitmapOf(reinterpret_cast<HBITMAP>(static_cast<uintptr_t>(handle)));
    if (!bitmap) bitmap = win::iconOf(reinterpret_cast<HICON>(static_cast<uintptr_t>(handle)));
    if (!bitmap) return std::nullopt;
    Image image = imageOf(*bitmap);
    if (image.empty()) return std::nullopt;
    return image;
}

bool isNumericKind(sheet::CellKind kind) {
    using sheet::CellKind;
    return kind == CellKind::Integer || kind == CellKind::Number || kind == CellKind::Float ||
           kind == CellKind::Percent;
}

GridBorder borderOf(const sheet::BorderSide& side) {
    GridBorder b;
    b.present = side.style != 0;
    b.color = fromColorRef(side.color);
    // Dash and dot styles show dotted; every other style as a plain line.
    b.dotted = (side.style >= 2 && side.style <= 5) || (side.style >= 12 && side.style <= 15);
    return b;
}

GridCell cellOf(const sheet::Sheet& sheet, int32_t col, int32_t row, const Font& font) {
    sheet::CellRef ref{col, row};
    const sheet::CellFormat& format = sheet.format(ref);
    GridCell cell;
    cell.col = col;
    cell.row = row;
    cell.text = sheet.valueText(ref);
    cell.font = cellFont(format.font, font);
    cell.background = colorOf(format.backColor);
    cell.foreground = colorOf(format.foreColor);
    cell.left = borderOf(format.border[0]);
    cell.right = borderOf(format.border[1]);
    cell.top = borderOf(format.border[2]);
    cell.bottom = borderOf(format.border[3]);
    cell.locked = format.locked;
    const sheet::CellTypeRecord& type = format.type;
    uint32_t horizontal = type.style & 3;
    cell.align = horizontal == 1 ? HAlign::Center : horizontal == 2 ? HAlign::Right : HAlign::Left;
    switch (type.kind) {
    case sheet::CellKind::CheckBox:
        cell.kind = GridCellKind::CheckBox;
        // A box with a text of its own stands at the left with the text beside it.
        cell.label = type.text;
        cell.align = type.text.empty() ? HAlign::Center : HAlign::Left;
        cell.uncheckedPicture = pictureOf(type.pictures[0]);
        cell.checkedPicture = pictureOf(type.pictures[1]);
        break;
    case sheet::CellKind::ComboBox: cell.kind = GridCellKind::ComboBox; break;
    case sheet::CellKind::Button:
        cell.kind = GridCellKind::Button;
        if (cell.text.empty()) cell.text = type.text;
        break;
    case sheet::CellKind::Picture: {
        cell.kind = GridCellKind::Picture;
        cell.align = HAlign::Center;
        cell.picture = pictureOf(type.pictures[0]);
        if (!cell.picture && !type.text.empty()) {
            win::LoadResult loaded = win::loadImageFile(type.text);
            if (loaded.ok) cell.picture = imageOf(loaded.bitmap);
        }
        break;
    }
    default:
        if (isNumericKind(type.kind) ||
            (type.kind == sheet::CellKind::General && horizontal == 0 && sheet.value(ref).isNumber()))
            cell.align = horizontal == 0 ? HAlign::Right : cell.align;
        break;
    }
    return cell;
}

}  // namespace

GridView gridOfSheet(const sheet::Sheet& sheet, const SheetViewState& view) {
    const sheet::SheetSettings& settings = sheet.settings();
    GridView g;
    g.rect = view.client;
    g.cols = sheet.maxCols();
    g.rows = sheet.maxRows();
    g.font = view.font;
    g.showColHeaders = sheet.option(sheet::kOptColHeaderShown);
    g.showRowHeaders = sheet.option(sheet::kOptRowHeaderShown);
    g.headerWidth = std::max(0, sheet.colWidth(0));
    g.headerHeight = std::max(0, sheet.rowHeight(0));
    g.defaultColWidth = settings.defaultColWidth;
    g.defaultRowHeight = settings.defaultRowHeight;
    for (int32_t c = 1; c <= g.cols; ++c)
        if (int w = sheet.colWidth(c); w != g.defaultColWidth) g.colWidths[c] = w;
    for (int32_t r = 1; r <= std::min(g.rows, kRowsMeasured); ++r)
        if (int h = sheet.rowHeight(r); h != g.defaultRowHeight) g.rowHeights[r] = h;
    if (auto c = colorOf(settings.gridColor)) g.gridColor = *c;
    if (auto c = colorOf(settings.grayAreaColor)) g.grayArea = *c;
    if (auto c = colorOf(settings.selBackColor)) g.selectionBackground = *c;
    if (auto c = colorOf(settings.selForeColor)) g.selectionText = *c;
    g.lockBackground = colorOf(settings.lockBackColor);
    g.lockForeground = colorOf(settings.lockForeColor);
    g.protect = sheet.option(sheet::kOptProtect);
    g.scrollBars = sheet.option(sheet::kOptVertScrollBar) || sheet.option(sheet::kOptHorzScrollBar);
    sheet::CellRef active = sheet.activeCell();
    g.activeCol = active.col;
    g.activeRow = active.row;
    g.showActive = view.focused;
    if (auto block = sheet.selection()) {
        g.selCol1 = block->first.col < 1 ? 1 : block->first.col;
        g.selRow1 = block->first.row < 1 ? 1 : block->first.row;
        g.selCol2 = block->last.col < 1 ? g.cols : block->last.col;
        g.selRow2 = block->last.row < 1 ? g.rows : block->last.row;
    }
    g.leftCol = view.leftCol;
    g.topRow = view.topRow;
    for (const sheet::CellSpan& s : sheet.spans()) g.spans.push_back({s.anchor.col, s.anchor.row, s.cols, s.rows});

    // Only the cells that can show are read: from the origin as far as the area reaches.
    GridOrigin origin = visibleOrigin(g);
    int lastCol = origin.col, lastRow = origin.row;
    for (int x = 0; lastCol <= g.cols && x < g.rect.width(); ++lastCol)
        x += g.colWidths.count(lastCol) ? g.colWidths[lastCol] : g.defaultColWidth;
    for (int y = 0; lastRow <= g.rows && y < g.rect.height(); ++lastRow)
        y += g.rowHeights.count(lastRow) ? g.rowHeights[lastRow] : g.defaultRowHeight;
    lastCol = std::min(lastCol, g.cols);
    lastRow = std::min(lastRow, g.rows);
    int firstCol = origin.col, firstRow = origin.row;
    // Spans reaching into view from outside start at their anchors.
    for (const GridSpan& s : g.spans) {
        if (s.col + s.cols - 1 >= origin.col && s.col <= lastCol && s.row + s.rows - 1 >= origin.row &&
            s.row <= lastRow) {
            firstCol = std::min(firstCol, std::max(0, s.col));
            firstRow = std::min(firstRow, std::max(0, s.row));
        }
    }
    for (int32_t c = std::max(1, firstCol); c <= lastCol; ++c) {
        GridCell header = cellOf(sheet, c, 0, g.font);
        if (header.text.empty()) header.text = columnLabel(c);
        header.align = HAlign::Center;
        g.cells.push_back(std::move(header));
    }
    for (int32_t r = std::max(1, firstRow); r <= lastRow; ++r) {
        GridCell header = cellOf(sheet, 0, r, g.font);
        if (header.text.empty()) header.text = std::to_string(r);
        g.cells.push_back(std::move(header));
        for (int32_t c = std::max(1, firstCol); c <= lastCol; ++c) g.cells.push_back(cellOf(sheet, c, r, g.font));
    }
    return g;
}

}  // namespace render::detail

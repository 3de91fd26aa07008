// Writes a sheet as an .xlsx workbook of one sheet with libxlsxwriter: values, texts (UTF-8),
// formulas in A1 form with their results, looks, sizes, spans and the pictures that picture
// cells name.  libxlsxwriter writes to a file of its own in the temporary folder; its bytes
// then reach the target through writeFileWhole, so the target is whole or unchanged.
#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <filesystem>
#include <unordered_map>
#include <vector>

#include "base/cp1252.h"
#include "sheet/workbook_file.h"

namespace sheet {

namespace {

// The common workbook format's sheet size.
constexpr int32_t kXlsxRows = 1'048'576;
constexpr int32_t kXlsxCols = 16'384;
constexpr size_t kXlsxMaxText = 32'767;

struct FormatHash {
    size_t operator()(const CellFormat& f) const { return hashFormat(f); }
};

uint32_t rgbOf(uint32_t colorRef) { return (colorRef & 0xFF) << 16 | (colorRef & 0xFF00) | (colorRef >> 16 & 0xFF); }

uint8_t borderOf(int16_t style) {
    switch (style) {
    case 0: return LXW_BORDER_NONE;
    case 2: return LXW_BORDER_DASHED;
    case 3: return LXW_BORDER_DOTTED;
    case 4: return LXW_BORDER_DASH_DOT;
    case 5: return LXW_BORDER_DASH_DOT_DOT;
    default: return LXW_BORDER_THIN;
    }
}

std::string numberFormatOf(const CellTypeRecord& t) {
    std::string format = t.kind == CellKind::Number && t.flag ? "#,##0" : "0";
    if (t.kind != CellKind::Integer && t.decimals > 0) {
        format += '.';
        format.append(static_cast<size_t>(std::min(t.decimals, 30)), '0');
    }
    switch (t.kind) {
    case CellKind::Integer:
    case CellKind::Number: return format;
    case CellKind::Percent: return format + '%';
    default: return {};
    }
}

std::string cellName(CellRef at) { return columnName(at.col) + std::to_string(at.row); }

class XlsxWriter {
public:
    XlsxWriter(const Sheet& sheet, std::filesystem::path folder) : sheet_(sheet), folder_(std::move(folder)) {}
    ~XlsxWriter() {
        if (book_) workbook_close(book_);  // only after a failure: the file is thrown away
    }

    FileResult write(const std::string& scratch) {
        // The header row and column are written as a first row and column when they hold data,
        // so that a bill's column names reach the workbook; the other cells move one down (right)
        // and their formulas' references with them.
        sheet_.forEachCell([&](const CellEntry& c) {
            if ((c.at.row == 0) == (c.at.col == 0) || sheet_.data(c.at).empty()) return;
            if (c.at.row == 0)
                rowShift_ = 1;
            else
                colShift_ = 1;
        });
        book_ = workbook_new(scratch.c_str());
        if (!book_) return fail("the workbook cannot be made");
        ws_ = workbook_add_worksheet(book_, nullptr);
        if (!ws_) return fail("the workbook cannot be made");

        for (const CellSpan& s : sheet_.spans()) {
            CellRef first = s.anchor, last = s.range().last;
            if (!inWorkbook(first) || !inWorkbook(last)) return tooLarge();
            lxw_error e = worksheet_merge_range(ws_, row(first), col(first), row(last), col(last), "",
                                                formatFor(sheet_.format(first)));
            if (e) return fail(lxw_strerror(e));
        }
        writeColumnWidths();
        const std::vector<std::pair<int32_t, int32_t>> heights = rowHeights();
        size_t nextHeight = 0;
        // A row's height goes out with the row, before its cells.
        auto heightsUpTo = [&](int32_t row) {
            for (; nextHeight < heights.size() && heights[nextHeight].first <= row; ++nextHeight)
                worksheet_set_row_pixels(ws_, this->row({1, heights[nextHeight].first}), heights[nextHeight].second,
                                         nullptr);
        };
        // Cells go out row by row, the order libxlsxwriter keeps them in and the walk's own.  (Its
        // constant-memory mode would stream the rows, but it writes texts inline, which liborcus
        // does not read.)
        FileResult written{true, {}, 0};
        sheet_.forEachCell([&](const CellEntry& c) {
            const CellRef at = c.at;
            if (!written.ok) return;
            if ((at.row == 0 && !rowShift_) || (at.col == 0 && !colShift_)) return;
            if (at.row == 0 && at.col == 0) return;
            if (!inWorkbook(at)) {
                written = tooLarge();
                return;
            }
            heightsUpTo(at.row);
            written = writeCell(c);
        });
        if (!written.ok) return written;
        heightsUpTo(INT32_MAX);
        if (rowShift_) worksheet_freeze_panes(ws_, 1, 0);
        lxw_workbook* book = book_;
        book_ = nullptr;
        lxw_error e = workbook_close(book);
        if (e) return fail(lxw_strerror(e));
        return FileResult{true, {}, 0};
    }

private:
    FileResult fail(std::string why) { return FileResult{false, std::move(why), 0}; }
    FileResult tooLarge() {
        return fail("the sheet is larger than a workbook sheet (" + std::to_string(kXlsxCols) + " columns, " +
                    std::to_string(kXlsxRows) + " rows)");
    }
    bool inWorkbook(CellRef at) const {
        return at.row - 1 + rowShift_ < kXlsxRows && at.col - 1 + colShift_ < kXlsxCols;
    }
    lxw_row_t row(CellRef at) const { return static_cast<lxw_row_t>(at.row - 1 + rowShift_); }
    lxw_col_t col(CellRef at) const { return static_cast<lxw_col_t>(at.col - 1 + colShift_); }

    // Looks by the sheet's format number: one libxlsxwriter format per number, made once.
    lxw_format* formatOf(uint32_t id) {
        if (id == 0) return nullptr;
        if (id >= byId_.size()) byId_.resize(id + 1);
        if (!byId_[id].made) byId_[id] = {true, formatFor(sheet_.formatById(id))};
        return byId_[id].format;
    }

    // Null for a look that is the default.
    lxw_format* formatFor(const CellFormat& look) {
        if (look == CellFormat{}) return nullptr;
        auto it = formats_.find(look);
        if (it != formats_.end()) return it->second;
        lxw_format* f = workbook_add_format(book_);
        const CellFont& font = look.font;
        if (!font.face.empty()) {
            std::string face = base::cp1252ToUtf8(font.face);
            format_set_font_name(f, face.c_str());
        }
        if (font.height > 0) format_set_font_size(f, font.height * 72.0 / 96.0);
        if (font.weight >= 600) format_set_bold(f);
        if (font.italic) format_set_italic(f);
        if (font.underline) format_set_underline(f, LXW_UNDERLINE_SINGLE);
        if (look.foreColor != kDefaultColor) format_set_font_color(f, rgbOf(look.foreColor));
        if (look.backColor != kDefaultColor) {
            format_set_pattern(f, LXW_PATTERN_SOLID);
            format_set_bg_color(f, rgbOf(look.backColor));
        }
        const auto& b = look.border;  // left, right, top, bottom
        if (b[0].style) {
            format_set_left(f, borderOf(b[0].style));
            format_set_left_color(f, rgbOf(b[0].color));
        }
        if (b[1].style) {
            format_set_right(f, borderOf(b[1].style));
            format_set_right_color(f, rgbOf(b[1].color));
        }
        if (b[2].style) {
            format_set_top(f, borderOf(b[2].style));
            format_set_top_color(f, rgbOf(b[2].color));
        }
        if (b[3].style) {
            format_set_bottom(f, borderOf(b[3].style));
            format_set_bottom_color(f, rgbOf(b[3].color));
        }
        std::string number = numberFormatOf(look.type);
        if (!number.empty()) format_set_num_format(f, number.c_str());
        formats_.emplace(look, f);
        return f;
    }

    // The formula in A1 form as it reads at its place in the workbook.
    std::string workbookFormula(CellRef at) {
        std::string text = sheet_.formulaText(at);
        if (!rowShift_ && !colShift_ && sheet_.settings().refStyle != RefStyle::R1C1) return text;
        ParseResult p = parseFormula(text, sheet_.settings().refStyle, at, sheet_.functions());
        if (!p.ok) return text;
        std::shared_ptr<const Formula> f = p.formula;
        if (rowShift_) f = shiftForInsert(*f, true, 1, 1);
        if (colShift_) f = shiftForInsert(*f, false, 1, 1);
        return printFormula(*f, RefStyle::A1, {at.col + colShift_, at.row + rowShift_});
    }

    FileResult writeCell(const CellEntry& c) {
        const CellRef at = c.at;
        lxw_format* fmt = formatOf(c.formatId);
        const Value& v = c.value;
        lxw_error e = LXW_NO_ERROR;
        if (c.formula) {
            std::string formula = base::cp1252ToUtf8(workbookFormula(at));
            if (v.isText()) {
                std::string result = base::cp1252ToUtf8(v.asText());
                e = worksheet_write_formula_str(ws_, row(at), col(at), formula.c_str(), fmt, result.c_str());
            } else {
                e = worksheet_write_formula_num(ws_, row(at), col(at), formula.c_str(), fmt, v.asNumber());
            }
        } else if (v.isNumber()) {
            e = worksheet_write_number(ws_, row(at), col(at), v.asNumber(), fmt);
        } else if (v.isBool()) {
            e = worksheet_write_boolean(ws_, row(at), col(at), v.asBool(), fmt);
        } else if (v.isText() || v.isError()) {
            // The text as the cell holds it: as typed, else the value's own.
            std::string text = base::cp1252ToUtf8(!c.typed.empty() ? std::string(c.typed)
                                                  : v.isText()     ? v.asText()
                                                                   : sheet_.data(at));
            if (text.size() > kXlsxMaxText && lxw_utf8_strlen(text.c_str()) > kXlsxMaxText)
                return fail("cell " + cellName(at) + " holds a text longer than the " + std::to_string(kXlsxMaxText) +
                            " characters a workbook cell takes");
            e = worksheet_write_string(ws_, row(at), col(at), text.c_str(), fmt);
        } else if (fmt && !sheet_.spanAt(at)) {
            e = worksheet_write_blank(ws_, row(at), col(at), fmt);
        }
        if (e) return fail("cell " + cellName(at) + ": " + lxw_strerror(e));
        if (c.formatId) insertPicture(at, sheet_.formatById(c.formatId).type);
        return FileResult{true, {}, 0};
    }

    // A picture the file cannot give is left out: the cell is written, the sheet saved.
    void insertPicture(CellRef at, const CellTypeRecord& t) {
        if (t.kind != CellKind::Picture || t.text.empty()) return;
        // Picture names are host paths, as the window system takes them.
        std::filesystem::path file(t.text);
        if (file.is_relative() && !folder_.empty()) file = folder_ / file;
        std::error_code ec;
        if (!std::filesystem::is_regular_file(file, ec)) return;
        lxw_image_options options{};
        options.x_offset = 1;
        options.y_offset = 1;
        worksheet_insert_image_opt(ws_, row(at), col(at), file.c_str(), &options);
    }

    void writeColumnWidths() {
        const int32_t defaultWidth = sheet_.settings().defaultColWidth;
        for (int32_t c = 1 - colShift_; c <= sheet_.maxCols(); ++c) {
            int32_t w = sheet_.colWidth(c);
            if (w >= 0 && w != defaultWidth && inWorkbook({c, 1}))
                worksheet_set_column_pixels(ws_, col({c, 1}), col({c, 1}), w, nullptr);
        }
    }

    // The rows whose height differs from the sheet's default, in order: (row, pixels).
    std::vector<std::pair<int32_t, int32_t>> rowHeights() const {
        std::vector<std::pair<int32_t, int32_t>> out;
        const int32_t defaultHeight = sheet_.settings().defaultRowHeight;
        for (int32_t r = 1 - rowShift_; r <= sheet_.maxRows(); ++r) {
            int32_t h = sheet_.rowHeight(r);
            if (h >= 0 && h != defaultHeight && inWorkbook({1, r})) out.emplace_back(r, h);
        }
        return out;
    }

    const Sheet& sheet_;
    std::filesystem::path folder_;
    lxw_workbook* book_ = nullptr;
    lxw_worksheet* ws_ = nullptr;
    int32_t rowShift_ = 0, colShift_ = 0;
    std::unordered_map<CellFormat, lxw_format*, FormatHash> formats_;
    struct MadeFormat {
        bool made = false;
        lxw_format* format = nullptr;
    };
    std::vector<MadeFormat> byId_;
};

std::string scratchName() {
    static std::atomic<unsigned> counter{0};
    std::error_code ec;
    std::filesystem::path dir = std::filesystem::temp_directory_path(ec);
    if (ec) dir = "/tmp";
    return (dir / (".kvsheet-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".xlsx")).string();
}

}  // namespace

FileResult saveXlsxFile(const Sheet& sheet, const std::string& path) {
    const std::string scratch = scratchName();
    FileResult r = XlsxWriter(sheet, std::filesystem::path(path).parent_path()).write(scratch);
    std::string bytes;
    if (r.ok) r = readFileWhole(scratch, bytes);
    std::error_code ec;
    std::filesystem::remove(scratch, ec);
    if (r.ok) r = writeFileWhole(path, bytes);
    if (!r.ok) r.error = path + ": " + r.error;
    return r;
}

}  // namespace sheet

#include "file/workbook_filler.h"

#include <algorithm>
#include <cmath>

#include <orcus/exception.hpp>

#include "base/case_fold.h"
#include "base/cp1252.h"
#include "sheet/limits.h"

namespace sheet {

namespace os = orcus::spreadsheet;

namespace {

// Days from 1970-01-01 of a proleptic Gregorian date.
int64_t daysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

// Serial numbers count days from 1899-12-30, as the engine's date functions do.
double serialOf(int year, int month, int day) {
    return static_cast<double>(daysFromCivil(year, month, day) - daysFromCivil(1899, 12, 30));
}

int32_t pixelsOf(double value, orcus::length_unit_t unit, bool columnWidth) {
    double px;
    switch (unit) {
    case orcus::length_unit_t::xlsx_column_digit: px = value * 7; break;  // digits of 7 pixels
    case orcus::length_unit_t::inch: px = value * 96; break;
    case orcus::length_unit_t::centimeter: px = value * 96 / 2.54; break;
    case orcus::length_unit_t::millimeter: px = value * 96 / 25.4; break;
    case orcus::length_unit_t::twip: px = value / 15; break;
    case orcus::length_unit_t::pixel: px = value; break;
    case orcus::length_unit_t::point: px = value * 96 / 72; break;
    default: px = columnWidth ? value * 7 : value * 96 / 72; break;
    }
    if (!std::isfinite(px) || px < 0) return -1;
    return static_cast<int32_t>(std::min<double>(std::lround(px), kMaxPixelSize));
}

std::string cellName(CellRef at) { return columnName(at.col) + std::to_string(at.row); }

void applyLook(Sheet& sheet, const RangeRef& r, const CellFormat& f) {
    if (!(f.type == CellTypeRecord{})) sheet.setCellType(r, f.type);
    if (f.locked) sheet.setLocked(r, true);
    if (!(f.font == CellFont{})) sheet.setFont(r, f.font);
    if (f.backColor != kDefaultColor || f.foreColor != kDefaultColor) sheet.setColors(r, f.backColor, f.foreColor);
    static constexpr uint32_t kSides[4] = {kBorderLeft, kBorderRight, kBorderTop, kBorderBottom};
    for (int i = 0; i < 4; ++i)
        if (f.border[i].style) sheet.setBorder(r, kSides[i], f.border[i].style, f.border[i].color);
}

}  // namespace

// --- strings --------------------------------------------------------------------------------

size_t WorkbookStrings::append(std::string_view s) {
    strings_.push_back(cp1252Counting(s, notes_.replacedCharacters));
    return strings_.size() - 1;
}

size_t WorkbookStrings::add(std::string_view s) {
    auto it = index_.find(std::string(s));
    if (it != index_.end()) return it->second;
    size_t id = append(s);
    index_.emplace(std::string(s), id);
    return id;
}

size_t WorkbookStrings::commit_segments() {
    size_t id = append(segments_);
    segments_.clear();
    return id;
}

// --- formula cells ------------------------------------------------------------------------

void WorkbookFormulaCell::set_position(os::row_t row, os::col_t col) {
    row_ = row;
    col_ = col;
    text_.clear();
    shared_ = SIZE_MAX;
    result_ = Value();
}

void WorkbookFormulaCell::set_formula(os::formula_grammar_t grammar, std::string_view formula) {
    if (!filler_) return;
    FormulaDialect dialect = grammar == os::formula_grammar_t::ods       ? FormulaDialect::OpenDocument
                             : grammar == os::formula_grammar_t::unknown ? filler_->dialect_
                                                                         : FormulaDialect::A1;
    text_ = engineFormulaText(formula, dialect, &filler_->notes_.replacedCharacters);
}

void WorkbookFormulaCell::set_result_string(std::string_view value) {
    if (filler_) result_ = Value::text(filler_->text(value));
}

void WorkbookFormulaCell::commit() {
    if (!filler_) return;
    CellRef at = filler_->cellAt(row_, col_);
    std::string text = std::move(text_);
    if (shared_ != SIZE_MAX) {
        auto it = filler_->sharedFormulas_.find(shared_);
        if (!text.empty()) {
            filler_->sharedFormulas_[shared_] = {at, text};
        } else if (it != filler_->sharedFormulas_.end()) {
            // A cell of a shared formula: the first cell's formula, moved here.
            ParseResult first =
                parseFormula(it->second.second, RefStyle::A1, it->second.first, filler_->sheet_.functions());
            CellRef origin = it->second.first;
            text = first.ok ? printFormula(*shiftForCopy(*first.formula, at.col - origin.col, at.row - origin.row),
                                           RefStyle::A1, at)
                            : it->second.second;
        }
    }
    text_.clear();
    shared_ = SIZE_MAX;
    if (text.empty()) return;
    filler_->enterFormula(at, std::move(text), result_);
}

void WorkbookArrayFormula::set_result_string(os::row_t row, os::col_t col, std::string_view value) {
    if (!filler_) return;
    CellRef at = cellOf(row, col);
    filler_->putText(at, filler_->text(value));
}

void WorkbookArrayFormula::set_result_value(os::row_t row, os::col_t col, double value) {
    if (filler_) filler_->sheet_.setNumber(cellOf(row, col), value);
}

void WorkbookArrayFormula::set_result_bool(os::row_t row, os::col_t col, bool value) {
    if (filler_) filler_->sheet_.setNumber(cellOf(row, col), value ? 1 : 0);
}

// Results are placed relative to the array's first cell.
CellRef WorkbookArrayFormula::cellOf(os::row_t row, os::col_t col) {
    const int64_t r = int64_t{range_.first.row} + row, c = int64_t{range_.first.column} + col;
    return filler_->cellAt(static_cast<os::row_t>(std::clamp<int64_t>(r, -1, kMaxSheetRows)),
                           static_cast<os::col_t>(std::clamp<int64_t>(c, -1, kMaxSheetCols)));
}

void WorkbookArrayFormula::commit() {
    if (filler_) filler_->notes_.arrayFormulas.push_back(cellName({range_.first.column + 1, range_.first.row + 1}));
}

// --- sheets ---------------------------------------------------------------------------------

WorkbookSheet::WorkbookSheet(WorkbookFiller* filler, std::string name, bool wanted)
    : filler_(wanted ? filler : nullptr), name_(std::move(name)), formula_(filler_), array_(filler_) {}

void WorkbookSheet::set_auto(os::row_t row, os::col_t col, std::string_view s) {
    if (!filler_ || s.empty()) return;
    CellRef at = filler_->cellAt(row, col);
    std::string text = filler_->text(s);
    if (auto n = textToNumber(text))
        filler_->sheet_.setNumber(at, *n);
    else
        filler_->putText(at, text);
}

void WorkbookSheet::set_string(os::row_t row, os::col_t col, os::string_id_t sindex) {
    if (!filler_) return;
    CellRef at = filler_->cellAt(row, col);
    const std::string* s = filler_->strings_.get(sindex);
    if (!s) throw WorkbookError("cell " + cellName(at) + " names a text the file does not hold");
    filler_->putText(at, *s);
}

void WorkbookSheet::set_value(os::row_t row, os::col_t col, double value) {
    if (filler_) filler_->sheet_.setNumber(filler_->cellAt(row, col), value);
}

void WorkbookSheet::set_bool(os::row_t row, os::col_t col, bool value) {
    if (filler_) filler_->sheet_.setNumber(filler_->cellAt(row, col), value ? 1 : 0);
}

void WorkbookSheet::set_date_time(os::row_t row, os::col_t col, int year, int month, int day, int hour, int minute,
                                  double second) {
    if (!filler_) return;
    if (month < 1 || month > 12 || day < 1 || day > 31) return;
    double serial = serialOf(year, month, day) + (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
    filler_->sheet_.setNumber(filler_->cellAt(row, col), serial);
}

void WorkbookSheet::set_format(os::row_t row, os::col_t col, size_t xf) {
    if (filler_) filler_->putLook(filler_->cellAt(row, col), xf);
}

void WorkbookSheet::set_format(os::row_t rowStart, os::col_t colStart, os::row_t rowEnd, os::col_t colEnd, size_t xf) {
    if (!filler_ || filler_->styles_.look(xf) == CellFormat{}) return;
    if (rowStart < 0 || colStart < 0 || rowEnd < rowStart || colEnd < colStart) return;
    // Looks of whole rows or columns: given to the cells that have none of their own once the
    // sheet's extent is known.
    RangeRef r{{colStart + 1, rowStart + 1},
               {std::min<int32_t>(colEnd, kMaxSheetCols - 1) + 1, std::min<int32_t>(rowEnd, kMaxSheetRows - 1) + 1}};
    filler_->rangeLooks_.push_back({r, xf});
}

void WorkbookSheet::fill_down_cells(os::row_t row, os::col_t col, os::row_t count) {
    if (!filler_ || count <= 0) return;
    CellRef from = filler_->cellAt(row, col);
    filler_->cellAt(row + count, col);  // checks the last cell against the limits
    for (os::row_t i = 1; i <= count; ++i) filler_->sheet_.copyRange({from, from}, {from.col, from.row + i});
}

os::range_size_t WorkbookSheet::get_sheet_size() const { return {kMaxSheetRows, kMaxSheetCols}; }

void WorkbookSheet::set_column_width(os::col_t col, double width, orcus::length_unit_t unit) {
    if (!filler_ || col < 0 || col >= kMaxSheetCols) return;
    int32_t px = pixelsOf(width, unit, true);
    if (px >= 0) filler_->sheet_.setColWidth(col + 1, px);
}

void WorkbookSheet::set_column_hidden(os::col_t col, bool hidden) {
    if (filler_ && hidden && col >= 0 && col < kMaxSheetCols) filler_->sheet_.setColWidth(col + 1, 0);
}

void WorkbookSheet::set_row_height(os::row_t row, double height, orcus::length_unit_t unit) {
    if (!filler_ || row < 0 || row >= kMaxSheetRows) return;
    int32_t px = pixelsOf(height, unit, false);
    if (px >= 0) filler_->sheet_.setRowHeight(row + 1, px);
}

void WorkbookSheet::set_row_hidden(os::row_t row, bool hidden) {
    if (filler_ && hidden && row >= 0 && row < kMaxSheetRows) filler_->sheet_.setRowHeight(row + 1, 0);
}

void WorkbookSheet::set_merge_cell_range(const os::range_t& range) {
    if (!filler_) return;
    CellRef first = filler_->cellAt(range.first.row, range.first.column);
    CellRef last = filler_->cellAt(range.last.row, range.last.column);
    if (last.col < first.col || last.row < first.row) return;
    if (filler_->spans_.size() >= kMaxSpans)
        throw WorkbookError("the sheet has more than " + std::to_string(kMaxSpans) + " merged ranges");
    filler_->spans_.push_back({first, last.col - first.col + 1, last.row - first.row + 1});
}

// --- addresses ------------------------------------------------------------------------------

os::src_address_t WorkbookAddresses::resolve_address(std::string_view text) {
    // A sheet name before the last '.' or '!' is not the engine's business: one sheet is read.
    // Every cell of an .xlsx comes by its address: plain ASCII tests, no locale.
    for (size_t cut = text.size(); cut > 0; --cut)
        if (text[cut - 1] == '.' || text[cut - 1] == '!') {
            text.remove_prefix(cut);
            break;
        }
    int64_t col = 0, row = 0;
    size_t i = 0;
    if (i < text.size() && text[i] == '$') ++i;
    size_t letters = i;
    for (; i < text.size() && col <= kMaxSheetCols; ++i) {
        const char c = text[i];
        if (c >= 'A' && c <= 'Z')
            col = col * 26 + (c - 'A' + 1);
        else if (c >= 'a' && c <= 'z')
            col = col * 26 + (c - 'a' + 1);
        else
            break;
    }
    if (i == letters) throw orcus::invalid_arg_error("not a cell address");
    if (i < text.size() && text[i] == '$') ++i;
    size_t digits = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && row <= kMaxSheetRows)
        row = row * 10 + (text[i++] - '0');
    if (i == digits || i != text.size() || row < 1 || col < 1) throw orcus::invalid_arg_error("not a cell address");
    return {0, static_cast<os::row_t>(row - 1), static_cast<os::col_t>(col - 1)};
}

os::src_range_t WorkbookAddresses::resolve_range(std::string_view text) {
    size_t colon = text.find(':');
    if (colon == std::string_view::npos) {
        os::src_address_t a = resolve_address(text);
        return {a, a};
    }
    return {resolve_address(text.substr(0, colon)), resolve_address(text.substr(colon + 1))};
}

// --- the workbook ---------------------------------------------------------------------------

WorkbookFiller::WorkbookFiller(Sheet& fresh, std::string wanted, FormulaDialect dialect)
    : sheet_(fresh), wanted_(std::move(wanted)), dialect_(dialect) {
    // The sheet takes any cell within the limits while it is read, and is cut to what it holds
    // afterwards; its formulas are computed once, at the end.
    sheet_.setOption(kOptAutoCalc, false);
    sheet_.setMaxCols(kMaxSheetCols);
    sheet_.setMaxRows(kMaxSheetRows);
}

WorkbookFiller::~WorkbookFiller() = default;

os::iface::import_sheet* WorkbookFiller::append_sheet(os::sheet_t, std::string_view name) {
    std::string cp = base::utf8ToCp1252(name);
    bool wanted = !target_ && (wanted_.empty() || base::equalIgnoringCase(cp, wanted_));
    sheets_.push_back(std::make_unique<WorkbookSheet>(this, cp, wanted));
    if (wanted) target_ = sheets_.back().get();
    return sheets_.back().get();
}

os::iface::import_sheet* WorkbookFiller::get_sheet(std::string_view name) {
    std::string cp = base::utf8ToCp1252(name);
    for (auto& s : sheets_)
        if (s->name() == cp) return s.get();
    return nullptr;
}

os::iface::import_sheet* WorkbookFiller::get_sheet(os::sheet_t index) {
    return index >= 0 && static_cast<size_t>(index) < sheets_.size() ? sheets_[index].get() : nullptr;
}

CellRef WorkbookFiller::cellAt(os::row_t row, os::col_t col) {
    if (row < 0 || col < 0) throw WorkbookError("a cell has a negative position");
    if (col >= kMaxSheetCols || row >= kMaxSheetRows)
        throw WorkbookError("the sheet is larger than the engine's limits (" + std::to_string(kMaxSheetCols) +
                            " columns, " + std::to_string(kMaxSheetRows) + " rows)");
    CellRef at{col + 1, row + 1};
    grow(at);
    return at;
}

void WorkbookFiller::grow(CellRef at) {
    usedCols_ = std::max(usedCols_, at.col);
    usedRows_ = std::max(usedRows_, at.row);
}

std::string WorkbookFiller::text(std::string_view utf8) { return cp1252Counting(utf8, notes_.replacedCharacters); }

void WorkbookFiller::putText(CellRef at, std::string_view cp1252) {
    if (cp1252.size() > kMaxTextLength)
        throw WorkbookError("the text of cell " + cellName(at) + " is longer than " + std::to_string(kMaxTextLength) +
                            " bytes");
    sheet_.setValueText(at, cp1252);
}

void WorkbookFiller::putLook(CellRef at, size_t xf) {
    if (!lookRuns_.empty()) {
        LookRun& run = lookRuns_.back();
        if (run.row == at.row && run.last + 1 == at.col && run.xf == xf) {
            run.last = at.col;
            return;
        }
    }
    lookRuns_.push_back({at.row, at.col, at.col, xf});
}

void WorkbookFiller::enterFormula(CellRef at, std::string text, const Value& result) {
    if (text.size() > kMaxFormulaLength)
        throw WorkbookError("the formula of cell " + cellName(at) + " is longer than " +
                            std::to_string(kMaxFormulaLength) + " bytes");
    ParseResult parsed = parseFormula(text, RefStyle::A1, at, sheet_.functions());
    if (!parsed.ok) {
        if (parsed.error.find("nested too deeply") != std::string::npos)
            throw WorkbookError("the formula of cell " + cellName(at) + " nests deeper than " +
                                std::to_string(kMaxFormulaNesting) + " levels");
        // Kept as its text, so that nothing of the file is lost.
        notes_.unparsedFormulas.push_back(cellName(at));
        putText(at, "=" + text);
        return;
    }
    bool unknown = false;
    for (std::string& name : calledFunctionNames(text)) {
        if (sheet_.functions().find(name)) continue;
        unknown = true;
        notes_.unknownFunctions.insert(std::move(name));
    }
    // A function the engine does not know would compute #NAME?: the file's result stands.  Such
    // formulas are entered once the sheet has its final size (a size change computes anew).
    if (unknown) {
        withResults_.push_back({at, std::move(text), result});
        return;
    }
    if (sheet_.setFormula(at, text) != SetResult::Ok) {
        notes_.unparsedFormulas.push_back(cellName(at));
        putText(at, "=" + text);
    }
}

void WorkbookFiller::finish() {
    if (!target_) {
        std::string names;
        for (const auto& s : sheets_) names += (names.empty() ? "" : ", ") + s->name();
        throw WorkbookError(wanted_.empty()
                                ? std::string("the workbook has no sheet")
                                : "the workbook has no sheet named \"" + wanted_ + "\" (it has " + names + ")");
    }
    for (const CellSpan& s : spans_) grow(s.range().last);
    sheet_.setMaxCols(usedCols_);
    sheet_.setMaxRows(usedRows_);
    for (const FormulaWithResult& f : withResults_)
        if (sheet_.setFormula(f.at, f.text, RefStyle::A1, &f.result) != SetResult::Ok) {
            notes_.unparsedFormulas.push_back(cellName(f.at));
            putText(f.at, "=" + f.text);
        }
    // Looks are given once everything is read: a workbook may list its styles after its sheets.
    for (const LookRun& run : lookRuns_) {
        const CellFormat& look = styles_.look(run.xf);
        if (!(look == CellFormat{})) applyLook(sheet_, {{run.first, run.row}, {run.last, run.row}}, look);
    }
    for (const RangeLook& rl : rangeLooks_) {
        RangeRef r = rl.range;
        r.last.col = std::min(r.last.col, usedCols_);
        r.last.row = std::min(r.last.row, usedRows_);
        if (r.first.col > r.last.col || r.first.row > r.last.row) continue;
        const CellFormat& look = styles_.look(rl.xf);
        // Cells with a look of their own keep it: the row's or column's look is the default.
        for (int32_t row = r.first.row; row <= r.last.row; ++row) {
            int32_t start = 0;
            for (int32_t col = r.first.col; col <= r.last.col + 1; ++col) {
                bool plain = col <= r.last.col && sheet_.format({col, row}) == CellFormat{};
                if (plain && !start) start = col;
                if (!plain && start) {
                    applyLook(sheet_, {{start, row}, {col - 1, row}}, look);
                    start = 0;
                }
            }
        }
    }
    for (const CellSpan& s : spans_)
        if (!sheet_.addSpan(s.anchor, s.cols, s.rows))
            throw WorkbookError("the merged range at " + cellName(s.anchor) + " cannot be kept");
    sheet_.setOption(kOptAutoCalc, true);
    sheet_.recalc();
}

}  // namespace sheet

// The sheet's content calls: data, values, formulas, tags, calculation and the state of a
// person's work.  Looks live in sheet_layout.cpp, structural edits in sheet_structure.cpp.
#include "sheet/sheet.h"

#include <algorithm>

#include "calc/calculation.h"
#include "formula/number_text.h"
#include "formula/text_case.h"
#include "model/cell_content.h"
#include "model/sheet_data.h"
#include "sheet/formula/postfix_formula.h"

namespace sheet {

Sheet::Sheet() : d_(std::make_unique<SheetData>()) { d_->calc->setOwner(this); }
Sheet::~Sheet() = default;

void Sheet::swap(Sheet& other) noexcept {
    std::swap(d_, other.d_);
    d_->calc->setOwner(this);
    other.d_->calc->setOwner(&other);
}

void Sheet::reset() {
    FunctionRegistry functions = std::move(d_->functions);
    const bool namedCells = d_->calc->usesNamedCells();
    d_ = std::make_unique<SheetData>();
    d_->functions = std::move(functions);
    // The kept functions may name cells: the fresh calculation must know, or a formula naming
    // its own cell would be a cycle.
    d_->calc->useNamedCells(namedCells);
    d_->calc->setOwner(this);
}

// --- size ----------------------------------------------------------------------------------

int32_t Sheet::maxRows() const { return d_->maxRows; }
int32_t Sheet::maxCols() const { return d_->maxCols; }
bool Sheet::inSheet(CellRef cell) const { return d_->inside(cell); }

namespace {

// After a size change every formula is computed again (the calculation clips references to
// the sheet), unless the sheet has none.
void afterResize(Sheet& sheet, SheetData& d) {
    if (d.calc->resized(d.maxCols, d.maxRows) && d.options.test(kOptAutoCalc)) sheet.recalc();
}

void clipSpans(SheetData& d) {
    std::erase_if(d.spans, [&](const CellSpan& s) { return s.anchor.col > d.maxCols || s.anchor.row > d.maxRows; });
    for (CellSpan& s : d.spans) {
        s.cols = std::min(s.cols, d.maxCols - s.anchor.col + 1);
        s.rows = std::min(s.rows, d.maxRows - s.anchor.row + 1);
    }
    std::erase_if(d.spans, [](const CellSpan& s) { return s.cols * int64_t{s.rows} <= 1; });
}

}  // namespace

bool Sheet::setMaxRows(int32_t rows) {
    if (rows < 0 || rows > kMaxSheetRows) return false;
    SheetData& d = *d_;
    if (rows < d.maxRows) {
        d.cells.forEach([&](CellRef ref, Cell& cell) {
            if (ref.row > rows) releaseCell(d, cell);
        });
        d.cells.truncateRows(rows + 1);
        if (d.rowHeights.size() > static_cast<size_t>(rows) + 1) d.rowHeights.resize(rows + 1);
    }
    d.maxRows = rows;
    clipSpans(d);
    if (d.active.row > rows) d.active.row = std::max(rows, rows > 0 ? 1 : 0);
    d.selection.reset();
    afterResize(*this, d);
    return true;
}

bool Sheet::setMaxCols(int32_t cols) {
    if (cols < 0 || cols > kMaxSheetCols) return false;
    SheetData& d = *d_;
    if (cols < d.maxCols) {
        d.cells.forEach([&](CellRef ref, Cell& cell) {
            if (ref.col > cols) releaseCell(d, cell);
        });
        d.cells.truncateCols(cols + 1);
        if (d.colWidths.size() > static_cast<size_t>(cols) + 1) d.colWidths.resize(cols + 1);
    }
    d.maxCols = cols;
    clipSpans(d);
    if (d.active.col > cols) d.active.col = std::max(cols, cols > 0 ? 1 : 0);
    d.selection.reset();
    afterResize(*this, d);
    return true;
}

// --- content -------------------------------------------------------------------------------

namespace {
void autoRecalc(Sheet& sheet, const SheetData& d) {
    if (d.options.test(kOptAutoCalc) && !d.calc->recalculating() && d.calc->dirtyCount() > 0) sheet.recalc();
}
}  // namespace

SetResult Sheet::setData(CellRef cell, std::string_view text) {
    if (!inSheet(cell)) return SetResult::OutOfRange;
    if (text.size() > kMaxTextLength) return SetResult::TooLong;
    SheetData& d = *d_;
    SetResult result = SetResult::Ok;
    if (text.size() > 1 && text[0] == '=' && d.options.test(kOptFormulas)) {
        ParseResult parsed = parseFormula(text.substr(1), d.settings.refStyle, cell, d.functions);
        if (parsed.ok) {
            putFormula(d, cell, std::move(parsed.formula));
            autoRecalc(*this, d);
            return SetResult::Ok;
        }
        // Nothing typed is lost: the text stays in the cell for the person to correct.
        putConstant(d, cell, Value::text(std::string(text)));
        result = SetResult::BadFormula;
    } else {
        std::string_view typed;
        Value v = constantFromText(text, typed);
        putConstant(d, cell, std::move(v), typed);
    }
    autoRecalc(*this, d);
    return result;
}

SetResult Sheet::setValueText(CellRef cell, std::string_view text) {
    if (!inSheet(cell)) return SetResult::OutOfRange;
    if (text.size() > kMaxTextLength) return SetResult::TooLong;
    putConstant(*d_, cell, text.empty() ? Value() : Value::text(std::string(text)));
    autoRecalc(*this, *d_);
    return SetResult::Ok;
}

SetResult Sheet::setFormula(CellRef cell, std::string_view formulaText) {
    if (!inSheet(cell)) return SetResult::OutOfRange;
    if (formulaText.size() > kMaxTextLength) return SetResult::TooLong;
    if (!formulaText.empty() && formulaText[0] == '=') formulaText.remove_prefix(1);
    if (formulaText.empty()) {
        putConstant(*d_, cell, Value());
        autoRecalc(*this, *d_);
        return SetResult::Ok;
    }
    ParseResult parsed = parseFormula(formulaText, d_->settings.refStyle, cell, d_->functions);
    if (!parsed.ok) return SetResult::BadFormula;
    putFormula(*d_, cell, std::move(parsed.formula));
    autoRecalc(*this, *d_);
    return SetResult::Ok;
}

SetResult Sheet::setFormula(CellRef cell, std::string_view formulaText, RefStyle style, const Value* knownResult) {
    if (!d_->inside(cell)) return SetResult::OutOfRange;
    if (formulaText.size() > kMaxTextLength) return SetResult::TooLong;
    ParseResult parsed = parseFormula(formulaText, style, cell, d_->functions);
    if (!parsed.ok) return SetResult::BadFormula;
    putFormula(*d_, cell, std::move(parsed.formula), knownResult);
    autoRecalc(*this, *d_);
    return SetResult::Ok;
}

bool Sheet::setValue(CellRef cell, Value value, std::string_view typed) {
    if (!d_->inside(cell) || typed.size() > kMaxTextLength ||
        (value.isText() && value.asText().size() > kMaxTextLength))
        return false;
    putConstant(*d_, cell, std::move(value), typed);
    autoRecalc(*this, *d_);
    return true;
}

bool Sheet::setNumber(CellRef cell, double number) {
    if (!inSheet(cell)) return false;
    putConstant(*d_, cell, Value::number(number));
    autoRecalc(*this, *d_);
    return true;
}

std::string Sheet::data(CellRef cell) const {
    if (!inSheet(cell)) return {};
    const Cell* c = d_->cells.find(cell);
    if (!c) return {};
    std::string scratch;
    return std::string(cellDataText(*d_, *c, scratch));
}

std::string Sheet::valueText(CellRef cell) const { return data(cell); }

std::string Sheet::formulaText(CellRef cell) const { return formulaText(cell, d_->settings.refStyle); }

std::string Sheet::formulaText(CellRef cell, RefStyle style) const {
    const Cell* c = inSheet(cell) ? d_->cells.find(cell) : nullptr;
    if (!c || !c->formula) return {};
    return d_->formulas.withFormula(c->formula, cell, [&](const Formula& f) { return printFormula(f, style, cell); });
}

Value Sheet::value(CellRef cell) const {
    const Cell* c = inSheet(cell) ? d_->cells.find(cell) : nullptr;
    return c ? c->value : Value();
}

bool Sheet::hasFormula(CellRef cell) const {
    const Cell* c = inSheet(cell) ? d_->cells.find(cell) : nullptr;
    return c && c->formula;
}

bool Sheet::clearRange(const RangeRef& range, bool alsoLooks) {
    SheetData& d = *d_;
    if (range.first.col > range.last.col || range.first.row > range.last.row || !inSheet(range.first) ||
        !inSheet(range.last))
        return false;
    for (int32_t col = range.first.col; col <= range.last.col; ++col) {
        for (int32_t row = range.first.row; row <= range.last.row; ++row) {
            Cell* c = d.cells.find({col, row});
            if (!c) continue;
            putConstant(d, {col, row}, Value());
            if (alsoLooks) {
                d.strings.release(c->tag);
                c->tag = 0;
                c->format = 0;
            }
        }
    }
    if (alsoLooks) std::erase_if(d.spans, [&](const CellSpan& s) { return range.contains(s.anchor); });
    autoRecalc(*this, d);
    return true;
}

std::string Sheet::tag(CellRef cell) const {
    const Cell* c = inSheet(cell) ? d_->cells.find(cell) : nullptr;
    return c ? d_->strings.get(c->tag) : std::string();
}

bool Sheet::setTag(CellRef cell, std::string_view text) {
    if (!inSheet(cell) || text.size() > kMaxTextLength) return false;
    Cell* c = d_->cells.find(cell);
    if (!c && text.empty()) return true;
    if (!c) c = &d_->cells.at(cell);
    c->tag = d_->strings.replace(c->tag, text);
    return true;
}

// --- calculation ---------------------------------------------------------------------------

void Sheet::recalc() { d_->calc->recalc(); }
void Sheet::recalcAll() { d_->calc->recalcAll(); }

void Sheet::recalcCell(CellRef cell) {
    if (hasFormula(cell) && d_->calc->recalcCell(cell)) autoRecalc(*this, *d_);
}

size_t Sheet::dirtyCount() const { return d_->calc->dirtyCount(); }
void Sheet::setLoading(bool on) { d_->calc->setLoading(on); }

SheetStats Sheet::stats() const {
    return {d_->formulas.groupCount(), d_->calc->edgeCount(), d_->calc->listenerCount()};
}
const FunctionRegistry& Sheet::functions() const { return d_->functions; }

namespace {

// The formula cells that call `name` (upper case, as formulas store function names).
std::vector<CellRef> cellsCalling(SheetData& d, const std::string& name) {
    std::vector<CellRef> callers;
    d.cells.forEach([&](CellRef ref, Cell& cell) {
        if (!cell.formula) return;
        bool calls = d.formulas.withFormula(cell.formula, ref, [&](const Formula& f) {
            for (const Node& n : f.nodes())
                if (n.kind == NodeKind::Call && f.texts()[n.index] == name) return true;
            return false;
        });
        if (calls) callers.push_back(ref);
    });
    return callers;
}

}  // namespace

bool Sheet::addFunction(FunctionDef def) {
    SheetData& d = *d_;
    const std::string name = upperCase1252(def.name);
    const FunctionDef* before = d.functions.find(name);
    // Which arguments are dependencies may change with the function: its callers' dependencies
    // are then recorded again under the new rule.
    const bool relink = def.namedCells || (before && before->namedCells);
    const bool naming = def.namedCells != nullptr;
    std::vector<CellRef> callers = cellsCalling(d, name);
    if (relink) d.calc->forget(callers);
    const bool added = d.functions.add(std::move(def));
    if (relink) {
        if (added && naming) d.calc->useNamedCells(true);
        d.calc->record(callers);
    }
    if (!added) return false;
    // Formulas that call the name were computed without it (#NAME?); they are out of date now,
    // and computed with the next recalculation.
    d.calc->markOutOfDate(callers);
    return true;
}

void Sheet::removeCustomFunctions() {
    SheetData& d = *d_;
    if (!d.calc->usesNamedCells()) {
        d.functions.removeCustom();
        return;
    }
    // Cells named by the removed functions' arguments become dependencies again.
    std::vector<CellRef> formulas;
    d.cells.forEach([&](CellRef ref, Cell& cell) {
        if (cell.formula) formulas.push_back(ref);
    });
    d.calc->forget(formulas);
    d.functions.removeCustom();
    d.calc->useNamedCells(false);
    d.calc->record(formulas);
}

// --- state of a person's work --------------------------------------------------------------

CellRef Sheet::activeCell() const { return d_->active; }

bool Sheet::setActiveCell(CellRef cell) {
    if (cell.col < 1 || cell.row < 1 || !inSheet(cell)) return false;
    d_->active = cell;
    return true;
}

std::optional<RangeRef> Sheet::selection() const { return d_->selection; }
void Sheet::setSelection(std::optional<RangeRef> block) { d_->selection = block; }

bool Sheet::option(int number) const { return number >= 0 && number < kOptionCount && d_->options.test(number); }

bool Sheet::setOption(int number, bool on) {
    if (number < 0 || number >= kOptionCount) return false;
    bool wasAuto = d_->options.test(kOptAutoCalc);
    d_->options.set(number, on);
    // Switching automatic calculation on brings the sheet up to date at once.
    if (number == kOptAutoCalc && on && !wasAuto) autoRecalc(*this, *d_);
    return true;
}

const SheetSettings& Sheet::settings() const { return d_->settings; }
SheetSettings& Sheet::settings() { return d_->settings; }

std::string columnName(int32_t col) {
    std::string name;
    while (col > 0) {
        --col;
        name.insert(name.begin(), static_cast<char>('A' + col % 26));
        col /= 26;
    }
    return name;
}

}  // namespace sheet
